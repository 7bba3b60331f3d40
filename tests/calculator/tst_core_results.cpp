// Results in the general format as the display shows them, as the next step reads them and
// as a tape line gives them back, while the C library follows a German locale (as in the
// running program, where Qt hands it the user's locale), with German and English separators.
#include "tests/calculator/CoreScript.h"
#include "calculator/HistoryText.h"
#include "platform/Prompter.h"
#include <QTest>
#include <clocale>

using namespace vdl;
using namespace vdl::test;

class TestCoreResults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the locale de_DE.UTF-8 is not installed");
    }
    void cleanupTestCase() { std::setlocale(LC_ALL, ""); }

    void results_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("taken"); // the result line taken back into the entry
        QTest::addColumn<QString>("next");  // what "÷ 10 =" shows then
        const QString digits1754 = "197926189010501" + QString(4916, '0');
        QTest::newRow("10^20") << false << "10 ^ 20 =" << "1E20" << "1" + QString(20, '0') << "1E19";
        QTest::newRow("2^70") << false << "2 ^ 70 =" << "1,18059162071741E21" << "1180591620717410000000"
                              << "1,18059162071741E20";
        QTest::newRow("1/100000000000") << false << "1 ÷ 100000000000 =" << "1E-11"
                                        << "0,00000000001" << "1E-12";
        QTest::newRow("1754!") << false << "1754 !" << "1,97926189010501E4930" << digits1754
                               << "1,97926189010501E4929";
        QTest::newRow("2^70, English") << true << "2 ^ 70 =" << "1.18059162071741E21" << "1180591620717410000000"
                                       << "1.18059162071741E20";
    }
    void results()
    {
        QFETCH(bool, english);
        QFETCH(QString, keys);
        if (english)
            pinEnglish();
        else
            pinGerman();
        ScriptedPrompter prompter;
        RechnerCore core;
        press(core, keys);
        QTEST(core.EAnzeige, "display");
        press(core, "÷");
        core.takeTapeLine(core.History.last().text);
        QTEST(core.Eingabe, "taken");
        core.Eingabe.clear();
        press(core, "10 =");
        QTEST(core.EAnzeige, "next");
        QCOMPARE(prompter.messages(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCoreResults)
#include "tst_core_results.moc"
