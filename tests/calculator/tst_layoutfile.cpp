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
        QTest::newRow("empty line") << head + "\n" << 20 << "'' ist kein gültiger Integerwert" << QStringList{""};
        QTest::newRow("top") << head + "R|0|x" << 21 << "'x' ist kein gültiger Integerwert" << QStringList{"R"};
        QTest::newRow("system of the second") << head + good + "R2|0|0|Hex|-1|Rechner" << 22
                                              << "'Hex' ist kein gültiger Integerwert" << QStringList{"R1", "R2"};
        QTest::newRow("places") << head + "R|0|0|10||Rechner" << 25 << "'' ist kein gültiger Integerwert" << QStringList{"R"};
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

    // Fields missing at the end of a line: no link, no transfer, items not counted, no angle,
    // and the two options that tick unless "0" ticked. A link without its flag loses a letter.
    void shortLine()
    {
        const LayoutRead read = readLayout(file("1|2|3|4\nR|1|2|16|0|Speicher\nS|1|2|16|0|Speicher||Rechner1"));
        const LayoutWindow& w = read.Windows[0];
        QCOMPARE(QList<bool>({w.Auto, w.Posten, w.Minuswerte, w.NurHauptSysteme}), QList<bool>({false, false, true, true}));
        QCOMPARE(w.Link, QString());
        QCOMPARE(w.Winkel, -1);
        QCOMPARE(read.Windows[1].Link, QStringLiteral("Rechner"));
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
