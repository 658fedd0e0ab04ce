#pragma once

#include <QFont>

// The window's fonts, sized in pixels so the layout of fixed control sizes
// holds whatever the screen's resolution: DejaVu Sans (always there on the
// supported systems) with a character cell 11 pixels high for the window and
// 13 pixels high, bold, for the report and the bar count. At these sizes the
// longest check box caption fits its box.
QFont WindowFont();
QFont ReportAreaFont();
QFont BarCountFont();
QFont BoldFont(QFont font);
