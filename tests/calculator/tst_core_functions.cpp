// Function keys and integer lists of the calculator core.
#include "tests/calculator/CoreScript.h"
#include "platform/Error.h"
#include "platform/Prompter.h"
#include <QTest>

using namespace vdl;
using namespace vdl::test;

class TestCoreFunctions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }

    void functions_data()
    {
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("tapeText");

        QTest::newRow("sin deg 2 places") << 2 << 1 << "30 [BSin]" << "0,50" << "sin(30,00 Deg)= | 0,50*";
        QTest::newRow("cos 90 deg 2 places") << 2 << 1 << "90 [BCos]" << "0,00" << "cos(90,00 Deg)= | 0,00*";
        QTest::newRow("tan grad") << -1 << 2 << "50 [BTan]" << "1" << "tan(50 Grad)= | 1*";
        QTest::newRow("cot rad") << 4 << 0 << "1 [BCot]" << "0,6421" << "cot(1,0000 Rad)= | 0,6421*";
        QTest::newRow("cos of 0 does nothing") << -1 << 0 << "0 [BCos]" << "0" << "";
        QTest::newRow("ln") << -1 << 0 << "100 [BLogn]" << "4,60517018598809" << "ln(100)= | 4,60517018598809*";
        QTest::newRow("function of last result") << -1 << 0 << "50 + 50 = [BLog]" << "2"
                                                 << "50+ | 50= | 100* | log(100)= | 2*";
        QTest::newRow("reciprocal rounded") << 2 << 0 << "3 [B1divX]" << "0,33" << "";
        QTest::newRow("pi times 2") << -1 << 0 << "[BPi] × 2 =" << "" << "3,14159265359× | 2= | 6,28318530718*";
        QTest::newRow("factorial key truncates") << -1 << 0 << "5,7 [BFak]" << "" << "5! | = | 120*";
        QTest::newRow("factorial key 2 places") << 2 << 0 << "5 [BFak]" << "" << "5,00! | = | 120,00*";
        QTest::newRow("function result is operand") << -1 << 1 << "2 + 30 [BSin] =" << "" << "2+ | sin(30 Deg)= | 0,5* | 0,5= | 2,5*";
    }
    void functions()
    {
        QFETCH(int, places);
        QFETCH(int, angle);
        QFETCH(QString, keys);
        RechnerCore core;
        core.SetNK(places);
        core.WinkelSelected(angle);
        press(core, keys);
        QTEST(core.Eingabe, "entry");
        QTEST(tape(core), "tapeText");
    }

    void functionKeepsCalculation()
    {
        RechnerCore core;
        core.WinkelSelected(1);
        press(core, QStringLiteral("10 × 30 [BSin]"));
        QCOMPARE(core.EAnzeige, QStringLiteral("0,5"));
        QCOMPARE(core.EingabeOp, QString(QChar(0xD7)));
        QCOMPARE(double(core.FAkku), 10.0);
        QCOMPARE(core.FPosten, 0); // the result line resets the count
        press(core, QStringLiteral("2"));
        QCOMPARE(core.Eingabe, QStringLiteral("2"));
        QCOMPARE(core.WinkelHint, QStringLiteral("Grad: ¼ Kreis = 90°"));
    }

    void logOfNegativeFails()
    {
        RechnerCore core;
        press(core, QStringLiteral("0 - 5 ="));
        const QString tapeBefore = tape(core);
        QVERIFY_THROWS_EXCEPTION(FloatError, core.BLogClick());
        QCOMPARE(tape(core), tapeBefore);
    }

    void integerLists_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("tapeText");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("entryAfter");
        const QString noList = QStringLiteral("Die Eingabe muss mehrere Zahlen, getrennt durch \";\" enthalten!");
        const QString negative = QStringLiteral("Es dürfen keine negativen Zahlen enthalten sein!");
        QTest::newRow("ggT") << "12;18" << "BggT" << "ggT(12;18) = 6 " << "" << "";
        QTest::newRow("kgV") << "12;18" << "Bkgv" << "kgV(12;18) = 36 " << "" << "";
        QTest::newRow("ggT zero inside") << "12;0;18" << "BggT" << "ggT(12;0;18) = 6 " << "" << "";
        QTest::newRow("ggT zero last") << "12;18;0" << "BggT" << "ggT(12;18;0) = 6 " << "" << "";
        QTest::newRow("ggT only zeros") << "0;0" << "BggT" << "ggT(0;0) = 0 " << "" << "";
        QTest::newRow("ggT negative") << "-4;6" << "BggT" << "" << negative << "-4;6";
        QTest::newRow("kgV negative skipped") << "-4;6" << "Bkgv" << "kgV(-4;6) = 6 " << "" << "";
        QTest::newRow("kgV only zeros") << "0;-3" << "Bkgv" << "kgV(0;-3) = 0 " << "" << "";
        QTest::newRow("comma splits") << "12,5;3" << "BggT" << "ggT(12;5;3) = 1 " << "" << "";
        QTest::newRow("no list") << "12" << "BggT" << "" << noList << "";
        // Items and results are 64-bit integers; beyond that the entry stays.
        const QString tooLarge = QStringLiteral("Das Ergebnis ist zu groß!");
        QTest::newRow("kgV beyond 32 bits") << "2147483647;2147483646" << "Bkgv"
                                            << "kgV(2147483647;2147483646) = 4611686011984936962 " << "" << "";
        QTest::newRow("kgV item beyond 32 bits") << "3000000000;2" << "Bkgv" << "kgV(3000000000;2) = 3000000000 "
                                                 << "" << "";
        QTest::newRow("ggT items beyond 32 bits") << "6000000000;4000000000" << "BggT"
                                                  << "ggT(6000000000;4000000000) = 2000000000 " << "" << "";
        QTest::newRow("largest item") << "9223372036854775807;1" << "Bkgv" << "kgV(9223372036854775807;1) = 9223372036854775807 "
                                      << "" << "";
        QTest::newRow("kgV beyond 64 bits") << "9223372036854775807;2" << "Bkgv" << "" << tooLarge
                                            << "9223372036854775807;2";
        QTest::newRow("item beyond 64 bits") << "9223372036854775808;2" << "BggT" << "" << tooLarge
                                             << "9223372036854775808;2";
        QTest::newRow("negative item beyond 64 bits") << "-9223372036854775809;2" << "Bkgv" << "" << tooLarge
                                                      << "-9223372036854775809;2";
        QTest::newRow("smallest item skipped") << "-9223372036854775808;4" << "Bkgv"
                                               << "kgV(-9223372036854775808;4) = 4 " << "" << "";
        QTest::newRow("unreadable item counts 0") << "x9;6" << "BggT" << "ggT(x9;6) = 6 " << "" << "";
    }
    void integerLists()
    {
        QFETCH(QString, entry);
        QFETCH(QString, key);
        QFETCH(QString, message);
        ScriptedPrompter prompter;
        RechnerCore core;
        core.Eingabe = entry; // a typed '-' would be an operator
        core.ButtonClick(RechnerCore::Key(RechnerCore::keyByName(key)));
        QTEST(tape(core), "tapeText");
        QTEST(core.Eingabe, "entryAfter");
        QCOMPARE(core.FPosten, 0);
        if (message.isEmpty()) {
            QVERIFY(prompter.calls.isEmpty());
        } else {
            QCOMPARE(prompter.calls.size(), 1);
            QCOMPARE(prompter.calls[0].text, message);
            QCOMPARE(prompter.calls[0].caption, QStringLiteral("Warnung"));
            QCOMPARE(prompter.calls[0].flags, mb::IconError);
        }
    }
};

QTEST_GUILESS_MAIN(TestCoreFunctions)
#include "tst_core_functions.moc"
