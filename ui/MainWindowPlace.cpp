#include <QScreen>

#include "io/SettingsPath.h"
#include "io/settings/WindowSettings.h"
#include "ui/Main.h"

namespace {

WindowPlace PlaceOf(const QWidget& window) {
    const QRect normal = window.normalGeometry();
    return {normal.x(), normal.y(), normal.width(), normal.height(), window.isMaximized()};
}

}  // namespace

void TMainForm::PlaceWindowAtStart() {
    std::optional<WindowPlace> kept = LoadWindowPlace(settings_.Path);
    const QScreen* screen = this->screen();
    if (kept && screen != nullptr &&
        !screen->virtualGeometry().intersects(
            QRect(kept->Left, kept->Top, kept->Width, kept->Height))) {
        // Kept from a screen that is gone: the window would open out of reach.
        kept.reset();
    }
    if (kept) {
        setGeometry(kept->Left, kept->Top, kept->Width, kept->Height);
        if (kept->Maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    } else if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    placeKept_ = kept.has_value();
    startPlace_ = PlaceOf(*this);
}

void TMainForm::KeepWindowPlace() {
    const WindowPlace place = PlaceOf(*this);
    // The settings file hears of the window only once it has been moved or
    // sized.
    if (!shownOnce_ || (!placeKept_ && place == startPlace_)) {
        return;
    }
    try {
        if (!settings_.FolderToMake.empty()) {
            MakeSettingsFolder(settings_.FolderToMake);
        }
        SaveWindowPlace(settings_.Path, place);
    } catch (const std::exception&) {
        // The place is a convenience: the program ends all the same.
    }
}
