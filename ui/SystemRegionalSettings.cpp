#include "ui/SystemRegionalSettings.h"

#include "diagram/Latin1.h"

namespace {

// A separator outside Latin-1 cannot stand in a single-byte text; the
// customary one stands in for it.
char SingleByte(const QString& text, char fallback) {
    if (text.size() != 1 || text.front().unicode() > 0xFF || text.front().unicode() == 0) {
        return fallback;
    }
    return static_cast<char>(text.front().unicode());
}

}  // namespace

RegionalSettings RegionalSettingsOf(const QLocale& locale) {
    RegionalSettings settings;
    settings.DecimalSeparator = SingleByte(locale.decimalPoint(), '.');
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    settings.ShortDateFormat = ToLatin1(format);
    // The separator is the first character of the format that is no part of
    // a day, month or year field.
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'')) {
            settings.DateSeparator = SingleByte(QString(c), '/');
            break;
        }
    }
    return settings;
}
