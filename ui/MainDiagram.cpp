#include "ui/DiagramWindow.h"
#include "ui/Main.h"

void TMainForm::FileDiagram(QObject* /*Sender*/) {
    if (diagram_ == nullptr) {
        diagram_ = new DiagramWindow(
            printing_, [this](const std::string& text) { boxes_->ShowError(text); }, this);
        diagram_->SetJob(lastDiagram_);
    }
    diagram_->show();
    diagram_->raise();
    diagram_->activateWindow();
}
