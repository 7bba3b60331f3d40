// Text and number routines: what callers get back for the texts and numbers they pass.
#include "platform/Error.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlHTMLTools.h"
#include "toolkit/vdlTools.h"
#include <QTest>
#include <climits>
#include <limits>

using namespace vdl;
using vdl::test::ld;
Q_DECLARE_METATYPE(vdl::Var)
Q_DECLARE_METATYPE(long double)

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    // Before the data functions too: some rows are computed there.
    void initTestCase() { init(); }
    void init() { Regional::set(Regional::german()); }
    // Every routine that returns a text, with the text it must give.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Copy start below 1") << Copy("abc", -2, 2) << "ab";
        QTest::newRow("Trim keeps no control chars") << Trim(QString(" \x01x y\t\x05 ")) << "x y";
        QTest::newRow("RTrim") << RTrim(QString(" x \x01\r\n")) << " x";
        QTest::newRow("RightStr longer than text") << RightStr("abc", 5) << "abc";
        QTest::newRow("RightStr") << RightStr("abcdef", 2) << "ef";
        QTest::newRow("RightStr 0") << RightStr("abc", 0) << "";
        QTest::newRow("LeftStr -1") << LeftStr("abc", -1) << "";
        QTest::newRow("MidStr count 0 to the end") << MidStr("abcdef", 3, 0) << "cdef";
        QTest::newRow("MidStr past the end") << MidStr("abcdef", 7, 0) << "";
        QTest::newRow("PadLeft zeros") << PadLeft("7", "0", 3) << "007";
        QTest::newRow("PadLeft longer text unchanged") << PadLeft("12345", "0", 3) << "12345";
        QTest::newRow("PadLeft fill cut at its left") << PadLeft("5", "ab", 4) << "bab5";
        QTest::newRow("PadLeft empty text") << PadLeft("", "M", 4) << "MMMM";
        QTest::newRow("PadLeft empty fill is blank") << PadLeft("5", "", 3) << "  5";
        QTest::newRow("JoinNonEmpty") << JoinNonEmpty({" ", "a ", "", "  ", " b", ""}, ", ") << "a, b";
        QTest::newRow("CutRight last separator") << CutRight("a\\b\\c", "\\") << "a\\b";
        QTest::newRow("CutRight count") << CutRight("12,50", 2) << "12,";
        QTest::newRow("CutRight absent separator") << CutRight("12,50", ";") << "12,50";
        QTest::newRow("CutLeft count") << CutLeft("0017", 1) << "017";
        QTest::newRow("CutLeft count 0") << CutLeft("0017", 0) << "0017";
        QTest::newRow("CutLeft first separator") << CutLeft("a:b:c", ":") << "b:c";
        QTest::newRow("KeepRight separator") << KeepRight("3#17", "#") << "17";
        QTest::newRow("KeepRight absent separator") << KeepRight("17", "#") << "17";
        QTest::newRow("KeepRight count") << KeepRight("abcd", 3) << "bcd";
        QTest::newRow("KeepRight count too big") << KeepRight("abcd", 9) << "abcd";
        QTest::newRow("CutRight variant text") << CutRight("12,50", Var(",")) << "12";
        QTest::newRow("CutRight variant count") << CutRight("12,50", Var(2)) << "12,";
        QTest::newRow("EnsureSuffix appends") << EnsureSuffix("C:\\prog", "\\") << "C:\\prog\\";
        QTest::newRow("EnsureSuffix present") << EnsureSuffix("C:\\prog\\", "\\") << "C:\\prog\\";
        QTest::newRow("EnsureSuffix empty text") << EnsureSuffix("", "\\") << "\\";
        QTest::newRow("EnsureSuffix Datei.") << EnsureSuffix("Datei.", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix Datei.zq") << EnsureSuffix("Datei.zq", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix any case") << EnsureSuffix("DATEI.ZQE", ".zqe") << "DATEI.ZQE";
        QTest::newRow("EnsureSuffix umlaut case") << EnsureSuffix("MÄ", "äx") << "MÄx";
        QTest::newRow("ReplaceAll collapses blanks") << ReplaceAll("a   b", "  ", " ") << "a b";
        QTest::newRow("ReplaceAll new contains old") << ReplaceAll("aba", "a", "aa") << "aabaa";
        QTest::newRow("ReplaceAll empty old") << ReplaceAll("abc", "", "x") << "abc";
        QTest::newRow("DeleteAll joins new occurrence") << DeleteAll("aabb", "ab", true) << "";
        QTest::newRow("DeleteAll first only") << DeleteAll("abab", "ab", false) << "ab";
        QTest::newRow("OverwriteAt width of text") << OverwriteAt("abcdef", "XY", 3, -1) << "abXYef";
        QTest::newRow("OverwriteAt padded") << OverwriteAt("abcdef", "X", 2, 3) << "aX  ef";
        QTest::newRow("OverwriteAt never cuts") << OverwriteAt("abcdef", "XYZ", 2, 1) << "aXYZcdef";
        // Counts at the ends of the int range saturate.
        const auto splitAt = [](int n) {
            QString head = "abc", tail;
            SplitLast(head, tail, n);
            return head + '|' + tail;
        };
        QTest::newRow("CutRight count INT_MIN") << CutRight("abc", INT_MIN) << "abc";
        QTest::newRow("CutLeft count INT_MAX") << CutLeft("abc", INT_MAX) << "";
        QTest::newRow("SplitLast count INT_MAX") << splitAt(INT_MAX) << "abc|";
        QTest::newRow("SplitLast count INT_MIN") << splitAt(INT_MIN) << "|abc";
        QTest::newRow("OverwriteAt position INT_MIN") << OverwriteAt("abc", "X", INT_MIN, 1) << "Xabc";
        QTest::newRow("OverwriteAt position INT_MAX") << OverwriteAt("abc", "X", INT_MAX, 1) << "abcX";
        QTest::newRow("ApplyMask eight digits") << ApplyMask("||.||.||||", "24122003") << "24.12.2003";
        QTest::newRow("ApplyMask six digits") << ApplyMask("||.||.||||", "241203") << "24.12.03  ";
        // Guide-page lines carry umlauts as HTML entities.
        QTest::newRow("html markup kept") << UmlautsToHtml("<p>A & B</p>") << "<p>A & B</p>";
        QTest::newRow("html all seven") << UmlautsToHtml("äÄöÖüÜß") << "&auml;&Auml;&ouml;&Ouml;&uuml;&Uuml;&szlig;";
        QTest::newRow("html other accents stay") << UmlautsToHtml("Café €") << "Café €";
        QTest::newRow("VarMin numbers") << VarMin(Var(3), Var(2.5)).toString() << "2,5";
        QTest::newRow("VarMax numbers") << VarMax(Var(3), Var(2.5)).toString() << "3";
        QTest::newRow("VarMax texts") << VarMax(Var("Apfel"), Var("Birne")).toString() << "Birne";
        QTest::newRow("VarMin number text") << VarMin(Var("10"), Var(9)).toString() << "9";
        QTest::newRow("PosEx from start") << QString::number(PosEx(3, "abcabc", "bc")) << "5";
        QTest::newRow("PosEx start below 1") << QString::number(PosEx(-5, "abcabc", "bc")) << "2";
        QTest::newRow("PosEx empty sub") << QString::number(PosEx(1, "abc", "")) << "0";
        QTest::newRow("PosEx step 0 counts as 1") << QString::number(PosEx(1, "xxab", "ab", 0)) << "3";
        QTest::newRow("PosOfAny first char") << QString::number(PosOfAny("12.05-2003", "-./")) << "3";
        QTest::newRow("PosOfAny chunk length 0") << QString::number(PosOfAny("a:b", ":", 1, 0)) << "2";
        QTest::newRow("PosOfAny chunk length INT_MAX") << QString::number(PosOfAny("abc", "bc", 1, INT_MAX)) << "2";
        QTest::newRow("PosOfAny step INT_MAX") << QString::number(PosOfAny("abc", "a", INT_MAX, 1)) << "1";
        QTest::newRow("LastPos") << QString::number(LastPos("a\\b\\c", "\\")) << "4";
        QTest::newRow("LastPos empty sub is length") << QString::number(LastPos("abc", "")) << "3";
        QTest::newRow("LastPosEx start") << QString::number(LastPosEx(3, "abab", "ab")) << "1";
        QTest::newRow("LastPosEx match may pass start") << QString::number(LastPosEx(2, "abcab", "ab")) << "4";
        QTest::newRow("LastPosEx step 0 counts as 1") << QString::number(LastPosEx(1, "xyz", "q", 0)) << "0";
        QTest::newRow("FirstNonDigitPos date") << QString::number(FirstNonDigitPos("24.12.2003")) << "3";
        QTest::newRow("FirstNonDigitPos digits") << QString::number(FirstNonDigitPos("2412")) << "5";
        QTest::newRow("FirstNonDigitPos empty") << QString::number(FirstNonDigitPos("")) << "0";
        QTest::newRow("RomanToInt XIV") << QString::number(RomanToInt("XIV")) << "14";
        QTest::newRow("RomanToInt sticky sign") << QString::number(RomanToInt("IIX")) << "8";
        QTest::newRow("RomanToInt IIII") << QString::number(RomanToInt("IIII")) << "4";
        QTest::newRow("RomanToInt lower case") << QString::number(RomanToInt("mmxxiv")) << "2024";
        QTest::newRow("RomanToInt foreign letter") << QString::number(RomanToInt("XAX")) << "20";
        QTest::newRow("RomanToInt empty") << QString::number(RomanToInt("")) << "0";
        QTest::newRow("VarSign negative int") << QString::number(VarSign(Var(-3))) << "-1";
        QTest::newRow("VarSign zero") << QString::number(VarSign(Var(0))) << "0";
        QTest::newRow("VarSign positive float") << QString::number(VarSign(Var(0.25))) << "1";
        QTest::newRow("VarSign negative text") << QString::number(VarSign(Var("-1,5"))) << "-1";
        QTest::newRow("VarSign no number") << QString::number(VarSign(Var("x"))) << "0";
        QTest::newRow("IntMod sign of A") << QString::number(IntMod(-8, 7)) << "-1";
        QTest::newRow("IntMod negative divisor") << QString::number(IntMod(8, -7)) << "1";
        QTest::newRow("IntMod INT_MIN by -1") << QString::number(IntMod(INT_MIN, -1)) << "0";
        // Head and tail after SplitLast.
        const auto split = [](QString head, QString tail, const QString& sep) {
            SplitLast(head, tail, sep);
            return head + '|' + tail;
        };
        QTest::newRow("path") << split("C:\\dir\\file", "", "\\") << "C:\\dir|file";
        QTest::newRow("text from tail") << split("", "a:b:c", ":") << "a:b|c";
        QTest::newRow("no separator") << split("file", "old", "\\") << "|file";
        QTest::newRow("separator alone") << split("\\", "", "\\") << "|\\";
        // Whether the characters pass (mode -1: IsDigits), then the text as it is left.
        const auto checked = [](QString s, int mode, const QString& extra = {}) {
            const bool ok = mode < 0 ? IsDigits(s) : CheckChars(s, mode, extra);
            return (ok ? "yes|" : "no|") + s;
        };
        QTest::newRow("sharp s is no letter") << checked("A1ß", 1 + 2) << "no|A1ß";
        QTest::newRow("with umlauts") << checked("A1ß", 1 + 2 + 16) << "yes|A1ß";
        QTest::newRow("delete failing") << checked("a1b2", 2 + 8) << "no|12";
        QTest::newRow("inverted") << checked("12-3", 4 + 8, "-") << "no|123";
        QTest::newRow("extra upper never matches") << checked("X", 0, "X") << "no|X";
        QTest::newRow("IsDigits empty") << checked("", -1) << "yes|";
        QTest::newRow("IsDigits digits") << checked("0815", -1) << "yes|0815";
        QTest::newRow("IsDigits sign") << checked("-1", -1) << "no|-1";
        // Digits in a number system: 2 to 36, -1 roman; "" for what has none.
        QTest::newRow("255 hex") << IntToBase(Var(255), 16) << "FF";
        QTest::newRow("8 binary") << IntToBase(Var(8), 2) << "1000";
        QTest::newRow("fraction dropped") << IntToBase(Var(2.9), 10) << "2";
        QTest::newRow("1 binary") << IntToBase(Var(1), 2) << "1";
        QTest::newRow("zero") << IntToBase(Var(0), 2) << "";
        QTest::newRow("negative") << IntToBase(Var(-5), 10) << "";
        QTest::newRow("below one") << IntToBase(Var(0.5), 10) << "";
        QTest::newRow("number text") << IntToBase(Var("255"), 16) << "FF";
        QTest::newRow("text with comma") << IntToBase(Var("12,7"), 10) << "12";
        QTest::newRow("no number") << IntToBase(Var("abc"), 16) << "";
        QTest::newRow("last digit") << IntToBase(Var(35), 36) << "Z";
        QTest::newRow("int64 max") << IntToBase(Var(9223372036854775807LL), 10) << "9223372036854775807";
        QTest::newRow("2^64-1 hex") << IntToBase(Var("18446744073709551615"), 16) << "FFFFFFFFFFFFFFFF";
        QTest::newRow("2^64 binary") << IntToBase(Var("18446744073709551616"), 2) << "1" + QString(64, QLatin1Char('0'));
        QTest::newRow("10^27") << IntToBase(Var("1000000000000000000000000000"), 10) << "1" + QString(27, QLatin1Char('0'));
        QTest::newRow("date value") << IntToBase(Var::date(37979.75), 10) << "37979";
        QTest::newRow("roman half down") << IntToBase(Var(2.5), -1) << "II";
        QTest::newRow("roman half up") << IntToBase(Var(3.5), -1) << "IV";
        QTest::newRow("roman too big") << IntToBase(Var(1e12), -1) << "";
        QTest::newRow("base 1") << IntToBase(Var(5), 1) << "";
        QTest::newRow("base 37") << IntToBase(Var(5), 37) << "";
        QTest::newRow("infinite") << IntToBase(Var(std::numeric_limits<long double>::infinity()), 10) << "";
        QTest::newRow("nan") << IntToBase(Var(std::numeric_limits<long double>::quiet_NaN()), 2) << "";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void splitStr_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<int>("minCount");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("three") << "1,2,3" << "," << 0 << QStringList{"1", "2", "3"};
        QTest::newRow("empty middle") << "1,,3" << "," << 0 << QStringList{"1", "", "3"};
        QTest::newRow("separator at end") << "1,2," << "," << 0 << QStringList{"1", "2", ""};
        QTest::newRow("no trimming") << " a ; b" << ";" << 0 << QStringList{" a ", " b"};
        QTest::newRow("empty text padded") << "" << "," << 3 << QStringList{"", "", ""};
        QTest::newRow("empty separator") << "1,2" << "" << 0 << QStringList{};
        QTest::newRow("layout separator padded") << "Rechner 1-ßß-10-ßß-2" << "-ßß-" << 5
                                                 << QStringList{"Rechner 1", "10", "2", "", ""};
    }

    void splitStr()
    {
        QFETCH(QString, s);
        QFETCH(QString, sep);
        QFETCH(int, minCount);
        QFETCH(QStringList, items);
        QStringList list{"stale"};
        SplitStr(s, sep, list, minCount, QString());
        QCOMPARE(list, items);
        StringList objects;
        SplitStr(s, sep, objects, minCount, QString());
        QCOMPARE(objects.strings(), items);
    }

    // Numbers read from digits in a number system (0 for what is none), and rates and amounts
    // read leniently.
    void numbers_data()
    {
        QTest::addColumn<long double>("actual");
        QTest::addColumn<long double>("expected");
        QTest::newRow("lower hex") << BaseToFloat("ff", 16) << 255.0L;
        QTest::newRow("upper hex") << BaseToFloat("FF", 16) << 255.0L;
        QTest::newRow("digit too big") << BaseToFloat("1G", 16) << 0.0L;
        QTest::newRow("base 37") << BaseToFloat("10", 37) << 0.0L;
        QTest::newRow("empty") << BaseToFloat("", 16) << 0.0L;
        QTest::newRow("base 1") << BaseToFloat("0", 1) << 0.0L;
        QTest::newRow("blank") << BaseToFloat(" 7", 10) << 0.0L;
        QTest::newRow("umlaut") << BaseToFloat("\u00e4", 36) << 0.0L;
        QTest::newRow("base 36") << BaseToFloat("zz", 36) << 1295.0L;
        QTest::newRow("int64 max") << BaseToFloat("7FFFFFFFFFFFFFFF", 16) << ld("9223372036854775807");
        QTest::newRow("2^64-1") << BaseToFloat(QString(64, QLatin1Char('1')), 2) << ld("18446744073709551615");
        QTest::newRow("roman") << BaseToFloat("mmxxiv", -1) << 2024.0L;
        QTest::newRow("5000 leading zeros") << BaseToFloat(QString(5000, '0') + '1', 10) << 1.0L;
        QTest::newRow("20000 leading zeros, binary") << BaseToFloat(QString(20000, '0') + "11", 2) << 3.0L;
        QTest::newRow("rate, comma") << StrToFloatLoose("1,95583") << 1.95583L;
        QTest::newRow("grouped, comma") << StrToFloatLoose("1.234,5") << 0.0L;
        QTest::newRow("trailing plus") << StrToFloatLoose("1+") << 1.0L;
        QTest::newRow("trailing minus") << StrToFloatLoose("3-") << -3.0L;
        QTest::newRow("no number") << StrToFloatLoose("x") << 0.0L;
        test::pinEnglish();
        QTest::newRow("rate, point") << StrToFloatLoose("1,95583") << 1.95583L;
        QTest::newRow("grouped, point") << StrToFloatLoose("-1.234,5") << -1234.5L;
        init();
    }
    void numbers()
    {
        QFETCH(long double, actual);
        QTEST(actual, "expected");
    }

    void intToRoman()
    {
        const QList<QPair<int, QString>> rows{{0, ""}, {-3, ""}, {4000, "MMMM"}, {5000, "MMMMM"}, {2024, "MMXXIV"}, {944, "CMXLIV"}};
        for (const auto& [value, text] : rows)
            QCOMPARE(IntToRoman(value), text);
        for (int n = 1; n < 5000; ++n)
            QCOMPARE(RomanToInt(IntToRoman(n)), n);
    }

    void intModByZero()
    {
        try {
            IntMod(5, 0);
            QFAIL("no error raised");
        } catch (const IntDivError& e) {
            QCOMPARE(e.message(), QStringLiteral("Division durch Null"));
        }
    }
};

QTEST_GUILESS_MAIN(TestStrings)
#include "tst_strings.moc"
