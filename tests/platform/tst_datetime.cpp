#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include <QCoreApplication>
#include <QTest>
#include <cmath>

using namespace vdl;

class TestDateTime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { init(); } // rows are formatted in the data function
    void init() { test::pinGerman(); }

    void regionalFollowsLocale()
    {
        // The tests run under German, English and C locales: the numeric separators follow
        // the locale, an unconfigured one means German, and dates keep the German form.
        const bool english = qgetenv("LC_ALL").startsWith("en_");
        const Regional r = Regional::fromSystem();
        QCOMPARE(r.decimalSeparator, QLatin1Char(english ? '.' : ','));
        QCOMPARE(r.thousandSeparator, QLatin1Char(english ? ',' : '.'));
        QCOMPARE(r.shortDateFormat, QStringLiteral("dd.MM.yyyy"));
    }

    void encodeDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("dayNumber");
        QTest::addColumn<QString>("text");
        QTest::newRow("day zero") << 1899 << 12 << 30 << 0.0 << "30.12.1899";
        QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 36585.0 << "29.02.2000";
        QTest::newRow("first day") << 1 << 1 << 1 << -693593.0 << "01.01.0001";
        QTest::newRow("last day") << 9999 << 12 << 31 << 2958465.0 << "31.12.9999";
    }
    void encodeDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, dayNumber);
        QCOMPARE(EncodeDate(year, month, day), dayNumber);
        QTEST(DateToStr(dayNumber), "text");
        int y, m, d;
        // The time of day counts away from day zero on both sides of it.
        DecodeDate(dayNumber < 0 ? dayNumber - 0.75 : dayNumber + 0.75, y, m, d);
        QCOMPARE(QDate(y, m, d), QDate(year, month, day));
    }

    void invalidDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("year 0") << 0 << 1 << 1;
        QTest::newRow("29.02.2023") << 2023 << 2 << 29;
        QTest::newRow("month 13") << 2024 << 13 << 1;
    }
    void invalidDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        try {
            EncodeDate(year, month, day);
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("Ungültiges Argument für Datumskodierung"));
        }
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const double nikolaus = 46362 + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 7 / 86400000.0;
        QTest::newRow("date") << FormatDateTime("dd.mm.yyyy", nikolaus) << "06.12.2026";
        QTest::newRow("upper case letters") << FormatDateTime("DD.MM.YYYY", nikolaus) << "06.12.2026";
        QTest::newRow("short names") << FormatDateTime("ddd mmm", nikolaus) << "So Dez";
        QTest::newRow("short") << FormatDateTime("d/m/yy", nikolaus) << "6.12.26";
        QTest::newRow("names") << FormatDateTime("dddd, d. mmmm yyyy", nikolaus) << "Sonntag, 6. Dezember 2026";
        QTest::newRow("März") << FormatDateTime("mmmm mmm", 46082.0) << "März Mär";
        QTest::newRow("time") << FormatDateTime("hh:nn:ss", nikolaus) << "13:05:09";
        QTest::newRow("short time") << FormatDateTime("h:n:s z", nikolaus) << "13:5:9 7";
        QTest::newRow("literals") << FormatDateTime("'Uhr' hh \"mm\"", nikolaus) << "Uhr 13 mm";
        QTest::newRow("open literal") << FormatDateTime("hh 'Uhr mm", nikolaus) << "13 Uhr mm";
        QTest::newRow("long runs split") << FormatDateTime("yyyyyy dddddd", nikolaus) << "202626 Sonntag06";
        QTest::newRow("other letters kept") << FormatDateTime("Tag d, Wo. ä", nikolaus) << "Tag 6, Wo. ä";
        QTest::newRow("before day zero") << FormatDateTime("dd.mm.yyyy hh:nn", -1.25) << "29.12.1899 06:00";
        QTest::newRow("end of day stays") << FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", 46362.99999999999) << "06.12.2026 23:59:59.999";
        QTest::newRow("NaN") << FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", std::nan("")) << "";
        QTest::newRow("infinite") << FormatDateTime("hh:nn", HUGE_VAL) << "";
        QTest::newRow("minus infinite") << FormatDateTime("dd.mm.yyyy", -HUGE_VAL) << "";
        Regional r = Regional::german();
        r.dateSeparator = QLatin1Char('/');
        r.timeSeparator = QLatin1Char('.');
        Regional::set(r);
        QTest::newRow("separators follow regional") << FormatDateTime("dd/mm/yyyy hh:nn", 46362.5) << "06/12/2026 12.00";
        init();
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void strToDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date"); // empty: not a date
        QTest::newRow("full") << "14.09.2001" << "14.09.2001";
        QTest::newRow("blanks") << "14. 09. 2001" << "14.09.2001";
        QTest::newRow("pivot below 50") << "1.2.49" << "01.02.2049";
        QTest::newRow("pivot 50") << "1.2.50" << "01.02.1950";
        QTest::newRow("without year") << "1.2" << "01.02.2026";
        QTest::newRow("31 February") << "31.02.2001" << "";
        QTest::newRow("letters") << "abc" << "";
        QTest::newRow("slashes") << "14/09/2001" << "";
        QTest::newRow("empty month") << "1..2001" << "";
    }
    void strToDate()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        double d = 0;
        QCOMPARE(TryStrToDate(text, d), !date.isEmpty());
        if (!date.isEmpty()) {
            QCOMPARE(DateToStr(d), date);
            return;
        }
        try {
            StrToDate(text);
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' ist kein gültiges Datum").arg(text));
        }
    }

    void clockAndDayOfWeek()
    {
        QCOMPARE(Clock::now(), 46362.5);
        QCOMPARE(Clock::today(), 46362.0);
        QCOMPARE(DayOfWeek(Clock::today()), 1); // Sunday
        QCOMPARE(GermanDayName(DayOfWeek(Clock::today() - 1)), QStringLiteral("Samstag"));
    }

    void exeDir()
    {
        setExeDir("/tmp/rechner");
        QCOMPARE(ExeDir(), QStringLiteral("/tmp/rechner/"));
        setExeDir(QString());
        QCOMPARE(ExeDir(), QCoreApplication::applicationDirPath() + '/');
    }
};

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
