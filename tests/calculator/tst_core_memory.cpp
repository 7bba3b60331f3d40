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
        // M+ and M- read the value in the window's own system and convert it from there.
        QTest::newRow("hex into decimal") << 16 << "10" << 10 << "" << "+" << "16" << "16+" << "10";
        QTest::newRow("hex letters into decimal") << 16 << "FF" << 10 << "" << "+" << "255" << "255+" << "FF";
        QTest::newRow("hex result into binary") << 16 << "F + 1 =" << 2 << "" << "+" << "10000" << "10000+" << "";
        QTest::newRow("negative hex result M-") << 16 << "1 - 11 =" << 10 << "20 +" << "-" << "36"
                                                << "20+ | 16+" << "";
        QTest::newRow("roman into decimal") << -1 << "XII" << 10 << "" << "+" << "12" << "12+" << "XII";
        QTest::newRow("day count into decimal") << 10 << "15.3.2020 - 1.3.2020 =" << 10 << "" << "+" << "14"
                                                << "14+" << "";
        QTest::newRow("day count into a date memory") << 10 << "15.3.2020 - 1.3.2020 =" << -2 << "" << "+"
                                                      << "14Tage" << "14 Tage+" << "";
        QTest::newRow("date into decimal") << -2 << "1.1.2000" << 10 << "" << "+" << "36526" << "36526+"
                                           << "1.1.2000";
        QTest::newRow("currency at its rate") << -4 << "100" << 10 << "" << "+" << "195,583" << "195,583+" << "100";
        QTest::newRow("duration into decimal") << -3 << "1:30" << 10 << "" << "+" << "1,5" << "1,5+" << "1:30";
        QTest::newRow("decimal into a duration") << 10 << "1,5" << -3 << "" << "+" << "1:30" << "1:30+" << "1,5";
        QTest::newRow("duration M- into a duration") << -3 << "0:45" << -3 << "2 +" << "-" << "1:15"
                                                     << "2:00+ | 0:45+" << "0:45";
        QTest::newRow("binary into a duration") << 2 << "11" << -3 << "" << "+" << "3:00" << "3:00+" << "11";
        // A zero arrives in a base as "0"; a duration goes into roman numerals cut, as everywhere.
        QTest::newRow("zero into a hex memory") << 10 << "5 - 5 =" << 16 << "" << "+" << "0" << "0+" << "";
        QTest::newRow("hex zero into binary") << 16 << "A - A =" << 2 << "" << "+" << "0" << "0+" << "";
        QTest::newRow("binary fraction into base 32") << 2 << "1 ÷ 11 =" << 32 << "" << "+" << "0" << "0+" << "";
        QTest::newRow("1:30 into roman") << -3 << "1:30" << -1 << "" << "+" << "I" << "I+" << "1:30";
        QTest::newRow("3:30 into roman") << -3 << "3:30" << -1 << "" << "+" << "III" << "III+" << "3:30";
        QTest::newRow("1:30 into hex") << -3 << "1:30" << 16 << "" << "+" << "1" << "1+" << "1:30";
        QTest::newRow("1,5 into roman") << 10 << "1,5" << -1 << "" << "+" << "I" << "I+" << "1,5";
        QTest::newRow("MR of a duration into decimal") << 10 << "" << -3 << "1:30 =" << "R" << "1:30"
                                                       << "1:30= | 1:30*" << "1,5";
    }
    void memoryKeys()
    {
        QFETCH(int, windowSystem);
        QFETCH(QString, windowKeys);
        QFETCH(int, memorySystem);
        QFETCH(QString, memoryKeys);
        QFETCH(QString, ops);
        ScriptedPrompter prompter;
        MarkHost host; // a currency window shows a currency
        RechnerCore window, memory;
        window.setHost(&host);
        memory.SetTyp(QStringLiteral("Speicher"));
        chooseSystem(window, windowSystem);
        chooseSystem(memory, memorySystem);
        press(window, windowKeys);
        press(memory, memoryKeys);
        // The window's currency is worth 1,95583 of the reference currency, the memory's 1.
        const RateReader windowRate = [] { return 1.95583L; };
        const RateReader memoryRate = [] { return 1.0L; };
        for (QChar op : ops)
            MemoryKey(window, memory, op, windowRate, memoryRate);
        QTEST(memory.EAnzeige, "memoryShows");
        QTEST(tape(memory), "memoryTape");
        QTEST(window.Eingabe, "windowEntry");
        QCOMPARE(prompter.messages(), QStringList());
    }

    // What M+ cannot send: an entry its own system refuses, a value with no place in the memory's.
    void memoryKeysRefused_data()
    {
        QTest::addColumn<int>("windowSystem");
        QTest::addColumn<QString>("windowKeys");
        QTest::addColumn<int>("memorySystem");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("windowEntry");
        const QString invalid = QStringLiteral("Der Eingabewert ist ungültig!");
        const QString unconvertible = QStringLiteral("Der Wert ist nicht umsetzbar!");
        QTest::newRow("duration into a date") << -3 << "1:30" << -2 << unconvertible << "Warnung" << "1:30";
        QTest::newRow("date into a duration") << -2 << "1.3.2020" << -3 << unconvertible << "Warnung" << "1.3.2020";
        QTest::newRow("minutes above 59") << -3 << "1:75" << 10 << invalid << "Fehler" << "";
        QTest::newRow("no decimal number") << 10 << "1,2,3" << 16 << invalid << "Fehler" << "";
    }
    void memoryKeysRefused()
    {
        QFETCH(int, windowSystem);
        QFETCH(QString, windowKeys);
        QFETCH(int, memorySystem);
        ScriptedPrompter prompter;
        RechnerCore window, memory;
        memory.SetTyp(QStringLiteral("Speicher"));
        chooseSystem(window, windowSystem);
        chooseSystem(memory, memorySystem);
        press(window, windowKeys);
        const RateReader noRate = [] { return 1.0L; };
        MemoryKey(window, memory, QStringLiteral("+"), noRate, noRate);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        QCOMPARE(prompter.messages(), QStringList{message});
        QCOMPARE(prompter.calls[0].caption, caption);
        QTEST(window.Eingabe, "windowEntry");
        QCOMPARE(tape(memory), QString()); // nothing arrived
        QCOMPARE(memory.EAnzeige, QString());
    }
};

QTEST_GUILESS_MAIN(TestCoreMemory)
#include "tst_core_memory.moc"
