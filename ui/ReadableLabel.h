#pragma once

class QLabel;
class QString;

// Shows a text in a label whose accessible name identifies it rather than
// saying what it shows (the bar count, the status line): the text goes into
// the accessible description as well, so a screen reader reads it.
void ShowReadableText(QLabel* label, const QString& text);
