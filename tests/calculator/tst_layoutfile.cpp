// Layout files as bytes: the step a broken file fails at, fields missing at a line's end, and
// names a file cannot carry. In the texts below "|" stands for the field separator "-ßß-".
#include "calculator/LayoutFile.h"
#include "platform/Cp1252.h"
#include <QTest>

using namespace vdl;

namespace {
QByteArray file(const QString& text)
{
    return Cp1252::encode(QString(text).replace(QLatin1Char('|'), QStringLiteral("-ßß-")));
}
} // namespace

class TestLayoutFile : public QObject {
    Q_OBJECT
private slots:
    void errorSteps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("windows"); // names of the windows read
        const QString head = QStringLiteral("1|2|3|4\n");
        const QString good = QStringLiteral("R1|0|0|10|-1|Rechner|0|(kein Speicher)|0|0|0|-1|0\n");
        QTest::newRow("empty file") << "" << 6 << "Einstellungen fehlerhaft" << QStringList();
        QTest::newRow("two header fields") << "1|2\r\n" << 6 << "Einstellungen fehlerhaft" << QStringList();
        QTest::newRow("left") << "a|2|3|4" << 7 << "'a' ist kein gültiger Integerwert" << QStringList();
        QTest::newRow("width") << "1|2|3,5|4" << 9 << "'3,5' ist kein gültiger Integerwert" << QStringList();
        QTest::newRow("three header fields") << "1|2|3" << 10 << "Listenindex überschreitet das Maximum (3)" << QStringList();
        QTest::newRow("empty line") << head + "\n" << 15 << "Zeile 2 endet vorzeitig" << QStringList();
        QTest::newRow("top") << head + "R|0|x|10|-1|Rechner|" << 21 << "'x' ist kein gültiger Integerwert" << QStringList{"R"};
        QTest::newRow("system of the second") << head + good + "R2|0|0|Hex|-1|Rechner|" << 22
                                              << "'Hex' ist kein gültiger Integerwert" << QStringList{"R1", "R2"};
        QTest::newRow("places") << head + "R|0|0|10||Rechner|" << 25 << "'' ist kein gültiger Integerwert" << QStringList{"R"};
        QTest::newRow("lines ended by LF alone") << head + good + good << 0 << "" << QStringList{"R1", "R1"};
        QTest::newRow("angle and currency no numbers") << head + "R|0|0|-4|2|Rechner|0|(kein Speicher)|0|x|0|y|0" << 0 << ""
                                                       << QStringList{"R"};
    }
    void errorSteps()
    {
        QFETCH(QString, text);
        QFETCH(int, step);
        QFETCH(QString, error);
        QFETCH(QStringList, windows);
        const LayoutRead read = readLayout(file(text));
        QCOMPARE(read.FailedStep, step);
        QCOMPARE(read.Error, error);
        QStringList names;
        for (const LayoutWindow& w : read.Windows)
            names << w.Name;
        QCOMPARE(names, windows);
        if (step)
            QCOMPARE(read.errorMessage(), QStringLiteral("Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: %1\r\n%2")
                                              .arg(step).arg(error));
    }

    // A line that ends before its last field fails the step that reads the field it ends
    // in, and gives that field and the ones after it their defaults, or no window when it
    // ends before its type is whole ("first" empty); empty fields inside a whole line stay as
    // they read. Blanks around names are no part of them.
    void cutLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("first"); // name, link, then transfer, items, angle, red, main systems
        QTest::newRow("inside the link name") << "R|0|0|10|-1|Rechner|1|Speic" << 26 << "R//0 0 0 0 0";
        QTest::newRow("inside the name") << "Rech" << 15 << "";
        QTest::newRow("inside Left") << "R|4" << 20 << "";
        QTest::newRow("inside Top") << "R|40|4" << 21 << "";
        QTest::newRow("inside the system") << "Q|40|40|1" << 22 << "";
        QTest::newRow("inside the places") << "R|1|2|-4|-" << 25 << "";
        QTest::newRow("inside the type") << "Q|40|40|10|-1|Spei" << 15 << "";
        QTest::newRow("after the type") << "R|1|2|16|0|Speicher" << 15 << "";
        QTest::newRow("currency, after the type") << "R|0|0|-4|-1|Rechner|" << 26 << "R//0 0 0 0 0";
        QTest::newRow("after the link") << "R|0|0|10|-1|Rechner|1|S2|" << 27 << "R/S2/1 0 0 0 0";
        QTest::newRow("inside the angle") << "R|0|0|10|-1|Rechner|1|S2|1|1" << 28 << "R/S2/1 1 0 0 0";
        QTest::newRow("after red") << "R|0|0|10|-1|Rechner|1|S2|1|1|1|" << 31 << "R/S2/1 1 1 1 0";
        QTest::newRow("last field empty") << "R|0|0|10|-1|Rechner|1|S2|1|1|1|-1|" << 31 << "R/S2/1 1 1 1 0";
        QTest::newRow("currency cut") << "R|0|0|-4|-1|Rechner|1|S2|1|1|1|1" << 24 << "R//0 0 0 0 0";
        QTest::newRow("whole, empty flags") << "S|1|2|16|0|Speicher||Rechner1||x|||7" << 0 << "S/Rechner/1 0 -1 1 1";
        QTest::newRow("padded names") << " \tKasse |0|0|10|-1|Rechner|1|  S2 |0|0|0|-1|0" << 0 << "Kasse/S2/1 0 0 0 0";
    }
    void cutLines()
    {
        QFETCH(QString, text);
        QFETCH(int, step);
        const LayoutRead read = readLayout(file("1|2|3|4\r\n" + text + "\r\n" + text));
        QCOMPARE(read.FailedStep, step);
        QFETCH(QString, first);
        QCOMPARE(read.Windows.size(), first.isEmpty() ? 0 : step ? 1 : 2);
        if (step)
            QCOMPARE(read.errorMessage(), QStringLiteral("Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: %1\r\n"
                                                         "Zeile 2 endet vorzeitig").arg(step));
        if (first.isEmpty())
            return;
        const LayoutWindow& w = read.Windows[0];
        QCOMPARE(QStringLiteral("%1/%2/%3 %4 %5 %6 %7")
                  .arg(w.Name, w.Link)
                  .arg(int(w.Auto))
                  .arg(int(w.Posten))
                  .arg(w.Winkel)
                  .arg(int(w.Minuswerte))
                  .arg(int(w.NurHauptSysteme)),
                 first);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("held");
        QTest::newRow("umlauts and euro") << "Kasse Ä€" << true;
        QTest::newRow("ends in -ß") << "A-ß" << true;
        QTest::newRow("ends in -ßß") << "A-ßß" << false;
        QTest::newRow("separator inside") << "A-ßß-B" << false;
        QTest::newRow("no-link text") << "(KEIN speicher)" << false;
        QTest::newRow("line break") << "A\nB" << false;
        QTest::newRow("outside the code page") << "A√" << false;
    }
    // A name the file cannot carry unchanged is refused, never written as other windows.
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, held);
        QCOMPARE(LayoutCanHold(name), held);
        LayoutWindow w;
        w.Name = QStringLiteral("R");
        w.Link = name;
        QByteArray bytes;
        QCOMPARE(layoutFileBytes({}, {w}, bytes), held);
        if (held)
            QCOMPARE(readLayout(bytes).Windows[0].Link, name);
    }
};

QTEST_GUILESS_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
