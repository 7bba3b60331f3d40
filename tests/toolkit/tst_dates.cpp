// Typed dates as the date fields and the calculator read and show them, and the calendar helpers.
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlTools.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(vdl::Var)

class TstDates : public QObject {
    Q_OBJECT
private slots:
    // Before the data functions too: some rows are formatted there.
    void initTestCase() { vdl::test::pinGerman(); } // today is Sunday 06.12.2026

    void texts_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        // The date a typed text gives (pivot 1950), "-" when it is refused.
        const vdl::Var none(0);
        const vdl::Var march17 = vdl::Var::date(vdl::EncodeDate(2004, 3, 17));
        const auto parsed = [](const QString& text, const vdl::Var& reference = vdl::Var(0), const QString& pattern = {}) {
            QString shown = pattern;
            const bool ok = vdl::ParseDate(text, reference, shown, 1950);
            return (ok ? "" : "-") + shown;
        };
        QTest::newRow("two-digit year") << parsed("24.12.03") << "24. 12. 2003";
        QTest::newRow("pivot 50") << parsed("24.12.50") << "24. 12. 1950";
        QTest::newRow("pivot 49") << parsed("24.12.49") << "24. 12. 2049";
        QTest::newRow("six digits") << parsed("241203") << "24. 12. 2003";
        QTest::newRow("eight digits") << parsed("24122003") << "24. 12. 2003";
        QTest::newRow("month name") << parsed("24 dez 2003") << "24. Dezember. 2003";
        QTest::newRow("name between digits") << parsed("1MAI2003") << "01. Mai. 2003";
        QTest::newRow("M is March") << parsed("3 m 04") << "03. März. 2004";
        QTest::newRow("MAE is March") << parsed("3 mae 04") << "03. März. 2004";
        QTest::newRow("MA is May") << parsed("3-ma-04") << "03. Mai. 2004";
        QTest::newRow("umlaut name") << parsed("3 mär 04") << "03. März. 2004";
        QTest::newRow("JU is June") << parsed("3/ju/04") << "03. Juni. 2004";
        QTest::newRow("OC is October") << parsed("3.oc.04") << "03. Oktober. 2004";
        QTest::newRow("MA swallows year") << parsed("1MA2003", none, "x") << "-";
        QTest::newRow("OC swallows year") << parsed("3 oc 04") << "-";
        QTest::newRow("day only") << parsed("5", march17) << "05. 03. 2004";
        QTest::newRow("day and month") << parsed("5.6", march17) << "05. 06. 2004";
        QTest::newRow("trailing dot") << parsed("1.1.", march17) << "01. 01. 2004";
        QTest::newRow("empty text") << parsed("", march17) << "17. 03. 2004";
        QTest::newRow("text reference") << parsed("5", vdl::Var("17.03.2004")) << "05. 03. 2004";
        QTest::newRow("bad text reference") << parsed("5", vdl::Var("kein Datum")) << "05. 12. 2026";
        QTest::newRow("day number no reference") << parsed("5", vdl::Var(38000)) << "05. 12. 2026";
        QTest::newRow("date 0 no reference") << parsed("", vdl::Var::date(0)) << "06. 12. 2026";
        QTest::newRow("year 200") << parsed("1.1.200") << "01. 01. 2000";
        QTest::newRow("year 199") << parsed("1.1.199") << "01. 01. 0199";
        QTest::newRow("year 4000") << parsed("1.1.4000", none, "x") << "-";
        QTest::newRow("29.2.2001") << parsed("29.2.2001") << "-";
        QTest::newRow("29.2.2000") << parsed("29.2.2000") << "29. 02. 2000";
        QTest::newRow("31.4.2003") << parsed("31.4.2003") << "-";
        QTest::newRow("empty month") << parsed("1..2003") << "01. 01. 2003";
        QTest::newRow("letter year") << parsed("1.1.XY") << "-";
        QTest::newRow("empty year") << parsed("1.1..") << "-";
        QTest::newRow("month 13") << parsed("1.13.2003") << "-";
        QTest::newRow("day 0 typed") << parsed("0.1.2003") << "-";
        QTest::newRow("extra parts") << parsed("24.12.2003.7") << "24. 12. 2003";
        QTest::newRow("caller pattern") << parsed("24.12.03", none, "dd.mm.yyyy") << "24.12.2003";
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
        QTest::newRow("IsDateText empty allowed") << QString::number(vdl::IsDateText("", true)) << "1";
        QTest::newRow("IsDateText empty refused") << QString::number(vdl::IsDateText("", false)) << "0";
        QTest::newRow("IsDateText blanks allowed") << QString::number(vdl::IsDateText("   ", true)) << "1";
        QTest::newRow("IsDateText eight digits") << QString::number(vdl::IsDateText("24122003", false)) << "1";
        QTest::newRow("IsDateText six digits") << QString::number(vdl::IsDateText("241203", false)) << "1";
        QTest::newRow("IsDateText four digits") << QString::number(vdl::IsDateText("2412", false)) << "0";
        QTest::newRow("IsDateText two parts") << QString::number(vdl::IsDateText("24.12", false)) << "0";
        QTest::newRow("IsDateText 31 February") << QString::number(vdl::IsDateText("31.02.2004", false)) << "0";
        QTest::newRow("IsDateText display form") << QString::number(vdl::IsDateText("24. 12. 2003", false)) << "1";
        QTest::newRow("IsDateText year 10000") << QString::number(vdl::IsDateText("24.12.10000", false)) << "0";
        QTest::newRow("IsDateText year 3") << QString::number(vdl::IsDateText("24.12.03", false)) << "1";
        QTest::newRow("IsDateText dashes") << QString::number(vdl::IsDateText("24-12-2003", false)) << "1";
        QTest::newRow("IsDateText four parts") << QString::number(vdl::IsDateText("24.12.2003.1", false)) << "0";
        QTest::newRow("SameDateText digits and dots") << QString::number(vdl::SameDateText("24122003", "24.12.2003")) << "1";
        QTest::newRow("SameDateText no pivot") << QString::number(vdl::SameDateText("24.12.03", "24.12.2003")) << "0";
        QTest::newRow("SameDateText own separators") << QString::number(vdl::SameDateText("24.12.2003", "24/12/2003")) << "1";
        QTest::newRow("SameDateText no numbers") << QString::number(vdl::SameDateText("a.b.c", "a.b.c")) << "0";
        QTest::newRow("SameDateText no number against -2") << QString::number(vdl::SameDateText("24.12.-2", "24.12.x")) << "0";
        QTest::newRow("SameDateText no number against -1") << QString::number(vdl::SameDateText("24.12.x", "24.12.-1")) << "0";
        QTest::newRow("DaysInFebruary 1900") << QString::number(vdl::DaysInFebruary(1900)) << "28";
        QTest::newRow("DaysInFebruary 2000") << QString::number(vdl::DaysInFebruary(2000)) << "29";
        QTest::newRow("DaysInMonth 13") << QString::number(vdl::DaysInMonth(13, 2004)) << "0";
        QTest::newRow("DaysInMonth April") << QString::number(vdl::DaysInMonth(4, 2004)) << "30";
        QTest::newRow("DaysInMonth February 2003") << QString::number(vdl::DaysInMonth(2, 2003)) << "28";
        QTest::newRow("DayOfWeekIso 7") << QString::number(vdl::DayOfWeekIso(7)) << "6";
        QTest::newRow("DayOfWeekIso -1") << QString::number(vdl::DayOfWeekIso(-1)) << "5";
        QTest::newRow("DayOfWeekIso -6") << QString::number(vdl::DayOfWeekIso(-6)) << "7";
        QTest::newRow("DayOfWeekIso with time") << QString::number(vdl::DayOfWeekIso(37979.75)) << "3";
        QTest::newRow("DayOfWeekIso 0 is today") << QString::number(vdl::DayOfWeekIso(0)) << "7"; // the pinned Sunday
        QTest::newRow("YearOfDate") << QString::number(vdl::YearOfDate(37979.75)) << "2003";
        QTest::newRow("MonthOfDate") << QString::number(vdl::MonthOfDate(37979.75)) << "12";
        QTest::newRow("DayOfDate") << QString::number(vdl::DayOfDate(37979.75)) << "24";
        QTest::newRow("YearOfDate today") << QString::number(vdl::YearOfDate(0)) << "2026";
        QTest::newRow("MonthOfDate today") << QString::number(vdl::MonthOfDate(0)) << "12";
        QTest::newRow("DayOfDate today") << QString::number(vdl::DayOfDate(0)) << "6";
    }
    void texts()
    {
        QFETCH(QString, shown);
        QTEST(shown, "expected");
    }
};

QTEST_GUILESS_MAIN(TstDates)
#include "tst_dates.moc"
