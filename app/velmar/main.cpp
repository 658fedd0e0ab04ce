#include <QApplication>

#include "ui/Main.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar"));
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
