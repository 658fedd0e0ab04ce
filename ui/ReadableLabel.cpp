#include "ui/ReadableLabel.h"

#include <QLabel>

void ShowReadableText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}
