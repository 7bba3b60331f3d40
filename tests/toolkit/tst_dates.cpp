// Typed dates as the date fields and the calculator read and show them, and the calendar helpers.
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools.h"

#include <QTest>
#include <cstdlib>

Q_DECLARE_METATYPE(vdl::Var)

namespace {
// Saturday, 15 June 2024, 10:30.
const QDateTime pinnedNow(QDate(2024, 6, 15), QTime(10, 30));
} // namespace

class TstDates : public QObject {
    Q_OBJECT
private slots:
    // Before the data functions too: some rows are formatted there.
    void initTestCase()
    {
        vdl::Regional::set(vdl::Regional::german());
        vdl::Clock::pin(pinnedNow);
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<vdl::Var>("reference");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("shown"); // '' when the date is refused
        const vdl::Var none(0);
        const vdl::Var march17 = vdl::Var::date(vdl::EncodeDate(2004, 3, 17));
        QTest::newRow("two-digit year") << "24.12.03" << none << "" << "24. 12. 2003";
        QTest::newRow("pivot 50") << "24.12.50" << none << "" << "24. 12. 1950";
        QTest::newRow("pivot 49") << "24.12.49" << none << "" << "24. 12. 2049";
        QTest::newRow("six digits") << "241203" << none << "" << "24. 12. 2003";
        QTest::newRow("eight digits") << "24122003" << none << "" << "24. 12. 2003";
        QTest::newRow("month name") << "24 dez 2003" << none << "" << "24. Dezember. 2003";
        QTest::newRow("name between digits") << "1MAI2003" << none << "" << "01. Mai. 2003";
        QTest::newRow("M is March") << "3 m 04" << none << "" << "03. März. 2004";
        QTest::newRow("MAE is March") << "3 mae 04" << none << "" << "03. März. 2004";
        QTest::newRow("MA is May") << "3-ma-04" << none << "" << "03. Mai. 2004";
        QTest::newRow("umlaut name") << "3 mär 04" << none << "" << "03. März. 2004";
        QTest::newRow("JU is June") << "3/ju/04" << none << "" << "03. Juni. 2004";
        QTest::newRow("OC is October") << "3.oc.04" << none << "" << "03. Oktober. 2004";
        QTest::newRow("MA swallows year") << "1MA2003" << none << "x" << "";
        QTest::newRow("OC swallows year") << "3 oc 04" << none << "" << "";
        QTest::newRow("day only") << "5" << march17 << "" << "05. 03. 2004";
        QTest::newRow("day and month") << "5.6" << march17 << "" << "05. 06. 2004";
        QTest::newRow("trailing dot") << "1.1." << march17 << "" << "01. 01. 2004";
        QTest::newRow("empty text") << "" << march17 << "" << "17. 03. 2004";
        QTest::newRow("text reference") << "5" << vdl::Var("17.03.2004") << "" << "05. 03. 2004";
        QTest::newRow("bad text reference") << "5" << vdl::Var("kein Datum") << "" << "05. 06. 2024";
        QTest::newRow("day number no reference") << "5" << vdl::Var(38000) << "" << "05. 06. 2024";
        QTest::newRow("date 0 no reference") << "" << vdl::Var::date(0) << "" << "15. 06. 2024";
        QTest::newRow("year 200") << "1.1.200" << none << "" << "01. 01. 2000";
        QTest::newRow("year 199") << "1.1.199" << none << "" << "01. 01. 0199";
        QTest::newRow("year 4000") << "1.1.4000" << none << "x" << "";
        QTest::newRow("29.2.2001") << "29.2.2001" << none << "" << "";
        QTest::newRow("29.2.2000") << "29.2.2000" << none << "" << "29. 02. 2000";
        QTest::newRow("31.4.2003") << "31.4.2003" << none << "" << "";
        QTest::newRow("empty month") << "1..2003" << none << "" << "01. 01. 2003";
        QTest::newRow("letter year") << "1.1.XY" << none << "" << "";
        QTest::newRow("empty year") << "1.1.." << none << "" << "";
        QTest::newRow("month 13") << "1.13.2003" << none << "" << "";
        QTest::newRow("day 0") << "0.1.2003" << none << "" << "";
        QTest::newRow("extra parts") << "24.12.2003.7" << none << "" << "24. 12. 2003";
        QTest::newRow("caller pattern") << "24.12.03" << none << "dd.mm.yyyy" << "24.12.2003";
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(vdl::Var, reference);
        QFETCH(QString, pattern);
        QFETCH(QString, shown);
        QString dateText = pattern;
        QCOMPARE(vdl::ParseDate(text, reference, dateText, 1950), !shown.isEmpty());
        QCOMPARE(dateText, shown);
    }

    void isDateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty allowed") << "" << true << true;
        QTest::newRow("empty refused") << "" << false << false;
        QTest::newRow("blanks allowed") << "   " << true << true;
        QTest::newRow("eight digits") << "24122003" << false << true;
        QTest::newRow("six digits") << "241203" << false << true;
        QTest::newRow("four digits") << "2412" << false << false;
        QTest::newRow("two parts") << "24.12" << false << false;
        QTest::newRow("31 February") << "31.02.2004" << false << false;
        QTest::newRow("display form") << "24. 12. 2003" << false << true;
        QTest::newRow("year 10000") << "24.12.10000" << false << false;
        QTest::newRow("year 3") << "24.12.03" << false << true;
        QTest::newRow("dashes") << "24-12-2003" << false << true;
        QTest::newRow("four parts") << "24.12.2003.1" << false << false;
    }
    void isDateText()
    {
        QFETCH(QString, text);
        QFETCH(bool, allowEmpty);
        QFETCH(bool, valid);
        QCOMPARE(vdl::IsDateText(text, allowEmpty), valid);
    }

    void sameDateText_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("digits and dots") << "24122003" << "24.12.2003" << true;
        QTest::newRow("no pivot") << "24.12.03" << "24.12.2003" << false;
        QTest::newRow("own separators") << "24.12.2003" << "24/12/2003" << true;
        QTest::newRow("no numbers") << "a.b.c" << "a.b.c" << false;
    }
    void sameDateText()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(vdl::SameDateText(a, b), same);
    }

    void calendar()
    {
        QCOMPARE(vdl::DaysInFebruary(1900), 28);
        QCOMPARE(vdl::DaysInFebruary(2000), 29);
        QCOMPARE(vdl::DaysInFebruary(2004), 29);
        QCOMPARE(vdl::DaysInMonth(13, 2004), 0);
        QCOMPARE(vdl::DaysInMonth(4, 2004), 30);
        QCOMPARE(vdl::DaysInMonth(2, 2003), 28);
        QCOMPARE(vdl::DayOfWeekIso(7), 6);
        QCOMPARE(vdl::DayOfWeekIso(-1), 5);
        QCOMPARE(vdl::DayOfWeekIso(-6), 7);
        QCOMPARE(vdl::DayOfWeekIso(37979.75), 3);
        QCOMPARE(vdl::DayOfWeekIso(0), 6); // the pinned Saturday
        QCOMPARE(vdl::MonthName(3, false), QStringLiteral("März"));
        QCOMPARE(vdl::MonthName(3, true), QStringLiteral("Mrz"));
        QCOMPARE(vdl::MonthName(0, false), QString());
        QCOMPARE(vdl::MonthName(12, true), QStringLiteral("Dez"));
        QCOMPARE(vdl::YearOfDate(37979.75), 2003);
        QCOMPARE(vdl::MonthOfDate(37979.75), 12);
        QCOMPARE(vdl::DayOfDate(37979.75), 24);
        QCOMPARE(vdl::YearOfDate(0), 2024);
        QCOMPARE(vdl::MonthOfDate(0), 6);
        QCOMPARE(vdl::DayOfDate(0), 15);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const double eve = 37979.75; // 24.12.2003, 18:00
        const double t = (12 * 3600 + 34 * 60 + 56.789) / 86400.0;
        QTest::newRow("display date") << vdl::DateToText(false, false, 0, eve) << "24. 12. 2003";
        QTest::newRow("compact") << vdl::DateToText(true, false, 0, eve) << "24.12.2003";
        QTest::newRow("short year") << vdl::DateToText(false, true, 0, eve) << "24. 12. 03";
        QTest::newRow("sortable") << vdl::DateToText(false, false, 1, eve) << "20031224";
        QTest::newRow("day 0") << vdl::DateToText(false, false, 0, 0.5) << "";
        QTest::newRow("time") << vdl::TimeToText(true, false, eve) << "18:00:00";
        QTest::newRow("time millis") << vdl::TimeToText(true, true, t) << "12:34:56:789";
        QTest::newRow("time 0") << vdl::TimeToText(true, false, 0) << "";
        QTest::newRow("amount 0 empty") << vdl::FloatToText(false, true, 0) << "";
        QTest::newRow("amount 0") << vdl::FloatToText(false, false, 0) << "0,00";
        QTest::newRow("amount") << vdl::FloatToText(false, true, 1234.5) << "1234,50";
        QTest::newRow("grouped") << vdl::FloatToText(true, true, -1234567.125) << "-1.234.567,13";
        QTest::newRow("half up") << vdl::FloatToText(false, true, std::strtold("2.675", nullptr)) << "2,68";
    }
    void texts()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(TstDates)
#include "tst_dates.moc"
