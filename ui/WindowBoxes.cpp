#include "ui/WindowBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/Latin1.h"

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
