#include "ui/WindowBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "diagram/Latin1.h"

namespace {

const QString kTitle = QStringLiteral("Velmar");

void Show(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, kTitle, ToQString(text), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void QtWindowBoxes::ShowError(const std::string& text) {
    Show(parent_, QMessageBox::Critical, text);
}

void QtWindowBoxes::ShowWarning(const std::string& text) {
    Show(parent_, QMessageBox::Warning, text);
}

void QtWindowBoxes::ShowMessage(const std::string& text) {
    Show(parent_, QMessageBox::NoIcon, text);
}

void QtWindowBoxes::Beep() {
    QApplication::beep();
}

SaveChoice QtWindowBoxes::AskToSave(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, kTitle, ToQString(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

bool QtWindowBoxes::AskToReplace(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, kTitle, ToQString(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    // Replacing loses a file: the safe answer is the one Return gives.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
