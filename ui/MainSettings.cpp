#include "io/LastSettings.h"
#include "ui/Main.h"

void TMainForm::Savelastini() {
    // Called on its own too, so the check boxes are read here and now.
    models_->Options = CurrentOptions();
    ::Savelastini(settingsPath_, TakeLastSettings(models_->BarSettings, models_->Options));
}

void TMainForm::LoadLastini() {
    models_->Options = CurrentOptions();
    ApplyLastSettings(::LoadLastini(settingsPath_), models_->BarSettings, models_->Options);
    ShowOptions();
}

void TMainForm::StringGrid2KeyUp(QObject* /*Sender*/, int& /*Key*/,
                                 Qt::KeyboardModifiers /*Shift*/) {
    RunInputCommand([this] { Savelastini(); });
}

void TMainForm::ItemNumBox1MouseUp(QObject* /*Sender*/, Qt::MouseButton /*Button*/,
                                   Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {
    RunInputCommand([this] { Savelastini(); });
}
