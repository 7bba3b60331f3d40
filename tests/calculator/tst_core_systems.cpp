// Number systems and decimal places of the calculator core: keys, lists and currency panel.
#include "tests/calculator/CoreScript.h"
#include "platform/Error.h"
#include <QSignalSpy>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

namespace {

struct CurrencyHost : RechnerHost {
    QList<CurrencyEntry> currencies{{QStringLiteral("Deutsche Mark"), QStringLiteral("DM"), QStringLiteral("1,00000")},
                                    {QStringLiteral("Euro"), QStringLiteral("€"), QStringLiteral("1,95583")}};
    bool currencyAt(int index, CurrencyEntry& e) override
    {
        if (index < 0 || index >= currencies.size())
            return false;
        e = currencies[index];
        return true;
    }
};

// Digit keys as "caption" or "-" when disabled, from B0 to B9.
QString digitKeys(const RechnerCore& core)
{
    QStringList keys;
    for (int k = RechnerCore::B0; k <= RechnerCore::B9; ++k) {
        const auto& state = core.key(RechnerCore::Key(k));
        keys << (state.enabled ? state.caption : QStringLiteral("-"));
    }
    return keys.join(QLatin1Char(' '));
}

} // namespace

class TestCoreSystems : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }

    void digitKeysPerSystem_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("digits");
        QTest::newRow("binary") << 2 << "0 1 - - - - - - - -";
        QTest::newRow("date") << -2 << "0 1 2 3 4 5 6 7 8 9";
        QTest::newRow("roman") << -1 << "- I - - L X V M D C";
    }
    void digitKeysPerSystem()
    {
        QFETCH(int, system);
        RechnerCore core;
        chooseSystem(core, system);
        QTEST(digitKeys(core), "digits");
        chooseSystem(core, 10);
        QCOMPARE(digitKeys(core), QStringLiteral("0 1 2 3 4 5 6 7 8 9"));
    }

    void decimalModePerSystem_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<bool>("commaShown");
        QTest::addColumn<bool>("timesEnabled");
        QTest::newRow("decimal") << 10 << true << true << true;
        QTest::newRow("currency") << -4 << true << true << true;
        QTest::newRow("hex") << 16 << false << true << true;
        QTest::newRow("date") << -2 << false << false << false;
        QTest::newRow("time") << -3 << false << true << true;
    }
    void decimalModePerSystem()
    {
        QFETCH(int, system);
        QFETCH(bool, decimal);
        CurrencyHost host;
        RechnerCore core;
        core.setHost(&host);
        core.SetNK(2);
        chooseSystem(core, system);
        QCOMPARE(core.DezStEnabled, decimal);
        QCOMPARE(core.WinkelVisible, decimal);
        QCOMPARE(core.FNK, decimal ? 2 : 0);
        for (auto k : {RechnerCore::BSin, RechnerCore::BFak, RechnerCore::BWurzel, RechnerCore::BPi})
            QCOMPARE(core.key(k).enabled, decimal);
        QTEST(core.keyShown(RechnerCore::BKom), "commaShown");
        QCOMPARE(core.keyShown(RechnerCore::BPunkt), system == -2);
        QTEST(core.key(RechnerCore::BMult).enabled, "timesEnabled");
        chooseSystem(core, 10);
        QCOMPARE(core.FNK, 2); // the places come back with the decimal system
        QCOMPARE(core.DezStIndex, 3);
    }

    // In the time system the separator key types ":" in a duration and the decimal separator
    // in the number that multiplies or divides it; "mod" is off there.
    void separatorKeyInTime_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("modOn");
        QTest::newRow("duration") << -3 << "" << ":" << false;
        QTest::newRow("factor") << -3 << "1:30 ×" << "," << false;
        QTest::newRow("divisor") << -3 << "1:30 ÷" << "," << false;
        QTest::newRow("after the result") << -3 << "1:30 × 2 =" << ":" << false;
        QTest::newRow("back in decimal") << 10 << "" << "," << true;
    }
    void separatorKeyInTime()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        RechnerCore core;
        chooseSystem(core, -3);
        chooseSystem(core, system);
        press(core, keys);
        QTEST(core.key(RechnerCore::BKom).caption, "caption");
        QVERIFY(core.key(RechnerCore::BKom).enabled);
        QTEST(core.key(RechnerCore::BMod).enabled, "modOn");
    }

    // Keys a system cannot use stay off whatever is typed, cleared or computed in it.
    void systemKeysStayOff_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("flags"); // sin cos tan cot 1/x Pi log ln % and the comma
        const QString off = QStringLiteral("0000000000"), on = QStringLiteral("1111111111");
        QTest::newRow("hex digits") << 16 << "1 E" << off;
        QTest::newRow("hex operator") << 16 << "1 +" << off;
        QTest::newRow("hex CE") << 16 << "1 E CE" << off;
        QTest::newRow("hex backspace") << 16 << "1 E <" << off;
        QTest::newRow("hex clear all") << 16 << "1 + CA" << off;
        QTest::newRow("roman result") << -1 << "X + V =" << off;
        QTest::newRow("decimal operator") << 10 << "1 +" << on;
        QTest::newRow("decimal backspace over comma") << 10 << "1,5 < <" << on;
        QTest::newRow("currency operator") << -4 << "1,5 +" << on;
        QTest::newRow("time: separator key only") << -3 << "1:30 + 1,5 CE" << QStringLiteral("0000000001");
    }
    void systemKeysStayOff()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        CurrencyHost host;
        RechnerCore core;
        core.setHost(&host);
        chooseSystem(core, system);
        press(core, keys);
        QString flags;
        for (auto k : {RechnerCore::BSin, RechnerCore::BCos, RechnerCore::BTan, RechnerCore::BCot, RechnerCore::B1divX,
                       RechnerCore::BPi, RechnerCore::BLog, RechnerCore::BLogn, RechnerCore::BProz, RechnerCore::BKom})
            flags += core.key(k).enabled ? QLatin1Char('1') : QLatin1Char('0');
        QTEST(flags, "flags");
    }

    void placesAndPattern_data()
    {
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("listIndex");
        QTest::newRow("general") << -1 << "3,33333333333333" << 0;
        QTest::newRow("integers") << 0 << "3" << 1;
        QTest::newRow("two") << 2 << "3,33" << 3;
        QTest::newRow("six, not listed") << 6 << "3,333333" << -1;
        QTest::newRow("nine, at most eight") << 9 << "3,33333333" << -1;
    }
    void placesAndPattern()
    {
        QFETCH(int, places);
        RechnerCore core;
        core.SetNK(places);
        QTEST(core.DezStIndex, "listIndex");
        press(core, QStringLiteral("10 ÷ 3 ="));
        QTEST(core.EAnzeige, "shown");
    }

    void unlistedPlacesReadBackAsGeneral()
    {
        RechnerCore core;
        core.SetNK(6);
        core.SystChange();
        QCOMPARE(core.FNK, -2);
        press(core, QStringLiteral("10 ÷ 3 ="));
        QCOMPARE(core.EAnzeige, QStringLiteral("3,33333333333333"));
        core.DezStSelected(3);
        QCOMPARE(core.FNK, 2);
        QCOMPARE(core.FFormat, QStringLiteral("0.00"));
    }

    void mainSystemsOnly()
    {
        RechnerCore core;
        QCOMPARE(core.SystItems.size(), 35);
        QCOMPARE(core.SystItems[core.SystIndex], QStringLiteral("10"));
        core.mNurHauptSystemeClick();
        QCOMPARE(core.SystItems, (QStringList{"2", "4", "8", "10", "16", "32", "Römisch", "Datum", "Zeit", "Währung"}));
        QCOMPARE(core.SystItems[core.SystIndex], QStringLiteral("10"));
        core.SetSystem(5); // missing from the list: the selection stays
        QCOMPARE(core.FSystem, 5);
        QCOMPARE(core.SystItems[core.SystIndex], QStringLiteral("10"));
        core.SystChange();
        QCOMPARE(core.FSystem, 10);
    }

    void currencyCalculation()
    {
        CurrencyHost host;
        RechnerCore core;
        core.setHost(&host);
        QSignalSpy popup(&core, &RechnerCore::currencyPopupRequested);
        chooseSystem(core, -4);
        QCOMPARE(popup.count(), 1);
        QVERIFY(core.PnlWaehrung.visible);
        QCOMPARE(core.PnlWaehrung.caption, QStringLiteral("DM  (1,00000)"));
        QCOMPARE(core.PnlWaehrung.hint, QStringLiteral("Deutsche Mark"));
        press(core, QStringLiteral("100 + 50 × 2 ="));
        QCOMPARE(tape(core), QStringLiteral("100 DM+ | 50 DM× | 2= | 300 DM*"));

        core.SelectCurrency(1);
        QCOMPARE(core.PnlWaehrung.caption, QStringLiteral("€  (1,95583)"));
        press(core, QStringLiteral("1.2.2020 + 30 ="));
        QCOMPARE(core.FSystem, -4); // the date calculation returns to the currency
        QCOMPARE(core.PnlWaehrung.Tag, 1);
        QCOMPARE(core.PnlWaehrung.caption, QStringLiteral("€  (1,95583)"));
        QCOMPARE(popup.count(), 1);

        chooseSystem(core, 10);
        QVERIFY(!core.PnlWaehrung.visible);
        QCOMPARE(core.PnlWaehrung.Tag, -1);
        try {
            core.SelectCurrency(5);
            QFAIL("no error");
        } catch (const Error&) {
            QCOMPARE(core.PnlWaehrung.Tag, 5);
        }
    }

    // The shown value goes along a change between "Zeit" and decimal and is computed on in the
    // new system; a duration goes into no other system. "z" is the time system's key.
    void durationAndDecimal_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");   // "z" first: the time system for one calculation
        QTest::addColumn<QString>("chosen"); // an item of the system list, or "z"
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("display"); // after × 2 =
        QTest::newRow("1:30 to decimal") << -3 << "1:30 =" << "10" << "1,5" << "3";
        QTest::newRow("2,25 to Zeit") << 10 << "2,25 =" << "Zeit" << "2:15" << "4:30";
        QTest::newRow("2,25 to Zeit by key") << 10 << "2,25 =" << "z" << "2:15" << "4:30";
        QTest::newRow("shown after a switch, to decimal") << 10 << "z 1:30 + 1 =" << "10" << "2,5" << "5";
        QTest::newRow("1:30 to currency") << -3 << "1:30 =" << "Währung" << "" << "2";
        QTest::newRow("1:30 to hex") << -3 << "1:30 =" << "16" << "" << "0";
        QTest::newRow("1:30 to roman") << -3 << "1:30 =" << "Römisch" << "" << "";
    }
    void durationAndDecimal()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        QFETCH(QString, chosen);
        MarkHost host;
        RechnerCore core;
        core.setHost(&host);
        chooseSystem(core, system);
        if (keys.startsWith(QLatin1String("z ")))
            core.FormKeyPress('z', false, false);
        press(core, keys.remove(QLatin1Char('z')));
        if (chosen == QLatin1String("z"))
            core.FormKeyPress('z', false, false);
        else
            core.SystSelected(int(core.SystItems.indexOf(chosen)));
        QTEST(core.EAnzeige, "shown");
        press(core, QStringLiteral("× 2 ="));
        QTEST(core.EAnzeige, "display");
    }

    void userChoiceEndsAutomaticSwitch()
    {
        RechnerCore core;
        press(core, QStringLiteral("1.2.2020 +"));
        QCOMPARE(core.FSystem, -2);
        chooseSystem(core, -1);
        press(core, QStringLiteral("X + V ="));
        QCOMPARE(core.FSystem, -1);
        QCOMPARE(core.EAnzeige, QStringLiteral("XV"));
    }
};

QTEST_GUILESS_MAIN(TestCoreSystems)
#include "tst_core_systems.moc"
