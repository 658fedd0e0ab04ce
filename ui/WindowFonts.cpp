#include "ui/WindowFonts.h"

namespace {

QFont SansSerif(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont WindowFont() {
    return SansSerif(10);
}

QFont ReportAreaFont() {
    return BoldFont(SansSerif(11));
}

QFont BarCountFont() {
    return BoldFont(SansSerif(11));
}

QFont BoldFont(QFont font) {
    font.setBold(true);
    return font;
}
