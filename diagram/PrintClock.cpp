#include "diagram/PrintClock.h"

#include "diagram/Latin1.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace {

// Qt's long time format ends in the time zone, which the printed time does
// not carry; this drops every unquoted run of 't' and the blanks around it.
QString WithoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u't') {
            while (!result.isEmpty() && result.back() == u' ') {
                result.chop(1);
            }
            while (i + 1 < format.size() && format[i + 1] == u't') {
                ++i;
            }
            continue;
        }
        result.append(c);
    }
    return result.trimmed();
}

}  // namespace

HeadingStamp StampOf(const QDateTime& moment, const QLocale& locale) {
    QString timeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return {ToLatin1(locale.toString(moment.date(), QLocale::ShortFormat)),
            ToLatin1(locale.toString(moment.time(), timeFormat))};
}

HeadingStamp SystemHeadingStamp() {
    return StampOf(QDateTime::currentDateTime(), QLocale::system());
}
