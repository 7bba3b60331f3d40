#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools.h"
#include <QFile>
#include <QImage>
#include <QLineEdit>
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
    void init() { Regional::set(Regional::german()); }

    void yesNoTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("isBool");
        QTest::newRow("Ja with blanks") << "  Ja " << true << true;
        QTest::newRow("WAHR") << "WAHR" << true << true;
        QTest::newRow("nein") << "nein" << false << true;
        QTest::newRow("falsch") << "falsch" << false << true;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("maybe") << "maybe" << false << false;
    }
    void yesNoTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, yes);
        QCOMPARE(TextToBool(text), yes);
        QTEST(IsBoolText(text), "isBool");
        QCOMPARE(BoolToJaNein(yes), yes ? "Ja" : "Nein");
    }

    void indexOfValue_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Var>("value");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("index");
        const QStringList fonts{"Tahoma", "Arial", "Courier"};
        QTest::newRow("equal ignores case") << fonts << Var("arial") << 0 << 0 << 1;
        QTest::newRow("begins") << QStringList{"D:\\", "C:\\DATEN"} << Var("c:") << 1 << 0 << 1;
        QTest::newRow("contains") << fonts << Var("OURI") << 2 << 0 << 2;
        QTest::newRow("ends") << fonts << Var("MA") << 3 << 0 << 0;
        QTest::newRow("word after blank") << QStringList{"foobar", "foo bar"} << Var("bar") << 4 << 0 << 1;
        QTest::newRow("no word start") << QStringList{"foobar"} << Var("bar") << 4 << 0 << -1;
        QTest::newRow("second occurrence") << QStringList{"xbar/bar"} << Var("BAR") << 4 << 0 << 0;
        QTest::newRow("umlaut") << QStringList{"Straße", "GRÖßE"} << Var("größe") << 0 << 0 << 1;
        QTest::newRow("negative start") << fonts << Var("tahoma") << 0 << -5 << 0;
        QTest::newRow("start at count") << fonts << Var("courier") << 0 << 3 << -1;
        QTest::newRow("float value") << fonts << Var(1.0) << 0 << 0 << -1;
        QTest::newRow("integer finds object") << fonts << Var(20) << 0 << 0 << 2;
    }
    void indexOfValue()
    {
        QFETCH(QStringList, items);
        QFETCH(Var, value);
        QFETCH(int, mode);
        QFETCH(int, start);
        QFETCH(int, index);
        StringList list;
        for (int i = 0; i < items.size(); ++i)
            list.add(items[i], i * 10);
        QCOMPARE(IndexOfValue(list, value, mode, start), index);
        QCOMPARE(FindInList(&list, value, mode, start), index);
        QCOMPARE(FindInList(list, value, mode, start), index);
        QCOMPARE(FindInList(nullptr, value, mode, start), -1);
    }

    void rectTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Rect>("rect");
        QTest::newRow("four parts") << "10,20,300,400" << true << Rect{10, 20, 300, 400};
        QTest::newRow("three parts") << "10,20,300" << false << Rect{7, 7, 7, 7};
        QTest::newRow("not a number") << "1,2,x,4" << true << Rect{1, 2, 0, 4};
        QTest::newRow("further parts ignored") << "1,2,3,4,x" << true << Rect{1, 2, 3, 4};
    }
    void rectTexts()
    {
        QFETCH(QString, text);
        Rect r{7, 7, 7, 7};
        QTEST(StrToRect(text, r), "ok");
        QTEST(r, "rect");
        QCOMPARE(RectToStr(Rect{10, 20, 300, 400}), "10,20,300,400");
        // Right and bottom lie outside the rectangle: 300 - 10 pixels wide.
        QCOMPARE(Rect({10, 20, 300, 400}).toQRect(), QRect(10, 20, 290, 380));
        QCOMPARE(Rect::fromQRect(QRect(10, 20, 290, 380)), Rect({10, 20, 300, 400}));
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
        QTest::addColumn<bool>("thousands");
        QTest::addColumn<bool>("decimalPoint"); // regional '.' instead of ','
        QTest::addColumn<QString>("shown");     // '' for the error box
        QTest::newRow("implied decimals") << "12345" << 2 << false << false << "123,45";
        QTest::newRow("short whole") << "5" << 2 << false << false << "5,00";
        QTest::newRow("grouped output") << "1.234,5" << 2 << true << false << "1.234,50";
        QTest::newRow("negative") << "-12,5" << 2 << false << false << "-12,50";
        QTest::newRow("negative implied") << "-12" << 2 << false << false << "-0,12";
        QTest::newRow("no decimals") << "12345" << 0 << false << false << "12345";
        QTest::newRow("regional point") << "1,5" << 2 << false << true << "1.50";
        QTest::newRow("letter") << "12a" << 2 << false << false << "";
        QTest::newRow("both signs") << "+-5" << 2 << false << false << "";
        QTest::newRow("two marks") << "1,2,3" << 2 << false << false << "";
        QTest::newRow("lone minus") << "-" << 2 << false << false << "";
        QTest::newRow("lone comma") << "," << 2 << false << false << "";
    }
    void checkNumEdit()
    {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(bool, thousands);
        QFETCH(bool, decimalPoint);
        QFETCH(QString, shown);
        if (decimalPoint) {
            Regional r = Regional::german();
            r.decimalSeparator = QLatin1Char('.');
            r.thousandSeparator = QLatin1Char(',');
            Regional::set(r);
        }
        TestForm form;
        auto* edit = new QLineEdit(typed, &form);
        form.show();
        ScriptedPrompter prompter;
        QCOMPARE(CheckNumEdit(edit, decimals, nullptr, thousands), !shown.isEmpty());
        QCOMPARE(edit->text(), shown.isEmpty() ? typed : shown);
        if (shown.isEmpty()) {
            QCOMPARE(prompter.calls.size(), 1);
            QCOMPARE(prompter.calls[0].text, "Ungültiger Wert!");
            QCOMPARE(prompter.calls[0].caption, "Fehler");
            QCOMPARE(prompter.calls[0].flags, 16);
            QCOMPARE(edit->selectedText(), typed);
        } else {
            QVERIFY(prompter.calls.isEmpty());
        }
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

    void appendLineToFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("Protokoll.txt");
        QVERIFY(AppendLineToFile(name, "Erste Zeile"));
        QVERIFY(AppendLineToFile(name, "Größe 5 €"));
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "Erste Zeile\r\nGr\xF6\xDF" "e 5 \x80\r\n");
        QVERIFY(!AppendLineToFile(dir.filePath("fehlt/Protokoll.txt"), "x"));
    }

    void pathCombine_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("keepNamePath");
        QTest::addColumn<QString>("path"); // <tmp> stands for an existing folder
        QTest::newRow("name loses path") << R"(C:\Prog\)" << R"(D:\alt\x.txt)" << false << R"(C:\Prog\x.txt)";
        QTest::newRow("name keeps path") << R"(C:\Prog\calc.exe)" << R"(alt\x.txt)" << true << R"(C:\Prog\alt\x.txt)";
        QTest::newRow("linux program file") << "/opt/vdl/vdlRechner" << "$Zuletzt.zqe" << false
                                            << "/opt/vdl/$Zuletzt.zqe";
        QTest::newRow("existing folder") << "<tmp>/Prog" << "x.txt" << false << "<tmp>/Prog/x.txt";
    }
    void pathCombine()
    {
        QFETCH(QString, dir);
        QFETCH(QString, name);
        QFETCH(bool, keepNamePath);
        QFETCH(QString, path);
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkdir("Prog"));
        QCOMPARE(PathCombine(dir.replace("<tmp>", tmp.path()), name, keepNamePath), path.replace("<tmp>", tmp.path()));
        setExeDir(tmp.path());
        QCOMPARE(ExeDirFile(R"(C:\alt\Hilfe.htm)"), tmp.path() + "/Hilfe.htm");
        setExeDir(QString());
    }
};

QTEST_MAIN(TestMisc)
#include "tst_misc.moc"
