#include <QLabel>

#include "core/Calculate.h"
#include "ui/Main.h"

void TMainForm::Button1Click(QObject* /*Sender*/) {
    RunCommand([this] {
        const CalculateOutcome outcome =
            Calculate({*cutList_, *barSettings_, report_}, *sortAStringGrid1_, CurrentOptions(),
                      regional_.DecimalSeparator, [this](const std::string& refusal) {
                          boxes_->Beep();
                          boxes_->ShowMessage(refusal);
                      });
        if (outcome.refusal) {
            return;
        }
        // The bar count shows only what was stored: a refused settings write
        // ends the command before it.
        Savelastini();
        Label2->setText(QString::number(outcome.barCount));
        Label2->adjustSize();
    });
}
