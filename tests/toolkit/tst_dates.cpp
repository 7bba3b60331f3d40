// Typed dates as the date fields and the calculator read and show them, and the calendar helpers.
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlTools.h"

#include <QTest>
#include <cmath>

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

    // Date tests and calendar helpers, each with the result it must give.
    void results_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("IsDateText empty allowed") << int(vdl::IsDateText("", true)) << 1;
        QTest::newRow("IsDateText empty refused") << int(vdl::IsDateText("", false)) << 0;
        QTest::newRow("IsDateText blanks allowed") << int(vdl::IsDateText("   ", true)) << 1;
        QTest::newRow("IsDateText eight digits") << int(vdl::IsDateText("24122003", false)) << 1;
        QTest::newRow("IsDateText six digits") << int(vdl::IsDateText("241203", false)) << 1;
        QTest::newRow("IsDateText four digits") << int(vdl::IsDateText("2412", false)) << 0;
        QTest::newRow("IsDateText two parts") << int(vdl::IsDateText("24.12", false)) << 0;
        QTest::newRow("IsDateText 31 February") << int(vdl::IsDateText("31.02.2004", false)) << 0;
        QTest::newRow("IsDateText display form") << int(vdl::IsDateText("24. 12. 2003", false)) << 1;
        QTest::newRow("IsDateText year 10000") << int(vdl::IsDateText("24.12.10000", false)) << 0;
        QTest::newRow("IsDateText year 3") << int(vdl::IsDateText("24.12.03", false)) << 1;
        QTest::newRow("IsDateText dashes") << int(vdl::IsDateText("24-12-2003", false)) << 1;
        QTest::newRow("IsDateText four parts") << int(vdl::IsDateText("24.12.2003.1", false)) << 0;
        QTest::newRow("SameDateText digits and dots") << int(vdl::SameDateText("24122003", "24.12.2003")) << 1;
        QTest::newRow("SameDateText no pivot") << int(vdl::SameDateText("24.12.03", "24.12.2003")) << 0;
        QTest::newRow("SameDateText own separators") << int(vdl::SameDateText("24.12.2003", "24/12/2003")) << 1;
        QTest::newRow("SameDateText no numbers") << int(vdl::SameDateText("a.b.c", "a.b.c")) << 0;
        QTest::newRow("SameDateText no number against -2") << int(vdl::SameDateText("24.12.-2", "24.12.x")) << 0;
        QTest::newRow("SameDateText no number against -1") << int(vdl::SameDateText("24.12.x", "24.12.-1")) << 0;
        QTest::newRow("DaysInFebruary 1900") << vdl::DaysInFebruary(1900) << 28;
        QTest::newRow("DaysInFebruary 2000") << vdl::DaysInFebruary(2000) << 29;
        QTest::newRow("DaysInMonth 13") << vdl::DaysInMonth(13, 2004) << 0;
        QTest::newRow("DaysInMonth April") << vdl::DaysInMonth(4, 2004) << 30;
        QTest::newRow("DaysInMonth February 2003") << vdl::DaysInMonth(2, 2003) << 28;
        QTest::newRow("DayOfWeekIso 7") << vdl::DayOfWeekIso(7) << 6;
        QTest::newRow("DayOfWeekIso -1") << vdl::DayOfWeekIso(-1) << 5;
        QTest::newRow("DayOfWeekIso -6") << vdl::DayOfWeekIso(-6) << 7;
        QTest::newRow("DayOfWeekIso with time") << vdl::DayOfWeekIso(37979.75) << 3;
        QTest::newRow("DayOfWeekIso 0 is today") << vdl::DayOfWeekIso(0) << 6; // the pinned Saturday
        QTest::newRow("YearOfDate") << vdl::YearOfDate(37979.75) << 2003;
        QTest::newRow("MonthOfDate") << vdl::MonthOfDate(37979.75) << 12;
        QTest::newRow("DayOfDate") << vdl::DayOfDate(37979.75) << 24;
        QTest::newRow("YearOfDate today") << vdl::YearOfDate(0) << 2024;
        QTest::newRow("MonthOfDate today") << vdl::MonthOfDate(0) << 6;
        QTest::newRow("DayOfDate today") << vdl::DayOfDate(0) << 15;
    }
    void results()
    {
        QFETCH(int, actual);
        QTEST(actual, "expected");
    }

    void texts_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const double eve = 37979.75; // 24.12.2003, 18:00
        const double t = (12 * 3600 + 34 * 60 + 56.789) / 86400.0;
        QTest::newRow("MonthName") << vdl::MonthName(3, false) << "März";
        QTest::newRow("MonthName short") << vdl::MonthName(3, true) << "Mrz";
        QTest::newRow("MonthName 0") << vdl::MonthName(0, false) << "";
        QTest::newRow("display date") << vdl::DateToText(false, false, 0, eve) << "24. 12. 2003";
        QTest::newRow("compact") << vdl::DateToText(true, false, 0, eve) << "24.12.2003";
        QTest::newRow("short year") << vdl::DateToText(false, true, 0, eve) << "24. 12. 03";
        QTest::newRow("sortable") << vdl::DateToText(false, false, 1, eve) << "20031224";
        QTest::newRow("day 0") << vdl::DateToText(false, false, 0, 0.5) << "";
        QTest::newRow("date NaN") << vdl::DateToText(false, false, 0, std::nan("")) << "";
        QTest::newRow("date infinite") << vdl::DateToText(true, false, 0, HUGE_VAL) << "";
        QTest::newRow("time") << vdl::TimeToText(true, false, eve) << "18:00:00";
        QTest::newRow("time millis") << vdl::TimeToText(true, true, t) << "12:34:56:789";
        QTest::newRow("time 0") << vdl::TimeToText(true, false, 0) << "";
        QTest::newRow("time NaN") << vdl::TimeToText(true, true, std::nan("")) << "";
        QTest::newRow("amount 0 empty") << vdl::FloatToText(false, true, 0) << "";
        QTest::newRow("amount 0") << vdl::FloatToText(false, false, 0) << "0,00";
        QTest::newRow("amount") << vdl::FloatToText(false, true, 1234.5) << "1234,50";
        QTest::newRow("grouped") << vdl::FloatToText(true, true, -1234567.125) << "-1.234.567,13";
        QTest::newRow("half up") << vdl::FloatToText(false, true, vdl::test::ld("2.675")) << "2,68";
        vdl::test::pinEnglish();
        QTest::newRow("grouped, English") << vdl::FloatToText(true, true, -1234567.125) << "-1,234,567.13";
        QTest::newRow("half up, English") << vdl::FloatToText(false, true, vdl::test::ld("2.675")) << "2.68";
        initTestCase();
    }
    void texts()
    {
        QFETCH(QString, shown);
        QTEST(shown, "expected");
    }
};

QTEST_GUILESS_MAIN(TstDates)
#include "tst_dates.moc"
