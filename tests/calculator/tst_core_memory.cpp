// Memory keys between two window cores, with no frame or widget around them: what the memory
// shows and writes on its tape, and what MR puts into the window's entry.
#include "calculator/MemoryLink.h"
#include "platform/Prompter.h"
#include "tests/calculator/CoreScript.h"
#include <QTest>

using namespace vdl;
using namespace vdl::test;

class TestCoreMemory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }

    void memoryKeys_data()
    {
        QTest::addColumn<int>("windowSystem");
        QTest::addColumn<QString>("windowKeys");
        QTest::addColumn<int>("memorySystem");
        QTest::addColumn<QString>("memoryKeys");
        QTest::addColumn<QString>("ops"); // memory keys in turn: + - R C
        QTest::addColumn<QString>("memoryShows");
        QTest::addColumn<QString>("memoryTape");
        QTest::addColumn<QString>("windowEntry");
        QTest::newRow("M+ twice") << 10 << "12,5" << 10 << "" << "++" << "25" << "12,5+ | 12,5+" << "12,5";
        QTest::newRow("M- of a negative result adds") << 10 << "5 - 8 =" << 10 << "10 +" << "-" << "13"
                                                      << "10+ | 3+" << "";
        QTest::newRow("M+ into a binary memory") << 10 << "10" << 2 << "" << "+" << "1010" << "1010+" << "10";
        QTest::newRow("MR from a binary memory") << 10 << "" << 2 << "1000 =" << "R" << "1000" << "1000= | 1000*"
                                                 << "8";
        QTest::newRow("MR into a hexadecimal window") << 16 << "" << 10 << "255 =" << "R" << "255" << "255= | 255*"
                                                      << "FF";
        QTest::newRow("MC clears the result") << 10 << "" << 10 << "7 + 3 =" << "C" << ""
                                              << "7+ | 3= | 10* | Ergebnis gelöscht!{grün}" << "";
        QTest::newRow("M+ of nothing on an empty tape") << 10 << "" << 10 << "" << "+" << "" << "" << "";
    }
    void memoryKeys()
    {
        QFETCH(int, windowSystem);
        QFETCH(QString, windowKeys);
        QFETCH(int, memorySystem);
        QFETCH(QString, memoryKeys);
        QFETCH(QString, ops);
        ScriptedPrompter prompter;
        RechnerCore window, memory;
        memory.SetTyp(QStringLiteral("Speicher"));
        chooseSystem(window, windowSystem);
        chooseSystem(memory, memorySystem);
        press(window, windowKeys);
        press(memory, memoryKeys);
        const RateReader noRate = [] { return 1.0L; };
        for (QChar op : ops)
            MemoryKey(window, memory, op, noRate, noRate);
        QTEST(memory.EAnzeige, "memoryShows");
        QTEST(tape(memory), "memoryTape");
        QTEST(window.Eingabe, "windowEntry");
        QCOMPARE(prompter.messages(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCoreMemory)
#include "tst_core_memory.moc"
