// Memory links as the user meets them: the link lists through linking, unlinking and closing,
// the memory keys, new linked windows and the conversion of values between systems.
#include "calculator/MemoryLink.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>

using namespace vdl;
using test::choose;
using test::closeWindow;
using test::openFrame;
using test::popupItem;
using test::press;

namespace {

// Every window as "Name>Chosen M A (list after item 0)": M memory keys enabled, A automatic
// transfer shown.
QString describe(const TMDIForm& frame)
{
    QStringList windows;
    for (const TRechnerForm* w : frame.windows()) {
        QString line = w->windowTitle();
        if (w->Kombi->currentIndex() > 0)
            line += QLatin1Char('>') + w->Kombi->currentText();
        if (w->keys[RechnerCore::BMPlus]->isEnabled())
            line += QStringLiteral(" M");
        if (!w->AutoPanel->isHidden())
            line += QStringLiteral(" A");
        QStringList items;
        for (int i = 1; i < w->Kombi->count(); ++i)
            items << w->Kombi->itemText(i);
        windows << line + QStringLiteral(" (") + items.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return windows.join(QLatin1String(" | "));
}

// Blank-separated steps: "+R" / "+S" / "+S=Name" new window, "1>2" window 1 chooses window 2
// ("1>0" no memory), "x2" closes window 2, "1~" "Speicher &trennen", "1!" "Speicher &löschen",
// "r2=Kasse" renames window 2 as the rename dialog does.
void act(TMDIForm& frame, const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1Char('+'))) {
            const QString type = step[1] == QLatin1Char('R') ? QStringLiteral("Rechner") : QStringLiteral("Speicher");
            frame.NewWindow(type, step.section(QLatin1Char('='), 1));
        } else if (step.startsWith(QLatin1Char('r'))) {
            frame.windowModel().rename(step.mid(1).section(QLatin1Char('='), 0, 0).toInt(), step.section(QLatin1Char('='), 1));
        } else if (step.startsWith(QLatin1Char('x'))) {
            closeWindow(frame, frame.findWindow(step.mid(1).toInt()));
        } else if (step.contains(QLatin1Char('>'))) {
            choose(frame.findWindow(step.section(QLatin1Char('>'), 0, 0).toInt()), step.section(QLatin1Char('>'), 1).toInt());
        } else {
            TRechnerForm* w = frame.findWindow(step.chopped(1).toInt());
            const QString item = step.endsWith(QLatin1Char('~')) ? QStringLiteral("Speicher &trennen")
                                                                 : QStringLiteral("Speicher &löschen");
            popupItem(w->PSpeicher(), item)->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    void linkLists_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("windows");
        const QString start = QStringLiteral("+S +R ");
        QTest::newRow("link") << start + "1>2"
            << "Rechner1>Speicher2 M (Speicher2,Rechner3) | Speicher2 (Rechner3) | Rechner3 (Rechner1,Speicher2)";
        QTest::newRow("unlink gives the name back at the end") << start + "1>2 1>0"
            << "Rechner1 (Speicher2,Rechner3) | Speicher2 (Rechner3,Rechner1) | Rechner3 (Rechner1,Speicher2)";
        QTest::newRow("relink elsewhere") << start + "1>2 1>3"
            << "Rechner1>Rechner3 M (Speicher2,Rechner3) | Speicher2 (Rechner3,Rechner1) | Rechner3 (Speicher2)";
        QTest::newRow("memory links onward") << start + "1>2 2>3"
            << "Rechner1>Speicher2 M (Speicher2,Rechner3) | Speicher2>Rechner3 M A (Rechner3) | Rechner3 (Rechner1)";
        // A choice that would close a circle is refused and the old choice stays.
        const QString circle = QStringLiteral(" ! Diese Verbindung würde einen Kreis schließen!|Warnung|16");
        QTest::newRow("circle of three refused") << start + "1>2 2>3 3>1"
            << "Rechner1>Speicher2 M (Speicher2,Rechner3) | Speicher2>Rechner3 M A (Rechner3) | Rechner3 (Rechner1)"
               + circle;
        QTest::newRow("circle of four refused, old choice kept") << "+S +S +S +R 1>2 2>3 3>4 4>5 4>1"
            << "Rechner1>Speicher2 M (Speicher2,Speicher3,Speicher4,Rechner5) | Speicher2>Speicher3 M A "
               "(Speicher3,Speicher4,Rechner5) | Speicher3>Speicher4 M A (Rechner1,Speicher4,Rechner5) | "
               "Speicher4>Rechner5 M A (Rechner1,Speicher2,Rechner5) | Rechner5 (Rechner1,Speicher2,Speicher3)"
               + circle;
        QTest::newRow("two into one is no circle") << start + "1>2 3>2 3>1"
            << "Rechner1>Speicher2 M (Speicher2) | Speicher2 (Rechner3) | Rechner3>Rechner1 M (Rechner1,Speicher2)";
        QTest::newRow("trennen") << start + "1>2 1~"
            << "Rechner1 (Speicher2,Rechner3) | Speicher2 (Rechner3,Rechner1) | Rechner3 (Rechner1,Speicher2)";
        QTest::newRow("closing the memory of two") << start + "1>2 3>2 x2"
            << "Rechner1 (Rechner3) | Rechner3 (Rechner1)";
        QTest::newRow("closing a linked window") << start + "1>2 x1"
            << "Speicher2 (Rechner3) | Rechner3 (Speicher2)";
        QTest::newRow("löschen") << start + "1>2 3>2 1!"
            << "Rechner1 (Rechner3) | Rechner3 (Rechner1)";
        QTest::newRow("same names, closing one") << "+S=Kasse +S=Kasse 1>2 x3"
            << "Rechner1>Kasse M (Kasse) | Kasse ()";
        QTest::newRow("after unlinking, no circle") << start + "1>2 2>3 1>0 3>1"
            << "Rechner1 (Speicher2) | Speicher2>Rechner3 M A (Rechner3,Rechner1) | Rechner3>Rechner1 M (Rechner1)";
        QTest::newRow("closing a window of a refused circle") << start + "1>2 2>3 3>1 x2"
            << "Rechner1 (Rechner3) | Rechner3 (Rechner1)" + circle;
        QTest::newRow("renamed window gives its new name back") << start + "1>2 r1=Kasse 1>0 +R"
            << "Kasse (Speicher2,Rechner3,Rechner4) | Speicher2 (Rechner3,Kasse,Rechner4) | "
               "Rechner3 (Kasse,Speicher2,Rechner4) | Rechner4 (Kasse,Speicher2,Rechner3)";
        QTest::newRow("renamed to a taken name, closing it") << start + "1>2 r3=Speicher2 x3"
            << "Rechner1>Speicher2 M (Speicher2) | Speicher2 ()";
    }
    void linkLists()
    {
        QFETCH(QString, script);
        auto frame = openFrame();
        ScriptedPrompter prompter;
        act(*frame, script);
        QString shown = describe(*frame);
        for (const auto& c : prompter.calls) // a message as "! text|caption|flags"
            shown += " ! " + c.text + '|' + c.caption + '|' + QString::number(c.flags);
        QTEST(shown, "windows");
    }

    void memoryKeys_data()
    {
        QTest::addColumn<int>("system");      // of the memory
        QTest::addColumn<QString>("keys");     // typed into the decimal calculator (into the memory before " | ")
        QTest::addColumn<QString>("tape");     // of the memory
        QTest::addColumn<QString>("display");  // of the memory
        QTest::addColumn<QString>("entry");    // of the calculator afterwards
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("M+ twice, entry kept") << 10 << "5 M+ 0 M+" << "5+ | 50+" << "55" << "50" << QStringList();
        QTest::newRow("M- entry") << 10 << "5 M+ CE 2 M-" << "5+ | 2+{rot}" << "3" << "2" << QStringList();
        QTest::newRow("M+ negative display subtracts") << 10 << "5 - 10 = M+" << "5+{rot}" << "-5" << "" << QStringList();
        QTest::newRow("M- negative display adds") << 10 << "5 - 10 = M-" << "5+" << "5" << "" << QStringList();
        QTest::newRow("M+ negative entry subtracts") << 10 << "5 - 10 = M+ MR M+" << "5+{rot} | 5+{rot}" << "-10"
                                                     << "-5" << QStringList();
        QTest::newRow("M- negative entry adds") << 10 << "5 - 10 = M+ MR M-" << "5+{rot} | 5+" << "0" << "-5"
                                                << QStringList();
        QTest::newRow("nothing to send") << 10 << "M+" << "" << "" << "" << QStringList();
        QTest::newRow("0 after a calculation is sent") << 10 << "5 - 5 = M+" << "0+" << "0" << "" << QStringList();
        QTest::newRow("refused entry sends nothing") << 10 << "1 , 2 , 3 M+" << "" << "" << ""
                                                     << QStringList{"Der Eingabewert ist ungültig!"};
        QTest::newRow("fraction arrives as 0") << 2 << "5 M+ CE 0,5 M+" << "101+ | 0+" << "101" << "0,5" << QStringList();
        QTest::newRow("MC") << 10 << "5 M+ MC" << "5+ | Ergebnis gelöscht!{grün}" << "" << "5" << QStringList();
        QTest::newRow("MC on an empty display asks") << 10 << "5 M+ MC MC" << "5+ | Ergebnis gelöscht!{grün}" << ""
                                                     << "5" << QStringList{"Soll die Historie gelöscht werden?"};
        QTest::newRow("MR from binary") << 2 << "8 M+ CE MR" << "1000+" << "1000" << "8" << QStringList();
        QTest::newRow("MR of an empty display") << 10 << "5 M+ MC MR" << "5+ | Ergebnis gelöscht!{grün}" << ""
                                                << "0" << QStringList();
        QTest::newRow("MR of a fraction the memory shows as 0") << 2 << "1 ÷ 10 = | MR" << "1÷ | 10= | 0*" << "0"
                                                                << "0" << QStringList();
    }
    void memoryKeys()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        auto frame = openFrame();
        ScriptedPrompter prompter;
        prompter.answers << mb::IdNo;
        TRechnerForm* calculator = frame->windows()[0];
        TRechnerForm* memory = frame->NewWindow(QStringLiteral("Speicher"), QString());
        memory->mMinuswerteRot->trigger();
        test::chooseSystem(memory->core(), system);
        choose(calculator, memory->FNummer);
        if (keys.contains(QLatin1String(" | ")))
            press(memory->core(), keys.section(QLatin1String(" | "), 0, 0));
        press(calculator->core(), keys.section(QLatin1String(" | "), -1));
        QTEST(test::tape(memory->core()), "tape");
        QTEST(memory->EAnzeige->text(), "display");
        QTEST(calculator->Eingabe->text(), "entry");
        QTEST(prompter.messages(), "messages");
    }

    // M+ on a window without memory links a new one first (transfer stays off for a
    // calculator); with entry and display empty it sends the window's last value.
    void memoryKeyWithoutLink()
    {
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        QVERIFY(!calculator->keys[RechnerCore::BMPlus]->isEnabled());
        press(calculator->core(), QStringLiteral("7 ="));
        calculator->core().EAnzeige.clear();
        press(calculator->core(), QStringLiteral("M+"));
        QCOMPARE(describe(*frame), QStringLiteral("Rechner1>Speicher2 M (Speicher2) | Speicher2 ()"));
        QCOMPARE(test::tape(frame->windows()[1]->core()), QStringLiteral("7+"));
    }

    void newLinkedWindow_data()
    {
        QTest::addColumn<QString>("type");    // of the window asking
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("windows");
        QTest::addColumn<bool>("narrow");     // the new window is a memory, 182 wide
        QTest::addColumn<QString>("places");  // decimal places list of the new window
        QTest::addColumn<QString>("panel");   // its currency panel
        QTest::newRow("memory for a calculator") << "Rechner" << "Neuen &Speicher verbinden" << 10
            << "Rechner1>Speicher2 M (Speicher2) | Speicher2 ()" << true << "0,00" << "";
        QTest::newRow("calculator for a memory") << "Speicher" << "Neuen &Rechner verbinden" << 16
            << "Rechner1 (Speicher2,Rechner3) | Speicher2>Rechner3 M A (Rechner1,Rechner3) | Rechner3 (Rechner1)"
            << false << "Ganzzahlen" << "";
        QTest::newRow("in a currency") << "Rechner" << "Neuen &Speicher verbinden" << -4
            << "Rechner1>Speicher2 M (Speicher2) | Speicher2 ()" << true << "0,00" << "DM  (1,00000)";
    }
    void newLinkedWindow()
    {
        QFETCH(QString, type);
        QFETCH(QString, command);
        QFETCH(int, system);
        QFETCH(bool, narrow);
        auto frame = openFrame();
        TRechnerForm* asking = type == QLatin1String("Rechner") ? frame->windows()[0] : frame->NewWindow(type, QString());
        test::setSystem(asking, system);
        if (system != 16)
            asking->core().DezStSelected(3); // two places
        popupItem(asking->PSpeicher(), command)->trigger();
        QTEST(describe(*frame), "windows");
        TRechnerForm* created = frame->windows().last();
        QCOMPARE(created->core().FSystem, system);
        QTEST(created->DezSt->currentText(), "places");
        QTEST(created->PnlWaehrung->isHidden() ? QString() : created->PnlWaehrung->text(), "panel");
        QMdiSubWindow* mine = frame->subWindowOf(asking);
        QMdiSubWindow* sub = frame->subWindowOf(created);
        QCOMPARE(sub->width(), narrow ? 182 : frame->subWindowOf(frame->windows()[0])->width());
        QCOMPARE(sub->pos(), QPoint(mine->x() + mine->width(), mine->y()));
        QCOMPARE(frame->activeWindow(), asking);
    }

    // A cycle of windows passing everything on (which the link box refuses to close): each
    // step arrives once in every window, and a memory that passes on a negative M+ value has
    // its memory compute the same.
    void memoryKeyInACycle()
    {
        auto frame = openFrame();
        act(*frame, QStringLiteral("+S +S 2>3 3>1"));
        frame->windowModel().link(1, 2);
        const QList<TRechnerForm*> w = frame->windows();
        w[0]->AutoEinClick();
        press(w[0]->core(), QStringLiteral("5 - 10 = M+ CE 1 +"));
        QCOMPARE(test::tape(w[0]->core()), QStringLiteral("5- | 10= | -5* | 1+"));
        for (TRechnerForm* memory : {w[1], w[2]}) {
            QCOMPARE(test::tape(memory->core()), QStringLiteral("5- | 10= | -5* | 5+ | 1+"));
            QCOMPARE(memory->EAnzeige->text(), QStringLiteral("-4")); // "=" had left 0 in use
        }
    }

    void convertValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("factor");
        QTest::addColumn<QString>("rates"); // sender;receiver
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("warned");
        QTest::newRow("integer part to binary") << "12,7" << 10 << 2 << false << "" << "1100" << false;
        QTest::newRow("days stay a number") << "12,7" << 10 << -2 << false << "" << "12" << false;
        QTest::newRow("day number to date") << "36526" << 10 << -2 << false << "" << "01. 01. 2000" << false;
        QTest::newRow("from hex") << "FF" << 16 << 10 << false << "" << "255" << false;
        QTest::newRow("no date is 0") << "xyz." << -2 << 10 << false << "" << "0" << false;
        QTest::newRow("same system unchanged") << "12,50" << 10 << 10 << false << "" << "12,50" << false;
        QTest::newRow("no exponent") << "1E-6" << 10 << 10 << false << "" << "0,000001" << false;
        QTest::newRow("large without exponent") << "1,5E20" << 10 << 10 << false << "" << "150000000000000000000" << false;
        QTest::newRow("zero is binary 0") << "0" << 10 << 2 << false << "" << "0" << false;
        QTest::newRow("time to roman cut") << "3:30" << -3 << -1 << false << "" << "III" << false;
        QTest::newRow("short time to roman cut") << "1:30" << -3 << -1 << false << "" << "I" << false;
        QTest::newRow("decimal to roman cut") << "2,6" << 10 << -1 << false << "" << "II" << false;
        QTest::newRow("currency to roman rounded") << "2,6" << -4 << -1 << false << "1;" << "III" << false;
        QTest::newRow("currency half to roman even up") << "3,5" << -4 << -1 << false << "1;" << "IV" << false;
        QTest::newRow("currency half to roman even down") << "2,5" << -4 << -1 << false << "1;" << "II" << false;
        QTest::newRow("currency to binary cut") << "3,5" << -4 << 2 << false << "1;" << "11" << false;
        QTest::newRow("into a currency") << "100" << -4 << -4 << false << "1,00000;1,95583" << "51,1291881196218" << false;
        QTest::newRow("factor stays") << "100" << -4 << -4 << true << "1,95583;1,00000" << "100" << false;
        QTest::newRow("out of a currency") << "100" << -4 << 10 << false << "1,95583;" << "195,583" << false;
        QTest::newRow("not a number") << "abc" << 10 << 16 << false << "" << "" << true;
        QTest::newRow("rate 0") << "5" << 10 << -4 << false << ";0" << "" << true;
        // The time system counts in hours; bases and roman numerals go through their value.
        QTest::newRow("decimal hours to time") << "1,5" << 10 << -3 << false << "" << "1:30" << false;
        QTest::newRow("negative hours to time") << "-0,25" << 10 << -3 << false << "" << "-0:15" << false;
        QTest::newRow("seconds to time") << "0,01" << 10 << -3 << false << "" << "0:00:36" << false;
        QTest::newRow("time to decimal hours") << "1:30" << -3 << 10 << false << "" << "1,5" << false;
        QTest::newRow("negative time to decimal") << "-1:30" << -3 << 10 << false << "" << "-1,5" << false;
        QTest::newRow("hex to time") << "A" << 16 << -3 << false << "" << "10:00" << false;
        QTest::newRow("roman to time") << "XII" << -1 << -3 << false << "" << "12:00" << false;
        QTest::newRow("time to binary") << "2:30" << -3 << 2 << false << "" << "10" << false;
        QTest::newRow("factor into time stays a number") << "1,5" << 10 << -3 << true << "" << "1,5" << false;
        QTest::newRow("time to date refused") << "1:30" << -3 << -2 << false << "" << "" << true;
        QTest::newRow("date to time refused") << "01. 03. 2020" << -2 << -3 << false << "" << "" << true;
        QTest::newRow("no duration") << "1:75" << -3 << 10 << false << "" << "" << true;
        QTest::newRow("minutes of digits only") << "1:3,5" << -3 << 10 << false << "" << "" << true;
        QTest::newRow("day count to decimal") << "14Tage" << -2 << 10 << false << "" << "14" << false;
    }
    void convertValue()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, factor);
        QFETCH(QString, rates);
        QFETCH(bool, warned);
        ScriptedPrompter prompter;
        const auto rate = [](const QString& r) { return [r] { return StrToFloat(r); }; };
        QString result = QStringLiteral("unset");
        QCOMPARE(ConvertValue(text, from, to, factor, rate(rates.section(QLatin1Char(';'), 0, 0)),
                              rate(rates.section(QLatin1Char(';'), 1)), result),
                 !warned);
        QTEST(result, "result");
        QCOMPARE(prompter.calls.size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(prompter.calls[0].text, QStringLiteral("Der Wert ist nicht umsetzbar!"));
            QCOMPARE(prompter.calls[0].caption, QStringLiteral("Warnung"));
            QCOMPARE(prompter.calls[0].flags, 16);
        }
    }

    // The same changes, each announced on its own or all as one (as a layout load and "Alles
    // schließen" make them), leave every caption and link box alike. Steps as in act, except:
    // "1>2" links in the model, "A1" automatic transfer, "L" saves the layout and loads it back.
    void batchedLists_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("windows");
        QTest::newRow("unlinked at the end, renamed in every list") << "+S +R 1>2 r2=Kasse 1>0 +R"
            << "Rechner1 (Kasse,Rechner3,Rechner4) | Kasse (Rechner3,Rechner1,Rechner4) | "
               "Rechner3 (Rechner1,Kasse,Rechner4) | Rechner4 (Rechner1,Kasse,Rechner3)";
        QTest::newRow("closed in the middle of the lists") << "+S +R +S 1>2 3>4 x2 r4=Bank 3>1"
            << "Rechner1 (Bank) | Rechner3>Rechner1 M (Rechner1,Bank) | Bank (Rechner1,Rechner3)";
        QTest::newRow("renamed back and forth") << "+S 1>2 r1=Kasse r2=Bank r1=Rechner1 +R"
            << "Rechner1>Bank M (Bank,Rechner3) | Bank (Rechner3) | Rechner3 (Rechner1,Bank)";
        QTest::newRow("loaded back") << "+S +R 1>2 2>3 A1 r3=Kasse L"
            << "Rechner1>Speicher2 M A (Speicher2,Kasse) | Speicher2>Kasse M A (Kasse) | Kasse (Rechner1)";
        QTest::newRow("loaded, then more") << "+S 1>2 L +R 5>3 x4"
            << "Rechner1 () | Rechner5>Rechner1 M (Rechner1)";
    }
    void batchedLists()
    {
        QFETCH(QString, script);
        for (const bool batched : {false, true}) {
            auto frame = openFrame();
            WindowModel& model = frame->windowModel();
            const QString file = m_dir.filePath(QStringLiteral("Zurueck.zqe"));
            QSignalSpy changes(&model, &WindowModel::changed);
            // Each link box's list tells the box exactly which rows came and went.
            const auto watchLists = [&] {
                for (const TRechnerForm* w : frame->windows()) {
                    QAbstractItemModel* list = w->Kombi->model();
                    if (!list->findChild<QAbstractItemModelTester*>())
                        new QAbstractItemModelTester(list, QAbstractItemModelTester::FailureReportingMode::QtTest, list);
                }
            };
            {
                std::optional<WindowModel::Batch> batch;
                if (batched)
                    batch.emplace(model);
                for (const QString& step : script.split(QLatin1Char(' '))) {
                    const int number = step.mid(1).section(QLatin1Char('='), 0, 0).toInt();
                    if (step.startsWith(QLatin1Char('+')))
                        act(*frame, step);
                    else if (step.startsWith(QLatin1Char('x')))
                        frame->closeWindow(number);
                    else if (step.startsWith(QLatin1Char('r')))
                        model.rename(number, step.section(QLatin1Char('='), 1));
                    else if (step.startsWith(QLatin1Char('A')))
                        model.setAutoTransfer(number, true);
                    else if (step == QLatin1String("L") && frame->SaveSettings(file))
                        frame->LoadSettings(file);
                    else
                        model.link(step.section(QLatin1Char('>'), 0, 0).toInt(), step.section(QLatin1Char('>'), 1).toInt());
                    watchLists();
                }
            }
            if (batched)
                QCOMPARE(changes.count(), 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QTEST(describe(*frame), "windows");
            // Loading and closing all are one change each, the window list too.
            changes.clear();
            frame->closeWindow(0);
            QCOMPARE(changes.count(), 1);
            QVERIFY(frame->WindowNames.isEmpty());
        }
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
