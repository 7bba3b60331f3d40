// Text routines: what callers get back for the texts they pass.
#include "platform/Regional.h"
#include "toolkit/vdlTools.h"
#include <QTest>
#include <climits>

using namespace vdl;

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Regional::set(Regional::german()); }
    // Every routine that returns a text, with the text it must give.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Copy start below 1") << Copy("abc", -2, 2) << "ab";
        QTest::newRow("Trim keeps no control chars") << Trim(QString(" \x01x y\t\x05 ")) << "x y";
        QTest::newRow("RTrim") << RTrim(QString(" x \x01\r\n")) << " x";
        QTest::newRow("RightStr longer than text") << RightStr("abc", 5) << "abc";
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
        QTest::newRow("CutRight separator") << CutRight("12,50", ",") << "12";
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
        QTest::newRow("EnsureSuffix Datei") << EnsureSuffix("Datei", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix Datei.") << EnsureSuffix("Datei.", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix Datei.zq") << EnsureSuffix("Datei.zq", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix Datei.zqe") << EnsureSuffix("Datei.zqe", ".zqe") << "Datei.zqe";
        QTest::newRow("EnsureSuffix any case") << EnsureSuffix("DATEI.ZQE", ".zqe") << "DATEI.ZQE";
        QTest::newRow("EnsureSuffix umlaut case") << EnsureSuffix("MÄ", "äx") << "MÄx";
        QTest::newRow("EnsurePrefix tail reused") << EnsurePrefix("vdl\\x", "\\software\\vdl\\") << "\\software\\vdl\\x";
        QTest::newRow("EnsurePrefix lacks backslash") << EnsurePrefix("Software\\vdl\\x", "\\software\\vdl\\") << "\\Software\\vdl\\x";
        QTest::newRow("EnsurePrefix present") << EnsurePrefix("\\SOFTWARE\\vdl\\x", "\\software\\vdl\\") << "\\SOFTWARE\\vdl\\x";
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
    }

    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void positions_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("PosEx from start") << PosEx(3, "abcabc", "bc") << 5;
        QTest::newRow("PosEx start below 1") << PosEx(-5, "abcabc", "bc") << 2;
        QTest::newRow("PosEx empty sub") << PosEx(1, "abc", "") << 0;
        QTest::newRow("PosEx step 0 counts as 1") << PosEx(1, "xxab", "ab", 0) << 3;
        QTest::newRow("PosOfAny first char") << PosOfAny("12.05-2003", "-./") << 3;
        QTest::newRow("PosOfAny chunk length 0") << PosOfAny("a:b", ":", 1, 0) << 2;
        QTest::newRow("PosOfAny chunk length INT_MAX") << PosOfAny("abc", "bc", 1, INT_MAX) << 2;
        QTest::newRow("PosOfAny step INT_MAX") << PosOfAny("abc", "a", INT_MAX, 1) << 1;
        QTest::newRow("LastPos") << LastPos("a\\b\\c", "\\") << 4;
        QTest::newRow("LastPos empty sub is length") << LastPos("abc", "") << 3;
        QTest::newRow("LastPosEx start") << LastPosEx(3, "abab", "ab") << 1;
        QTest::newRow("LastPosEx match may pass start") << LastPosEx(2, "abcab", "ab") << 4;
        QTest::newRow("LastPosEx step 0 counts as 1") << LastPosEx(1, "xyz", "q", 0) << 0;
        QTest::newRow("FirstNonDigitPos date") << FirstNonDigitPos("24.12.2003") << 3;
        QTest::newRow("FirstNonDigitPos digits") << FirstNonDigitPos("2412") << 5;
        QTest::newRow("FirstNonDigitPos empty") << FirstNonDigitPos("") << 0;
    }

    void positions()
    {
        QFETCH(int, actual);
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

    void splitLast_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("newHead");
        QTest::addColumn<QString>("newTail");
        QTest::newRow("path") << "C:\\dir\\file" << "" << "\\" << "C:\\dir" << "file";
        QTest::newRow("text from tail") << "" << "a:b:c" << ":" << "a:b" << "c";
        QTest::newRow("no separator") << "file" << "old" << "\\" << "" << "file";
        QTest::newRow("separator alone") << "\\" << "" << "\\" << "" << "\\";
    }

    void splitLast()
    {
        QFETCH(QString, head);
        QFETCH(QString, tail);
        QFETCH(QString, sep);
        SplitLast(head, tail, sep);
        QTEST(head, "newHead");
        QTEST(tail, "newTail");
    }

    void checkChars_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("after");
        QTest::newRow("sharp s is no letter") << "A1ß" << 1 + 2 << "" << false << "A1ß";
        QTest::newRow("with umlauts") << "A1ß" << 1 + 2 + 16 << "" << true << "A1ß";
        QTest::newRow("delete failing") << "a1b2" << 2 + 8 << "" << false << "12";
        QTest::newRow("inverted") << "12-3" << 4 + 8 << "-" << false << "123";
        QTest::newRow("extra upper never matches") << "X" << 0 << "X" << false << "X";
        QTest::newRow("IsDigits empty") << "" << -1 << "" << true << "";
        QTest::newRow("IsDigits digits") << "0815" << -1 << "" << true << "0815";
        QTest::newRow("IsDigits sign") << "-1" << -1 << "" << false << "-1";
    }

    void checkChars()
    {
        QFETCH(QString, s);
        QFETCH(int, mode);
        QFETCH(QString, extra);
        QTEST(mode < 0 ? IsDigits(s) : CheckChars(s, mode, extra), "result");
        QTEST(s, "after");
    }

    void varMinMax()
    {
        QCOMPARE(VarMin(Var(3), Var(2.5)).toString(), QString("2,5"));
        QCOMPARE(VarMax(Var(3), Var(2.5)).toString(), QString("3"));
        QCOMPARE(VarMax(Var("Apfel"), Var("Birne")).toString(), QString("Birne"));
        QCOMPARE(VarMin(Var("10"), Var(9)).toString(), QString("9"));
    }
};

QTEST_GUILESS_MAIN(TestStrings)
#include "tst_strings.moc"
