// The frame as the user meets it: window names and numbers, menus, options, the shared
// currency lists and the walks along links.
#include "dates/CurrencyStore.h"
#include "platform/Error.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTableWidget>

using namespace vdl;
using test::choose;
using test::closeWindow;
using test::openFrame;
using test::setSystem;

namespace {
QStringList texts(const QList<QAction*>& actions)
{
    QStringList list;
    for (const QAction* a : actions) {
        QString line = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (!a->shortcut().isEmpty())
            line += QLatin1Char('|') + a->shortcut().toString();
        if (!a->isEnabled())
            line += QStringLiteral(" (aus)");
        if (a->isChecked())
            line += QStringLiteral(" [x]");
        if (a->isVisible())
            list << line;
    }
    return list;
}

// A menu as it shows when opened: "caption|shortcut", "-", "(aus)" greyed, "[x]" ticked.
QStringList menuLines(QMenu* menu)
{
    emit menu->aboutToShow();
    return texts(menu->actions());
}

// A click on the close box in a window's title bar.
void clickCloseBox(QMdiSubWindow* sub)
{
    QStyleOptionTitleBar option;
    option.initFrom(sub);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = sub->windowFlags();
    option.titleBarState = sub->windowState() | QStyle::State_Active;
    option.rect.setHeight(sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, sub));
    const QRect box = sub->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, sub);
    // The box closes only when the mouse was over it before the click.
    QMouseEvent over(QEvent::MouseMove, box.center(), sub->mapToGlobal(box.center()), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(sub, &over);
    QTest::mouseClick(sub, Qt::LeftButton, {}, box.center());
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    void freshStart()
    {
        auto frame = openFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("vdlRechner"));
        QCOMPARE(frame->WindowNames.strings(), QStringList({"Rechner1"}));
        QCOMPARE(texts(frame->menuBar()->actions()), QStringList({"&Datei", "&Bearbeiten", "&Fenster", "?"}));
        QCOMPARE(frame->menuBar()->actions()[0]->menu(), frame->windows()[0]->HauptMenue[0]);
        QCOMPARE(ReadSetting(QStringLiteral("%\\Waehrungen"), QStringLiteral("Euro")),
                 QStringLiteral("\"€\",\"1,95583\",\"24. 09. 2001\""));
        QCOMPARE(frame->Label1->text(), QStringLiteral("3.1"));
        QVERIFY(frame->Panel1->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!frame->Panel1->isVisible(), 10000);

        closeWindow(*frame, frame->windows()[0]);
        QCOMPARE(texts(frame->menuBar()->actions()), QStringList({"&Datei", "&Fenster", "?"}));
        QCOMPARE(menuLines(frame->HMDatei), QStringList({"Einstellungen &laden", "-", "&Beenden"}));
        QVERIFY(!menuLines(frame->HMFenster).contains(QStringLiteral("&Alpha-Pad|Ctrl+A")));
        QCOMPARE(menuLines(frame->MHilfe), QStringList({"&Kurzanleitung", "Produktinformation", "Systeminformation"}));
    }

    void namesAndWidths_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("memories");
        QTest::newRow("memory first") << "S" << QStringList{"Rechner1", "Speicher2"} << QList<int>{1};
        QTest::newRow("mixed") << "RSR" << QStringList{"Rechner1", "Rechner2", "Speicher3", "Rechner4"} << QList<int>{2};
        // Numbers are never reused: a closed window leaves a gap.
        QTest::newRow("after closing") << "RxS" << QStringList{"Rechner1", "Speicher3"} << QList<int>{1};
        QTest::newRow("all closed from a window") << "RSa" << QStringList() << QList<int>();
    }
    void namesAndWidths()
    {
        QFETCH(QString, commands);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, memories);
        auto frame = openFrame();
        for (QChar c : commands) {
            if (c == QLatin1Char('x')) {
                closeWindow(*frame, frame->windows().last());
            } else if (c == QLatin1Char('a')) {
                frame->windows()[1]->MAllesSchliessen->trigger();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                (c == QLatin1Char('R') ? frame->MNeuenRechner : frame->MNeuenSpeicher)->trigger();
            }
        }
        QCOMPARE(frame->WindowNames.strings(), names);
        const QList<TRechnerForm*> windows = frame->windows();
        for (int i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->windowTitle(), names[i]);
            QCOMPARE(frame->subWindowOf(windows[i])->width() == 182, memories.contains(i));
        }
    }

    // However the last window goes, the frame is left with its own menus and no active window:
    // the window going is never taken for the active one, not even while it is being torn down.
    void closingTheLastWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("farewells"); // per window gone: the active window then
        const QStringList one{"Rechner1: -"};
        const QStringList two{"Rechner1: Speicher2", "Speicher2: -"};
        QTest::newRow("close box") << "box" << one;
        QTest::newRow("Rechner/Speicher beenden") << "beenden" << one;
        QTest::newRow("Alles schließen") << "alles" << one;
        QTest::newRow("Alles schließen, two windows") << "alles2" << two;
        QTest::newRow("Beenden with a window open") << "quit" << one;
        QTest::newRow("Beenden with two windows open") << "quit2" << two;
    }
    void closingTheLastWindow()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, farewells);
        auto frame = openFrame();
        if (way.endsWith(QLatin1Char('2')))
            frame->MNeuenSpeicherClick();
        TRechnerForm* last = frame->windows().last();
        setSystem(last, 16); // the keypad is offered for it
        QVERIFY(menuLines(frame->HMFenster).contains(QStringLiteral("&Alpha-Pad|Ctrl+A")));
        QStringList seen;
        for (TRechnerForm* window : frame->windows()) {
            // Told after the frame, from inside the window's destructor.
            connect(frame->subWindowOf(window), &QObject::destroyed, frame.get(),
                    [&seen, &frame, window, name = window->windowTitle()] {
                        const TRechnerForm* active = frame->activeWindow();
                        seen << name + QStringLiteral(": ")
                                    + (active == window ? QStringLiteral("itself")
                                       : active     ? active->windowTitle()
                                                    : QStringLiteral("-"));
                    });
        }
        if (way == QLatin1String("box"))
            clickCloseBox(frame->subWindowOf(last));
        else if (way == QLatin1String("beenden"))
            last->MLoeschen->trigger();
        else if (way.startsWith(QLatin1String("alles")))
            last->MAllesSchliessen->trigger();
        else
            last->MBeenden->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(seen, farewells);
        QVERIFY(frame->windows().isEmpty());
        QCOMPARE(frame->activeWindow(), nullptr);
        QCOMPARE(texts(frame->menuBar()->actions()), QStringList({"&Datei", "&Fenster", "?"}));
        QCOMPARE(frame->menuBar()->actions()[0]->menu(), frame->HMDatei);
        // No window to offer the keypad for, none to list, none to type into.
        QCOMPARE(menuLines(frame->HMFenster).mid(13), QStringList({"&Alpha-Pad|Ctrl+A (aus)", "-"}));
        QVERIFY(!frame->sendToActiveWindow(QStringLiteral("A"), true));
    }

    void fensterMenu_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("alphaPad");
        QTest::newRow("decimal") << 10 << "&Alpha-Pad|Ctrl+A (aus)";
        QTest::newRow("base 11") << 11 << "&Alpha-Pad|Ctrl+A";
    }
    void fensterMenu()
    {
        QFETCH(int, system);
        QFETCH(QString, alphaPad);
        auto frame = openFrame();
        frame->MNeuenSpeicherClick();
        setSystem(frame->windows()[1], system);
        // The window list follows the items, the active window ticked.
        QCOMPARE(menuLines(frame->HMFenster).mid(13), QStringList({alphaPad, "-", "&1 Rechner1", "&2 Speicher2 [x]"}));
        frame->NewWindow(QStringLiteral("Rechner"), QStringLiteral("Rechner1")); // two names alike, as a layout may
        QCOMPARE(menuLines(frame->HMFenster).mid(15), QStringList({"&1 Rechner1", "&2 Speicher2", "&3 Rechner1 [x]"}));
        QCOMPARE(frame->windows()[2]->windowTitle(), QStringLiteral("Rechner1"));
        frame->HMFenster->actions().at(15)->trigger();
        QCOMPARE(frame->activeWindow(), frame->windows()[0]);
    }

    void optionsArePersisted_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("fit WAHR") << "RahmenAnpassen" << " WAHR " << true;
        QTest::newRow("keep missing") << "EinstellungenBeibehalten" << "" << false;
        QTest::newRow("keep Ja") << "EinstellungenBeibehalten" << "Ja" << true;
    }
    void optionsArePersisted()
    {
        QFETCH(QString, setting);
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        WriteSetting(QStringLiteral("%"), setting, stored, false, true);
        const QString last = ExeDir() + QStringLiteral("$Zuletzt.zqe");
        QFile(last).open(QIODevice::WriteOnly);
        ScriptedPrompter prompter; // the empty kept layout is reported as broken
        auto frame = openFrame();
        QAction* option = setting == QLatin1String("RahmenAnpassen") ? frame->MRahmenAuto : frame->mnubeibehalten;
        QCOMPARE(option->isChecked(), ticked);
        for (const bool on : {!ticked, ticked}) {
            option->trigger();
            QCOMPARE(option->isChecked(), on);
            QCOMPARE(ReadSetting(QStringLiteral("%"), setting), on ? QStringLiteral("Ja") : QStringLiteral("Nein"));
        }
        // Unticking "beibehalten" drops the kept layout at once; ticking writes nothing yet.
        QCOMPARE(QFile::exists(last), option == frame->MRahmenAuto);
    }

    void optionsNotSaved_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("fit on") << "RahmenAnpassen" << false;
        QTest::newRow("fit off") << "RahmenAnpassen" << true;
        QTest::newRow("keep on") << "EinstellungenBeibehalten" << false;
        QTest::newRow("keep off") << "EinstellungenBeibehalten" << true;
    }
    // An option that cannot be stored is reported and keeps its tick, which shows what the
    // next start reads; the kept layout stays with it.
    void optionsNotSaved()
    {
        QFETCH(QString, setting);
        QFETCH(bool, ticked);
        const QString stored = ticked ? QStringLiteral("Ja") : QStringLiteral("Nein");
        WriteSetting(QStringLiteral("%"), setting, stored, false, true);
        auto frame = openFrame();
        QVERIFY(test::putFile(TMDIForm::KeptLayout(), "vom letzten Mal"));
        // Nobody can write the settings file: its writers' lock cannot be taken.
        const QString lock = SettingsStore::fileName(false) + QStringLiteral(".lock");
        QVERIFY(QFile::remove(lock) && QDir().mkdir(lock));
        ScriptedPrompter prompter;
        QAction* option = setting == QLatin1String("RahmenAnpassen") ? frame->MRahmenAuto : frame->mnubeibehalten;
        option->trigger();
        QVERIFY(QDir().rmdir(lock));
        QCOMPARE(option->isChecked(), ticked);
        QCOMPARE(prompter.messages(), QStringList{"Die Datei kann nicht gespeichert werden!\r\n"
                                                  + QDir::toNativeSeparators(SettingsStore::fileName(false))});
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Fehler"));
        QCOMPARE(ReadSetting(QStringLiteral("%"), setting), stored);
        QCOMPARE(test::fileBytes(TMDIForm::KeptLayout()), QByteArray("vom letzten Mal"));
    }

    // The kept layout goes the moment "Einstellungen &beibehalten" is unticked, and ticking it
    // leaves the file as it is until the frame closes.
    void keptLayoutFollowsTheOption_data()
    {
        QTest::addColumn<bool>("tickedBefore");
        QTest::newRow("unticking deletes") << true;
        QTest::newRow("ticking keeps") << false;
    }
    void keptLayoutFollowsTheOption()
    {
        QFETCH(bool, tickedBefore);
        WriteSetting(QStringLiteral("%"), QStringLiteral("EinstellungenBeibehalten"), tickedBefore ? "Ja" : "Nein",
                     false, true);
        auto frame = openFrame();
        const QString kept = TMDIForm::KeptLayout();
        QVERIFY(test::putFile(kept, "vom letzten Mal"));
        frame->mnubeibehalten->trigger();
        QCOMPARE(frame->mnubeibehalten->isChecked(), !tickedBefore);
        QCOMPARE(test::fileBytes(kept), tickedBefore ? QByteArray("(keine Datei)") : QByteArray("vom letzten Mal"));
    }

    // The currency panel and its pop-up, which offers every currency but the one shown.
    void currencyPanel_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<bool>("pickOther"); // from the pop-up
        QTest::addColumn<QString>("panel");   // caption|hint
        QTest::addColumn<QStringList>("items");
        QTest::newRow("not a currency") << 10 << false << "" << QStringList{"Deutsche Mark  (1,00000)", "Euro  (1,95583)"};
        QTest::newRow("first one shown") << -4 << false << "DM  (1,00000)|Deutsche Mark" << QStringList{"Euro  (1,95583)"};
        QTest::newRow("other one picked") << -4 << true << "€  (1,95583)|Euro" << QStringList{"Deutsche Mark  (1,00000)"};
    }
    void currencyPanel()
    {
        QFETCH(int, system);
        auto frame = openFrame();
        TRechnerForm* w = frame->windows()[0];
        setSystem(w, system);
        QFETCH(bool, pickOther);
        if (pickOther)
            test::popupItem(w->popWaehrung(), QStringLiteral("Euro  (1,95583)"))->trigger();
        QTEST(w->PnlWaehrung->isHidden() ? QString() : w->PnlWaehrung->text() + '|' + w->PnlWaehrung->toolTip(), "panel");
        QTEST(menuLines(w->popWaehrung()), "items");
    }

    // A window keeps its position in the list when the list changes under it, under any
    // decimal separator.
    void ratesByPosition_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("comma") << QChar(',');
        QTest::newRow("point") << QChar('.');
    }
    void ratesByPosition()
    {
        QFETCH(QChar, separator);
        Regional regional = Regional::german();
        regional.decimalSeparator = separator;
        Regional::set(regional);
        auto frame = openFrame();
        CurrencyStore::write(QStringLiteral("Zloty"), QStringLiteral("zł"), QStringLiteral("0,50000"), QString());
        RechnerCore& core = frame->windows()[0]->core();
        frame->Currencies.Fill();
        core.SelectCurrency(1);
        QCOMPARE(frame->CurrencyRate(core), 1.95583L);
        CurrencyStore::remove(QStringLiteral("Deutsche Mark"));
        frame->Currencies.Fill();
        QCOMPARE(frame->CurrencyRate(core), 0.5L);
        QCOMPARE(core.PnlWaehrung.caption, QStringLiteral("€  (1,95583)"));
        core.PnlWaehrung.Tag = 5;
        try {
            frame->CurrencyRate(core);
            QFAIL("a position outside the list must be refused");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QStringLiteral("Listenindex überschreitet das Maximum (5)"));
        }
    }

    // "Währungen" opens the currency list; afterwards the window still computes in the currency
    // it shows, by name, though a deletion moved it in the list.
    void currencyListFromMenu()
    {
        auto frame = openFrame();
        TRechnerForm* w = frame->windows()[0];
        CurrencyStore::write(QStringLiteral("Zloty"), QStringLiteral("zł"), QStringLiteral("0,50000"), QString());
        setSystem(w, -4);
        test::popupItem(w->popWaehrung(), QStringLiteral("Euro  (1,95583)"))->trigger();
        ScriptedPrompter prompter;
        prompter.answers << mb::IdYes;
        prompter.dialogScripts << [](QDialog& d) {
            d.findChild<QTableWidget*>(QStringLiteral("Grid"))->setCurrentCell(0, 0); // Deutsche Mark
            d.findChild<QPushButton*>(QStringLiteral("BtnLoeschen"))->click();
            return int(QDialog::Accepted);
        };
        QVERIFY(w->mwaehrungen->isEnabled());
        w->mwaehrungen->trigger();
        QCOMPARE(prompter.calls.first().caption, QStringLiteral("Währungen"));
        QCOMPARE(frame->Currencies.CurrencyNames.strings(), QStringList({"Euro", "Zloty"}));
        QCOMPARE(frame->CurrencyRate(w->core()), 1.95583L);
        QCOMPARE(menuLines(w->popWaehrung()), QStringList{"Zloty  (0,50000)"});
    }

    void leavingCurrencyFollowsLinks()
    {
        auto frame = openFrame();
        for (int i = 0; i < 3; ++i)
            frame->MNeuenSpeicherClick();
        const QList<TRechnerForm*> w = frame->windows();
        for (int i = 0; i < 3; ++i)
            choose(w[i], w[i + 1]->FNummer);
        // 1 > 2 > 3 > 4 > 2: a cycle, which the link box refuses, must still end the walk.
        frame->windowModel().link(w[3]->FNummer, w[1]->FNummer);
        const int systems[] = {-4, -4, 16, -4};
        for (int i = 0; i < 4; ++i)
            setSystem(w[i], systems[i]);
        setSystem(w[0], 10);
        QCOMPARE(w[1]->core().FSystem, 10);
        QVERIFY(!w[1]->core().PnlWaehrung.visible);
        QCOMPARE(w[2]->core().FSystem, 16); // not in the currency system: keeps its own
        QCOMPARE(w[3]->core().FSystem, 10);
    }

    void memoryKeysGoToItsCalculators()
    {
        auto frame = openFrame();
        TRechnerForm* memory = frame->NewWindow(QStringLiteral("Speicher"), QString());
        TRechnerForm* other = frame->NewWindow(QStringLiteral("Rechner"), QString());
        TRechnerForm* linked = frame->NewWindow(QStringLiteral("Rechner"), QString());
        choose(frame->windows()[0], memory->FNummer);
        choose(linked, memory->FNummer);
        choose(other, linked->FNummer);
        frame->passKeyToCalculators(memory->core(), QStringLiteral("7"));
        QCOMPARE(frame->windows()[0]->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(linked->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(other->Eingabe->text(), QString());
        QCOMPARE(frame->activeWindow(), linked);
    }

    // A new window goes beside the active one, else at the start of the row below it, else
    // right below it, where it lies in the window area and covers no window; without such a
    // place it goes one title bar below and right of the active window.
    void newWindowPlace_data()
    {
        QTest::addColumn<QSize>("area");    // in window sizes, and 50 pixels more
        QTest::addColumn<bool>("blocked");  // a window at the start of the row below
        QTest::addColumn<QString>("place"); // of the new window
        QTest::newRow("beside") << QSize(3, 2) << false << "beside";
        QTest::newRow("row below") << QSize(2, 2) << false << "row below";
        QTest::newRow("right below") << QSize(2, 2) << true << "right below";
        QTest::newRow("cascaded") << QSize(2, 1) << false << "cascaded";
    }

    void newWindowPlace()
    {
        QFETCH(QSize, area);
        QFETCH(bool, blocked);
        QFETCH(QString, place);
        auto frame = openFrame();
        QMdiSubWindow* active = frame->subWindowOf(frame->windows()[0]);
        const QSize size = active->size();
        const QSize pixels(area.width() * size.width() + 50, area.height() * size.height() + 50);
        frame->resize(frame->size() - frame->mdiArea->contentsRect().size() + pixels);
        QTRY_COMPARE(frame->mdiArea->contentsRect().size(), pixels);
        if (blocked) {
            frame->subWindowOf(frame->NewWindow(QStringLiteral("Rechner")))->move(0, size.height());
            frame->mdiArea->setActiveSubWindow(active);
        }
        active->move(size.width(), 0);
        const QPoint step(active->widget()->y(), active->widget()->y());
        const QMap<QString, QPoint> places{{"beside", QPoint(2 * size.width(), 0)},
                                           {"row below", QPoint(0, size.height())},
                                           {"right below", QPoint(size.width(), size.height())},
                                           {"cascaded", QPoint(size.width(), 0) + step}};
        QMdiSubWindow* added = frame->subWindowOf(frame->NewWindow(QStringLiteral("Rechner")));
        QCOMPARE(added->pos(), places[place]);
    }

    // A new window goes on top of the others, but under one the user keeps on top (its system
    // menu); it never keeps on top itself, nor does the window that was active before it.
    void newWindowStacking_data()
    {
        QTest::addColumn<int>("keptOnTop"); // 0: the first window, 1: the active one, -1: none
        QTest::addColumn<QList<int>>("stack"); // first, active and new window, bottom to top
        QTest::newRow("none kept on top") << -1 << QList<int>{0, 1, 2};
        QTest::newRow("active kept on top") << 1 << QList<int>{0, 2, 1};
        QTest::newRow("another kept on top") << 0 << QList<int>{1, 2, 0};
    }

    void newWindowStacking()
    {
        QFETCH(int, keptOnTop);
        QFETCH(QList<int>, stack);
        auto frame = openFrame();
        frame->NewWindow(QStringLiteral("Rechner"), QString());
        if (keptOnTop >= 0) {
            QMdiSubWindow* kept = frame->subWindowOf(frame->windows()[keptOnTop]);
            kept->setWindowFlag(Qt::WindowStaysOnTopHint);
            kept->show();
        }
        frame->NewWindow(QStringLiteral("Rechner"), QString());
        QList<QObject*> subs;
        for (TRechnerForm* window : frame->windows())
            subs << frame->subWindowOf(window);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(static_cast<QWidget*>(subs[i])->windowFlags().testFlag(Qt::WindowStaysOnTopHint), i == keptOnTop);
        QList<int> shown;
        for (QObject* child : frame->mdiArea->viewport()->children()) // bottom to top
            if (const int i = int(subs.indexOf(child)); i >= 0)
                shown << i;
        QCOMPARE(shown, stack);
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
