// The toolkit routines that work on forms, fields, fonts and files, as callers meet them.
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
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

using namespace vdl;

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

class TestMisc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init(); }
    void init() { Regional::set(Regional::german()); }

    // What each routine gives back, as text: yes/no, positions in lists, rectangles, fonts,
    // colours, paths, case.
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
        // Case changes in a range, counts of a part.
        QTest::newRow("upper to the end") << UpperCaseRange("abc", 2, 0) << "aBC";
        QTest::newRow("upper from start 0") << UpperCaseRange("abc", 0, 2) << "ABc";
        QTest::newRow("upper middle") << UpperCaseRange("abcd", 2, 2) << "aBCd";
        QTest::newRow("umlauts, sharp s stays") << UpperCaseRange("größe äü", 0, 0) << "GRÖßE ÄÜ";
        QTest::newRow("lower umlauts") << LowerCaseRange("ÄÖÜ MÜNZE", 0, 0) << "äöü münze";
        QTest::newRow("lower past the end") << LowerCaseRange("AB", 5, 1) << "AB";
        QTest::newRow("count commas") << QString::number(CountOccurrences("1,2,3", ",", 0)) << "2";
        QTest::newRow("count non-overlapping") << QString::number(CountOccurrences("aaaa", "aa", 0)) << "2";
        QTest::newRow("count empty sub") << QString::number(CountOccurrences("abc", "", 0)) << "0";
        QTest::newRow("count stepped starts") << QString::number(CountOccurrences("a,b,c", ",", 2)) << "2";
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
};

QTEST_MAIN(TestMisc)
#include "tst_misc.moc"
