#include <QCheckBox>
#include "io/settings/LastSettings.h"

#include "ui/Main.h"

void TMainForm::Savelastini() {
    // Called on its own too, so the check boxes are read here and now.
    models_->Options = CurrentOptions();
    // A folder that cannot be made shows as the write's own refusal.
    if (!settings_.FolderToMake.empty()) {
        MakeSettingsFolder(settings_.FolderToMake);
    }
    LastSettings settings = TakeLastSettings(models_->BarSettings, models_->Options);
    settings.UseStock = UseStockCheckBox1->isChecked();
    ::Savelastini(settings_.Path, settings);
}

void TMainForm::LoadLastini() {
    models_->Options = CurrentOptions();
    const LastSettings settings = ::LoadLastini(settings_.Path);
    ApplyLastSettings(settings, models_->BarSettings, models_->Options);
    UseStockCheckBox1->setChecked(settings.UseStock);
    ReopenLastStock();
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

void TMainForm::FewestBarsClick() {
    // The box is kept as soon as it changes, not only with the next Calculate.
    RunInputCommand([this] { Savelastini(); });
}
