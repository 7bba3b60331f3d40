// Tape lines written by the calculator core: item counting and resets.
#include "tests/calculator/CoreScript.h"
#include <QTest>

using namespace vdl;
using namespace vdl::test;

class TestCoreTape : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }

    void counting_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after"); // keys pressed after counting is switched on
        QTest::addColumn<QString>("tapeText");
        QTest::newRow("counted from the start") << "" << "5 + 3 = 1 +" << "1#5+ | 2#3= | 8* | 1#1+";
        QTest::newRow("switched on midway") << "5 + 3 +" << "7 +" << "5+ | 3+ | 3#7+";
        QTest::newRow("percent lines") << "" << "200 ?% 50 =" << "1#200 = 100% | 2#50 =   25%";
        QTest::newRow("line after factorial") << "" << "5 !" << "1#5! | = | 120*";
        QTest::newRow("cleared result once, resets") << "" << "5 + CA CA 2 +" << "1#5+ | Ergebnis gelöscht!{grün} | 1#2+";
        QTest::newRow("modulo") << "" << "20 mod 3 =" << "1#20÷ | 2#3= | Rest 2*";
    }
    void counting()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        RechnerCore core;
        press(core, before);
        core.mPostenZaehlenClick();
        press(core, after);
        QTEST(tape(core), "tapeText");
    }

    void clearingKeepsRunningCalculation_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("counting");
        QTest::addColumn<QString>("tapeText");
        QTest::newRow("nothing under way") << "5 + 3 =" << false << "";
        QTest::newRow("running sum") << "20 + 5 +" << false << "25+";
        QTest::newRow("running sum counted") << "20 + 5 +" << true << "3#25+";
        QTest::newRow("mod pending") << "20 mod" << false << "20÷";
        QTest::newRow("what percentage pending") << "20 ?%" << false << "20 = 100 %?%";
    }
    void clearingKeepsRunningCalculation()
    {
        QFETCH(QString, keys);
        QFETCH(bool, counting);
        RechnerCore core;
        if (counting)
            core.mPostenZaehlenClick();
        press(core, keys);
        press(core, QStringLiteral("[BHist]"));
        QTEST(tape(core), "tapeText");
    }
};

QTEST_GUILESS_MAIN(TestCoreTape)
#include "tst_core_tape.moc"
