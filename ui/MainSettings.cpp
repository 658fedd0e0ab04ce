#include <QCheckBox>

#include "io/LastSettings.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"

void TMainForm::Savelastini() {
    ::Savelastini(settingsPath_, TakeLastSettings(*barSettings_, CurrentOptions()));
}

void TMainForm::LoadLastini() {
    Options options = CurrentOptions();
    ApplyLastSettings(::LoadLastini(settingsPath_), *barSettings_, options);
    ShortCheckBox1->setChecked(options.ShortReport);
    SumaryCheckBox1->setChecked(options.NoSummary);
    ItemNumBox1->setChecked(options.AutoItemNumber);
}

void TMainForm::StringGrid2KeyUp(QObject* /*Sender*/, int& /*Key*/,
                                 Qt::KeyboardModifiers /*Shift*/) {
    RunInputCommand([this] { Savelastini(); });
}

void TMainForm::ItemNumBox1MouseUp(QObject* /*Sender*/, Qt::MouseButton /*Button*/,
                                   Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {
    RunInputCommand([this] { Savelastini(); });
}
