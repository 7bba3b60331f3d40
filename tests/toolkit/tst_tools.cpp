// The toolkit's routines as callers meet them: texts, positions and numbers they give back,
// yes/no texts, font and colour texts, number fields checked on leaving, forms, paths.
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlHTMLTools.h"
#include "toolkit/vdlTools.h"
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <limits>

using namespace vdl;
using vdl::test::ld;
Q_DECLARE_METATYPE(long double)
Q_DECLARE_METATYPE(vdl::Var)
Q_DECLARE_METATYPE(vdl::Rect)

namespace {

class TestForm : public QWidget, public vdl::Form {};

// The bounding box of all pixels darker than mid-grey.
QRect inkBox(const QImage& img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestTools : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init(); }
    void init() { Regional::set(Regional::german()); }

    // What each routine gives back, as text: strings, positions, yes/no, rectangles, fonts.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        // "?" marks a text that is no yes/no text.
        const auto yesNo = [](const QString& t) { return BoolToJaNein(TextToBool(t)) + (IsBoolText(t) ? "" : "?"); };
        QTest::newRow("Ja with blanks") << yesNo("  Ja ") << "Ja";
        QTest::newRow("WAHR") << yesNo("WAHR") << "Ja";
        QTest::newRow("nein") << yesNo("nein") << "Nein";
        QTest::newRow("falsch") << yesNo("falsch") << "Nein";
        QTest::newRow("empty yes/no") << yesNo("") << "Nein?";
        QTest::newRow("maybe") << yesNo("maybe") << "Nein?";
        // The item found, each with object 10 times its place; every way of searching agrees.
        const auto found = [](const QStringList& items, const Var& value, int mode, int start = 0) {
            StringList list;
            for (int i = 0; i < items.size(); ++i)
                list.add(items[i], i * 10);
            const int i = IndexOfValue(list, value, mode, start);
            const bool same = FindInList(&list, value, mode, start) == i && FindInList(list, value, mode, start) == i
                              && FindInList(nullptr, value, mode, start) == -1;
            return QString::number(i) + (same ? "" : " (differs)");
        };
        const QStringList fonts{"Tahoma", "Arial", "Courier"};
        QTest::newRow("equal ignores case") << found(fonts, Var("arial"), 0) << "1";
        QTest::newRow("begins") << found({"D:\\", "C:\\DATEN"}, Var("c:"), 1) << "1";
        QTest::newRow("contains") << found(fonts, Var("OURI"), 2) << "2";
        QTest::newRow("ends") << found(fonts, Var("MA"), 3) << "0";
        QTest::newRow("word after blank") << found({"foobar", "foo bar"}, Var("bar"), 4) << "1";
        QTest::newRow("no word start") << found({"foobar"}, Var("bar"), 4) << "-1";
        QTest::newRow("second occurrence") << found({"xbar/bar"}, Var("BAR"), 4) << "0";
        QTest::newRow("umlaut") << found({"Straße", "GRÖßE"}, Var("größe"), 0) << "1";
        QTest::newRow("negative start") << found(fonts, Var("tahoma"), 0, -5) << "0";
        QTest::newRow("start at count") << found(fonts, Var("courier"), 0, 3) << "-1";
        QTest::newRow("float value") << found(fonts, Var(1.0), 0) << "-1";
        QTest::newRow("integer finds object") << found(fonts, Var(20), 0) << "2";
        // "-": refused, the rectangle unchanged.
        const auto rect = [](const QString& text) {
            Rect r{7, 7, 7, 7};
            const bool ok = StrToRect(text, r);
            return (ok ? "" : "-") + RectToStr(r);
        };
        QTest::newRow("four parts") << rect("10,20,300,400") << "10,20,300,400";
        QTest::newRow("three parts") << rect("10,20,300") << "-7,7,7,7";
        QTest::newRow("not a number") << rect("1,2,x,4") << "1,2,0,4";
        QTest::newRow("further parts ignored") << rect("1,2,3,4,x") << "1,2,3,4";
        // Right and bottom lie outside the rectangle: 300 - 10 pixels wide.
        const QRect q = Rect({10, 20, 300, 400}).toQRect();
        QTest::newRow("as QRect") << QStringLiteral("%1,%2 %3x%4").arg(q.x()).arg(q.y()).arg(q.width()).arg(q.height())
                                  << "10,20 290x380";
        QTest::newRow("from QRect") << RectToStr(Rect::fromQRect(QRect(10, 20, 290, 380))) << "10,20,300,400";
        // Font texts read into 9 point bold italic underlined "Old" in colour 7, shown as
        // size;bold italic underline strike-out;colour;name.
        const auto font = [](const QString& text) {
            QFont f(QStringLiteral("Old"), 9);
            f.setBold(true);
            f.setItalic(true);
            f.setUnderline(true);
            TColor color = 7;
            StrToFont(text, f, color);
            return QStringLiteral("%1;%2%3%4%5;%6;%7").arg(f.pointSize()).arg(f.bold()).arg(f.italic()).arg(f.underline())
                .arg(f.strikeOut()).arg(color).arg(f.family());
        };
        QTest::newRow("full") << font("10;1000;0;Tahoma") << "10;1000;0;Tahoma";
        QTest::newRow("size alone") << font("12") << "12;0000;7;Old";
        QTest::newRow("empty font") << font("") << "9;0000;7;Old";
        QTest::newRow("bad size") << font("x;0101;255;Arial") << "9;0101;255;Arial";
        QTest::newRow("bad colour, long flags") << font("11;011111;rot") << "11;0111;7;Old";
        QTest::newRow("system colour") << font(";1;-2147483640;") << "9;1000;-2147483640;Old";
        // A colour as red, green, blue, and lightened for a background (hex BGR).
        const auto lighter = [](int color) {
            int r = 0, g = 0, b = 0;
            QString text;
            ColorToRGBText(color, r, g, b, text);
            return text + QStringLiteral(" %1").arg(LightenColor(color), 6, 16, QLatin1Char('0'));
        };
        QTest::newRow("red") << lighter(0x0000FF) << "255,0,0 7e7eff";
        QTest::newRow("white") << lighter(0xFFFFFF) << "255,255,255 ffffff";
        QTest::newRow("mid grey") << lighter(0x808080) << "128,128,128 949494";
        QTest::newRow("black") << lighter(0x000000) << "0,0,0 a4a4a4";
        QTest::newRow("high byte dropped") << lighter(0x01102030) << "48,32,16 b4c4d4";
        // Paths for files beside the program; Windows folders, as old settings hold them, too.
        static QTemporaryDir tmp;
        QDir(tmp.path()).mkdir("Prog");
        QTest::newRow("name loses path") << PathCombine(R"(C:\Prog\)", R"(D:\alt\x.txt)", false) << R"(C:\Prog\x.txt)";
        QTest::newRow("name keeps path") << PathCombine(R"(C:\Prog\calc.exe)", R"(alt\x.txt)", true) << R"(C:\Prog\alt\x.txt)";
        QTest::newRow("linux program file") << PathCombine("/opt/vdl/vdlRechner", "$Zuletzt.zqe", false) << "/opt/vdl/$Zuletzt.zqe";
        QTest::newRow("existing folder") << PathCombine(tmp.path() + "/Prog", "x.txt", false) << tmp.path() + "/Prog/x.txt";
        setExeDir(tmp.path());
        QTest::newRow("beside the program") << ExeDirFile(R"(C:\alt\Hilfe.htm)") << tmp.path() + "/Hilfe.htm";
        setExeDir(QString());
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
        QTest::newRow("upper to the end") << UpperCaseRange("abc", 2, 0) << "aBC";
        QTest::newRow("upper from start 0") << UpperCaseRange("abc", 0, 2) << "ABc";
        QTest::newRow("upper middle") << UpperCaseRange("abcd", 2, 2) << "aBCd";
        QTest::newRow("umlauts, sharp s stays") << UpperCaseRange("größe äü", 0, 0) << "GRÖßE ÄÜ";
        QTest::newRow("lower umlauts") << LowerCaseRange("ÄÖÜ MÜNZE", 0, 0) << "äöü münze";
        QTest::newRow("lower past the end") << LowerCaseRange("AB", 5, 1) << "AB";
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
        QTest::newRow("count commas") << QString::number(CountOccurrences("1,2,3", ",", 0)) << "2";
        QTest::newRow("count non-overlapping") << QString::number(CountOccurrences("aaaa", "aa", 0)) << "2";
        QTest::newRow("count empty sub") << QString::number(CountOccurrences("abc", "", 0)) << "0";
        QTest::newRow("count stepped starts") << QString::number(CountOccurrences("a,b,c", ",", 2)) << "2";
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

    void centredText_data()
    {
        QTest::addColumn<Rect>("rect");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("topOffset"); // -1: centred both ways
        QTest::newRow("centred") << Rect{20, 10, 120, 60} << "Mo" << -1;
        QTest::newRow("across, below top") << Rect{20, 10, 120, 60} << "31" << 1;
        QTest::newRow("clipped") << Rect{40, 20, 60, 40} << "WWWWWWWW" << -1;
    }
    void centredText()
    {
        QFETCH(Rect, rect);
        QFETCH(QString, text);
        QFETCH(int, topOffset);
        QImage img(160, 80, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setFont(QFont("DejaVu Sans", 14));
        p.setBrush(Qt::yellow);
        const QFontMetrics fm = p.fontMetrics();
        if (topOffset < 0)
            TextRectCentered(&p, rect, text);
        else
            TextRectHCentered(p, rect, text, topOffset);
        p.end();

        const QRect r = rect.toQRect();
        QCOMPARE(img.pixelColor(r.topLeft()), QColor(Qt::yellow));
        QCOMPARE(img.pixelColor(r.bottomRight()), QColor(Qt::yellow));
        QCOMPARE(img.pixelColor(r.right() + 1, r.bottom() + 1), QColor(Qt::white));
        const QRect ink = inkBox(img);
        QVERIFY(r.contains(ink));
        if (fm.horizontalAdvance(text) < r.width()) {
            QVERIFY(qAbs(ink.center().x() - r.center().x()) <= 2);
            const int top = topOffset < 0 ? r.top() + (r.height() - fm.height()) / 2 : r.top() + topOffset;
            // The texts have no descenders: their ink ends on the baseline.
            QVERIFY(ink.top() >= top);
            QVERIFY(qAbs(ink.bottom() + 1 - (top + fm.ascent())) <= 1);
        }
    }

    void checkNumEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("mode"); // "grouped": thousands shown; "point": regional '.'
        QTest::addColumn<QString>("shown"); // '' for the error box
        QTest::newRow("implied decimals") << "12345" << 2 << "" << "123,45";
        QTest::newRow("short whole") << "5" << 2 << "" << "5,00";
        QTest::newRow("grouped output") << "1.234,5" << 2 << "grouped" << "1.234,50";
        QTest::newRow("negative") << "-12,5" << 2 << "" << "-12,50";
        QTest::newRow("negative implied") << "-12" << 2 << "" << "-0,12";
        QTest::newRow("no decimals") << "12345" << 0 << "" << "12345";
        QTest::newRow("regional point") << "1,5" << 2 << "point" << "1.50";
        QTest::newRow("letter") << "12a" << 2 << "" << "";
        QTest::newRow("both signs") << "+-5" << 2 << "" << "";
        QTest::newRow("two marks") << "1,2,3" << 2 << "" << "";
        QTest::newRow("lone minus") << "-" << 2 << "" << "";
        QTest::newRow("lone comma") << "," << 2 << "" << "";
    }
    void checkNumEdit()
    {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(QString, mode);
        QFETCH(QString, shown);
        if (mode == QLatin1String("point"))
            test::pinEnglish();
        TestForm form;
        auto* edit = new QLineEdit(typed, &form);
        form.show();
        ScriptedPrompter prompter;
        QCOMPARE(CheckNumEdit(edit, decimals, nullptr, mode == QLatin1String("grouped")), !shown.isEmpty());
        QCOMPARE(edit->text(), shown.isEmpty() ? typed : shown);
        QCOMPARE(prompter.messages(), shown.isEmpty() ? QStringList{"Ungültiger Wert!"} : QStringList());
        if (shown.isEmpty()) // the error box, and the text selected for typing anew
            QCOMPARE(prompter.calls[0].caption + QString::number(prompter.calls[0].flags) + edit->selectedText(),
                     "Fehler16" + typed);
    }

    void checkNumEditEmptyAndSkipped()
    {
        TestForm form;
        auto* edit = new QLineEdit(&form);
        auto* cancel = new QPushButton("Abbrechen", &form);
        form.show();
        ScriptedPrompter prompter;
        QVERIFY(CheckNumEdit(edit, 2, nullptr, false));
        QCOMPARE(edit->text(), "");
        // Leaving the rate field by clicking Cancel: no check, no message; on OK it is refused.
        edit->setText("12a");
        cancel->setFocus();
        QVERIFY(CheckNumEdit(edit, 5, cancel, false));
        QVERIFY(prompter.calls.isEmpty());
        edit->setFocus();
        QVERIFY(!CheckNumEdit(edit, 5, cancel, false));
        QCOMPARE(prompter.messages(), QStringList{"Ungültiger Wert!"});
        QCOMPARE(edit->text(), "12a");
    }

    void parentForm()
    {
        TestForm form;
        auto* edit = new QLineEdit(new QWidget(&form));
        QCOMPARE(ParentForm(edit), &form);
        QCOMPARE(ParentForm(&form), &form);
        QCOMPARE(ParentForm(nullptr), nullptr);
        QLineEdit loose;
        QCOMPARE(ParentForm(&loose), &loose);
        QCOMPARE(TopParentForm(edit), &form);

        // In the frame: the child window, even a plain widget, is the form of its controls.
        QMainWindow frame;
        auto* area = new QMdiArea;
        frame.setCentralWidget(area);
        auto* window = new TestForm;
        auto* inner = new QLineEdit(new QWidget(window));
        area->addSubWindow(window);
        QCOMPARE(TopParentForm(inner), window);
        QCOMPARE(ParentForm(inner), window);
        QCOMPARE(TopParentForm(area), nullptr);
        auto* plain = new QWidget;
        auto* field = new QLineEdit(plain);
        area->addSubWindow(plain);
        QCOMPARE(ParentForm(field), plain);
        QCOMPARE(TopParentForm(field), plain);
    }

    void setTextIfEmpty()
    {
        QLineEdit empty, filled(QStringLiteral("01. 02. 2003"));
        SetTextIfEmpty(&empty, QStringLiteral("24. 12. 2003"));
        SetTextIfEmpty(&filled, QStringLiteral("24. 12. 2003"));
        QCOMPARE(empty.text(), QStringLiteral("24. 12. 2003"));
        QCOMPARE(filled.text(), QStringLiteral("01. 02. 2003"));
        QWidget plain;
        SetTextIfEmpty(&plain, QStringLiteral("x"));
        QVERIFY(!plain.property("text").isValid());
    }

    void appendLineToFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("Protokoll.txt");
        QVERIFY(AppendLineToFile(name, "Erste Zeile"));
        QVERIFY(AppendLineToFile(name, "Größe 5 €"));
        QCOMPARE(test::fileBytes(name), "Erste Zeile\r\nGr\xF6\xDF" "e 5 \x80\r\n");
        QVERIFY(!AppendLineToFile(dir.filePath("fehlt/Protokoll.txt"), "x"));
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

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
