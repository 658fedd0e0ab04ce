#include <memory>

#include "core/Calculate.h"
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

void TMainForm::KeepDiagramOf(const PlanOutcome& outcome) {
    if (!outcome.Plan) {
        return;
    }
    lastDiagram_ = std::make_shared<const DiagramJob>(
        DiagramJob{outcome.Plan, models_->Title, regional_.DecimalSeparator});
    if (diagram_ != nullptr) {
        diagram_->SetJob(lastDiagram_);
    }
}
