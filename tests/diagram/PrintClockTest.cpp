// The date and time of a page heading in the regional settings' formats.
#include <QDateTime>
#include <QLocale>
#include <QTest>

#include "diagram/PrintClock.h"

class PrintClockTest : public QObject {
    Q_OBJECT

  private slots:
    // Short date, and the long time with seconds but without the time zone
    // that Qt's long format adds.
    void stampInTheLocalesFormats_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("United States") << "en_US"
                                       << "1/2/24"
                                       << "1:05:09 PM";
        QTest::newRow("Germany") << "de_DE"
                                 << "02.01.24"
                                 << "13:05:09";
        QTest::newRow("Britain") << "en_GB"
                                 << "02/01/2024"
                                 << "13:05:09";
    }
    void stampInTheLocalesFormats() {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QDateTime moment(QDate(2024, 1, 2), QTime(13, 5, 9));
        HeadingStamp stamp = StampOf(moment, QLocale(locale));
        QCOMPARE(QString::fromStdString(stamp.Date), date);
        QCOMPARE(QString::fromStdString(stamp.Time), time);
    }
};

QTEST_MAIN(PrintClockTest)
#include "PrintClockTest.moc"
