#include <QApplication>

#include "ui/Main.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar"));
    // The installed desktop entry, so a desktop shows the window under its
    // name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmar.velmar"));
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
