// Input through the calculator core: typed characters, key translation, clear all and
// enabled keys (the key layers are checked on the window).
#include "tests/calculator/CoreScript.h"
#include "calculator/KeyTranslation.h"
#include "calculator/MemoryLink.h"
#include "platform/Prompter.h"
#include <QSignalSpy>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

namespace {

// Records what the core asks of the frame.
struct RecordingHost : RechnerHost {
    QStringList calls;
    bool active = false;
    bool isActiveChild(const RechnerCore&) override { return active; }
    void passToMemory(RechnerCore&, const QString& text, const QString& op) override
    {
        calls << QStringLiteral("pass %1 %2").arg(text, op);
    }
    void memoryOperation(RechnerCore&, const QString& op) override { calls << QStringLiteral("memory ") + op; }
    void passKeyToCalculators(RechnerCore&, const QString& text) override { calls << QStringLiteral("key ") + text; }
};

QString enabledKeys(const RechnerCore& core, const QStringList& names)
{
    QString flags;
    for (const QString& name : names)
        flags += core.key(RechnerCore::Key(RechnerCore::keyByName(name))).enabled ? QLatin1Char('1') : QLatin1Char('0');
    return flags;
}

} // namespace

class TestCoreInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }

    void translation_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("calculator");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("posten");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("switchTo");
        const int in = KeyAction::Input, drop = KeyAction::Drop, sw = KeyAction::SwitchSystem,
                  fwd = KeyAction::ToCalculators;
        const QString whatPct(QChar(0x80)), pctIH(QChar(0x81)), root(QChar(0xD6));
        QTest::newRow("enter") << 13 << false << false << true << 10 << 0 << in << "=" << 0;
        QTest::newRow("escape") << 27 << false << false << true << 10 << 0 << in << "\x1b" << 0;
        QTest::newRow("ctrl+c") << 3 << false << true << true << 10 << 0 << drop << "" << 0;
        QTest::newRow("shift ?") << int('?') << true << false << true << 10 << 3 << in << whatPct << 0;
        QTest::newRow("shift % at start") << int('%') << true << false << true << 10 << 0 << in << whatPct << 0;
        QTest::newRow("shift % later") << int('%') << true << false << true << 10 << 1 << in << "%" << 0;
        QTest::newRow("ctrl %") << int('%') << false << true << true << 10 << 0 << in << pctIH << 0;
        QTest::newRow("shift ctrl % later") << int('%') << true << true << true << 10 << 1 << in << pctIH << 0;
        QTest::newRow("ctrl ×") << 0xD7 << false << true << true << 10 << 0 << in << "^" << 0;
        QTest::newRow("ctrl ÷") << 0xF7 << false << true << true << 10 << 0 << in << root << 0;
        QTest::newRow("d at start") << int('d') << false << false << true << 10 << 0 << sw << "" << -2;
        QTest::newRow("R at start") << int('R') << false << false << true << 10 << 0 << sw << "" << -1;
        QTest::newRow("d later") << int('d') << false << false << true << 10 << 1 << in << "d" << 0;
        QTest::newRow("d in hex") << int('d') << false << false << true << 16 << 0 << in << "d" << 0;
        QTest::newRow("memory enter raw") << 13 << false << false << false << 10 << 0 << fwd << "\r" << 0;
        QTest::newRow("memory ctrl+b") << 2 << false << true << false << 10 << 0 << drop << "" << 0;
    }
    void translation()
    {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, ctrl);
        QFETCH(bool, calculator);
        QFETCH(int, system);
        QFETCH(int, posten);
        const KeyAction a = TranslateKey(static_cast<unsigned char>(key), shift, ctrl, calculator, system, posten);
        QTEST(int(a.kind), "kind");
        QTEST(a.text, "text");
        QTEST(a.system, "switchTo");
    }

    void typing_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("texts"); // each one InputProcessing call from the keyboard
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("commaKey");

        QTest::newRow("second comma typed") << 10 << QStringList{"12,5", ","} << "12,5," << false;
        QTest::newRow("backspace over comma") << 10 << QStringList{"12,5", "<", "<"} << "12" << true;
        QTest::newRow("backspace on empty") << 10 << QStringList{"<"} << "" << true;
        QTest::newRow("date separators") << -2 << QStringList{"1.2,"} << "1.2," << false;
        QTest::newRow("CE typed is hex digits") << 16 << QStringList{"c", "e"} << "CE" << false;
        QTest::newRow("CE from keyboard text") << 16 << QStringList{"CE"} << "CE" << false;
        QTest::newRow("invalid digits") << 8 << QStringList{"1289"} << "12" << false;
        QTest::newRow("roman letters") << -1 << QStringList{"mcxivz0"} << "MCXIV" << false;
        QTest::newRow("letters in base 32") << 32 << QStringList{"vwx"} << "V" << false;
        QTest::newRow("escape clears entry") << 10 << QStringList{"12", "\x1b"} << "" << true;
        QTest::newRow("factorial ignored in hex") << 16 << QStringList{"5!"} << "5" << false;
        QTest::newRow("comma key back in currency") << -4 << QStringList{"12,5", "\x01"} << "" << true;
        QTest::newRow("colon separates a duration") << -3 << QStringList{"1:30:15"} << "1:30:15" << true;
        QTest::newRow("no lists of durations") << -3 << QStringList{"1;2"} << "12" << true;
    }
    void typing()
    {
        QFETCH(int, system);
        QFETCH(QStringList, texts);
        MarkHost host;
        RechnerCore core;
        core.setHost(&host);
        chooseSystem(core, system);
        for (const QString& t : texts)
            core.InputProcessing(t, false);
        QTEST(core.Eingabe, "entry");
        QTEST(core.key(RechnerCore::BKom).enabled, "commaKey");
        QVERIFY(core.History.isEmpty());
    }

    void buttonsSendCommands()
    {
        RecordingHost host;
        RechnerCore core;
        core.setHost(&host);
        press(core, QStringLiteral("12 CE"));
        QCOMPARE(core.Eingabe, QString());
        press(core, QStringLiteral("M+ M- MR MC"));
        QCOMPARE(host.calls, (QStringList{"memory +", "memory -", "memory R", "memory C"}));
        core.InputProcessing(QStringLiteral("M+"), false); // typed: M is no decimal digit
        QCOMPARE(host.calls.size(), 4);
    }

    void newEntryAfterFunction()
    {
        RechnerCore core;
        core.WinkelSelected(1);
        press(core, QStringLiteral("30 [BSin]"));
        QCOMPARE(core.Eingabe, QStringLiteral("0,5"));
        core.InputProcessing(QStringLiteral("123"), false); // a tape value replaces the result
        QCOMPARE(core.Eingabe, QStringLiteral("123"));
        press(core, QStringLiteral("[BSin]"));
        core.InputProcessing(QStringLiteral("g"), false); // rejected, yet the entry starts anew
        QCOMPARE(core.Eingabe, QString());
        press(core, QStringLiteral("[BPi] 2"));
        QCOMPARE(core.Eingabe, QStringLiteral("3,141592653592"));
    }

    void clearAll()
    {
        ScriptedPrompter prompter;
        prompter.answers = {mb::IdNo, mb::IdYes};
        RechnerCore core;
        press(core, QStringLiteral("12 + 30 = 5"));
        const QString esc(QChar(0x1B));
        core.InputProcessing(esc, false); // entry only
        QCOMPARE(core.EAnzeige, QStringLiteral("42"));
        core.InputProcessing(esc, false); // clear all
        QCOMPARE(core.EAnzeige, QString());
        QCOMPARE(tape(core), QStringLiteral("12+ | 30= | 42* | Ergebnis gelöscht!{grün}"));
        core.InputProcessing(esc, false); // display empty: ask, answered No
        core.InputProcessing(QStringLiteral("y"), false); // asked again, answered Yes
        QCOMPARE(prompter.calls.size(), 2);
        QCOMPARE(prompter.calls[0].text, QStringLiteral("Soll die Historie gelöscht werden?"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Frage"));
        QCOMPARE(prompter.calls[0].flags, mb::YesNo | mb::IconQuestion);
        QCOMPARE(tape(core), QString());

        press(core, QStringLiteral("CA CA")); // from a button: always the line, but only once
        QCOMPARE(tape(core), QStringLiteral("Ergebnis gelöscht!{grün}"));
        QCOMPARE(prompter.calls.size(), 2);
    }

    void automaticTransferAndFocus()
    {
        RecordingHost host;
        RechnerCore core;
        core.setHost(&host);
        core.setAutoTransfer(true);
        QVERIFY(core.AutoPanelVisible);
        QSignalSpy focus(&core, &RechnerCore::tapeFocusRequested);
        press(core, QStringLiteral("12 + 3 ="));
        QCOMPARE(host.calls, (QStringList{"pass 12 +", "pass 3 ="}));
        QVERIFY(!core.key(RechnerCore::BProz).enabled); // typing does not bring "%" back
        QCOMPARE(focus.count(), 0);
        host.active = true;
        press(core, QStringLiteral("4"));
        QCOMPARE(focus.count(), 1);
    }

    void memoryWindowForwardsKeys()
    {
        RecordingHost host;
        RechnerCore core;
        core.setHost(&host);
        core.SetTyp(QStringLiteral("Speicher"));
        core.FormKeyPress('5', false, false);
        core.FormKeyPress(13, false, false);
        QCOMPARE(host.calls, (QStringList{"key 5", "key \r"}));
        QCOMPARE(core.Eingabe, QString());
    }

    void keyboardSwitchesSystem()
    {
        RechnerCore core;
        core.FormKeyPress('d', false, false);
        QCOMPARE(core.FSystem, -2);
        QCOMPARE(core.SystItems[core.SystIndex], QStringLiteral("Datum"));
        core.FormKeyPress('1', false, false);
        core.InputProcessing(QStringLiteral("5.3.2020+10="), false);
        QCOMPARE(core.EAnzeige, QStringLiteral("25. 03. 2020"));
        QCOMPARE(core.FSystem, 10); // back to decimal at the end of the calculation
    }

    // z switches to the time system for one calculation; the duration shown afterwards is
    // taken up by the next operator, which goes on in the time system.
    void keyboardSwitchesToTime()
    {
        RechnerCore core;
        core.FormKeyPress('z', false, false);
        QCOMPARE(core.SystItems[core.SystIndex], QStringLiteral("Zeit"));
        core.InputProcessing(QStringLiteral("1:30+2:45="), false);
        QCOMPARE(core.EAnzeige, QStringLiteral("4:15"));
        QCOMPARE(core.FSystem, 10);
        for (const char* key : {"+", "0", ":", "1", "5", "="})
            core.InputProcessing(QLatin1String(key), false);
        QCOMPARE(core.EAnzeige, QStringLiteral("4:30"));
        QCOMPARE(tape(core), QStringLiteral("1:30+ | 2:45= | 4:15* | 4:15+ | 0:15= | 4:30*"));
        QCOMPARE(core.FSystem, 10);
        RechnerCore memory; // M+ sends the shown duration in hours
        const RateReader noRate = [] { return 1.0L; };
        MemoryKey(core, memory, QStringLiteral("+"), noRate, noRate);
        QCOMPARE(memory.EAnzeige, QStringLiteral("4,5"));
    }

    void enabledKeysFollowEntry_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("flags");
        QTest::newRow("number") << 10 << "12" << "0011111111";
        QTest::newRow("list") << 10 << "12;18" << "1100000000";
        QTest::newRow("date") << -2 << "12" << "0011100000";
    }
    void enabledKeysFollowEntry()
    {
        QFETCH(int, system);
        QFETCH(QString, text);
        RechnerCore core;
        chooseSystem(core, system);
        core.InputProcessing(text, false);
        QTEST(enabledKeys(core, {"BggT", "Bkgv", "BPlus", "BMin", "BIst", "BMult", "BDiv", "BSin", "BProz", "BPi"}),
              "flags");
    }
};

QTEST_GUILESS_MAIN(TestCoreInput)
#include "tst_core_input.moc"
