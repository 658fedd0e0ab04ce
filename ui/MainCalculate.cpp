#include <QLabel>
#include <string>

#include "core/Calculate.h"
#include "ui/Latin1.h"
#include "ui/Main.h"
#include "ui/ReadableLabel.h"

void TMainForm::Button1Click(QObject* /*Sender*/) {
    RunCommand([this] {
        const CalculateOutcome outcome =
            Calculate(models_->Calculation(), models_->Sorter, models_->Options,
                      regional_.DecimalSeparator, [this](const std::string& refusal) {
                          boxes_->Beep();
                          boxes_->ShowMessage(refusal);
                      });
        if (outcome.Refused) {
            return;
        }
        KeepDiagramOf(outcome);
        // The bar count shows only what was stored: a refused settings write
        // ends the command before it.
        Savelastini();
        models_->BarCount = std::to_string(outcome.BarCount);
        ShowReadableText(Label2, ToQString(models_->BarCount));
        Label2->adjustSize();
    });
}
