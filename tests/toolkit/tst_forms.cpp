// Case ranges, the form holding a control, font texts and colours.
#include "toolkit/vdlTools.h"
#include <QFont>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>

using namespace vdl;

namespace {
class Dialog : public QWidget, public TFormXP {};
} // namespace

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper to the end") << UpperCaseRange("abc", 2, 0) << "aBC";
        QTest::newRow("upper from start 0") << UpperCaseRange("abc", 0, 2) << "ABc";
        QTest::newRow("upper all") << UpperCaseRange("abc", 0, 0) << "ABC";
        QTest::newRow("upper middle") << UpperCaseRange("abcd", 2, 2) << "aBCd";
        QTest::newRow("umlauts, sharp s stays") << UpperCaseRange("größe äü", 0, 0) << "GRÖßE ÄÜ";
        QTest::newRow("lower umlauts") << LowerCaseRange("ÄÖÜ MÜNZE", 0, 0) << "äöü münze";
        QTest::newRow("lower past the end") << LowerCaseRange("AB", 5, 1) << "AB";
        QTest::newRow("count commas") << QString::number(CountOccurrences("1,2,3", ",", 0)) << "2";
        QTest::newRow("count non-overlapping") << QString::number(CountOccurrences("aaaa", "aa", 0)) << "2";
        QTest::newRow("count in empty text") << QString::number(CountOccurrences("", ",", 0)) << "0";
        QTest::newRow("count empty sub") << QString::number(CountOccurrences("abc", "", 0)) << "0";
        QTest::newRow("count stepped starts") << QString::number(CountOccurrences("a,b,c", ",", 2)) << "2";
    }

    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    // Starting from 9 point bold italic underlined "Old" in colour 7.
    void strToFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("styles"); // bold, italic, underline, strike-out
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("full") << "10;1000;0;Tahoma" << 10 << "1000" << 0 << "Tahoma";
        QTest::newRow("size alone") << "12" << 12 << "0000" << 7 << "Old";
        QTest::newRow("empty") << "" << 9 << "0000" << 7 << "Old";
        QTest::newRow("bad size") << "x;0101;255;Arial" << 9 << "0101" << 255 << "Arial";
        QTest::newRow("bad colour, long flags") << "11;011111;rot" << 11 << "0111" << 7 << "Old";
        QTest::newRow("system colour") << ";1;-2147483640;" << 9 << "1000" << -2147483640 << "Old";
    }

    void strToFont()
    {
        QFETCH(QString, text);
        QFont font(QStringLiteral("Old"), 9);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        TColor color = 7;
        StrToFont(text, font, color);
        const QString styles = QString::number(font.bold()) + QString::number(font.italic())
                               + QString::number(font.underline()) + QString::number(font.strikeOut());
        QTEST(font.pointSize(), "size");
        QTEST(styles, "styles");
        QTEST(color, "color");
        QTEST(font.family(), "name");
    }

    void lightenColor_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("lighter");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("red") << 0x0000FF << 0x7E7EFF << "255,0,0";
        QTest::newRow("white") << 0xFFFFFF << 0xFFFFFF << "255,255,255";
        QTest::newRow("mid grey") << 0x808080 << 0x949494 << "128,128,128";
        QTest::newRow("black") << 0x000000 << 0xA4A4A4 << "0,0,0";
        QTest::newRow("high byte dropped") << 0x01102030 << 0xB4C4D4 << "48,32,16";
    }

    void lightenColor()
    {
        QFETCH(int, color);
        int r = 0, g = 0, b = 0;
        QString text;
        ColorToRGBText(color, r, g, b, text);
        QTEST(text, "rgb");
        const TColor lighter = LightenColor(color);
        QTEST(lighter, "lighter");
        const int channels[] = {r, g, b};
        for (int i = 0; i < 3; ++i) {
            const int channel = (lighter >> (8 * i)) & 0xFF;
            QVERIFY(channel >= channels[i] && channel <= 255);
        }
    }

    void parentForm()
    {
        Dialog form;
        auto* frame = new QWidget(&form);
        auto* edit = new QLineEdit(frame);
        QCOMPARE(ParentForm(edit), &form);
        QCOMPARE(ParentForm(&form), &form);
        QCOMPARE(ParentForm(nullptr), nullptr);
        QLineEdit loose;
        QCOMPARE(ParentForm(&loose), &loose);
        QCOMPARE(TopParentForm(edit), &form);
    }

    void topParentFormInMdiFrame()
    {
        QMainWindow frame;
        auto* area = new QMdiArea;
        frame.setCentralWidget(area);
        auto* window = new Dialog;
        auto* edit = new QLineEdit(new QWidget(window));
        area->addSubWindow(window);
        QCOMPARE(TopParentForm(edit), window);
        QCOMPARE(ParentForm(edit), window);
        QCOMPARE(TopParentForm(area), nullptr);

        // A child window that is a plain widget is still the form of its controls.
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
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
