// The frame as the user meets it: window names and numbers, link lists, menus, options,
// the shared currency lists and the walks along links.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "dates/CurrencyStore.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/NumText.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vdl;

namespace {
std::unique_ptr<TMDIForm> openFrame()
{
    auto frame = std::make_unique<TMDIForm>();
    frame->show();
    return frame;
}

// As the close box does it: the window goes at once, its memory a moment later.
void closeWindow(TMDIForm& frame, TRechnerForm* window)
{
    frame.subWindowOf(window)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setSystem(TRechnerForm* w, int system)
{
    w->core().SetSystem(system);
    w->core().SystChange();
}

void link(TRechnerForm* window, const TRechnerForm* memory)
{
    window->Kombi->setCurrentIndex(window->Kombi->findData(memory->FNummer));
}

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

QStringList kombiItems(const TRechnerForm* w)
{
    QStringList list;
    for (int i = 0; i < w->Kombi->count(); ++i)
        list << w->Kombi->itemText(i) + QLatin1Char('=') + w->Kombi->itemData(i).toString();
    return list;
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        const QString dir = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag());
        SettingsStore::setDir(dir);
        QDir().mkpath(dir);
        setExeDir(dir);
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
        QTRY_VERIFY_WITH_TIMEOUT(!frame->Panel1->isVisible(), 3000);

        closeWindow(*frame, frame->windows()[0]);
        QCOMPARE(texts(frame->menuBar()->actions()), QStringList({"&Datei", "&Fenster", "?"}));
        QCOMPARE(menuLines(frame->HMDatei), QStringList({"Einstellungen &laden (aus)", "-", "&Beenden"}));
        QVERIFY(!menuLines(frame->HMFenster).contains(QStringLiteral("&Alpha-Pad|Ctrl+A")));
        QCOMPARE(menuLines(frame->MHilfe), QStringList({"&Kurzanleitung (aus)", "Produktinformation (aus)", "Systeminformation (aus)"}));
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
    }
    void namesAndWidths()
    {
        QFETCH(QString, commands);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, memories);
        auto frame = openFrame();
        for (QChar c : commands) {
            if (c == QLatin1Char('x'))
                closeWindow(*frame, frame->windows().last());
            else
                (c == QLatin1Char('R') ? frame->MNeuenRechner : frame->MNeuenSpeicher)->trigger();
        }
        QCOMPARE(frame->WindowNames.strings(), names);
        const QList<TRechnerForm*> windows = frame->windows();
        for (int i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->windowTitle(), names[i]);
            QCOMPARE(frame->subWindowOf(windows[i])->width() == 182, memories.contains(i));
        }
    }

    // Each list offers every other window, the newest last; windows are told apart by number.
    void linkListsFollowCreation()
    {
        auto frame = openFrame();
        frame->NewWindow(QStringLiteral("Speicher"), QStringLiteral("Kasse"));
        frame->NewWindow(QStringLiteral("Rechner"), QStringLiteral("Kasse"));
        const QList<TRechnerForm*> w = frame->windows();
        QCOMPARE(kombiItems(w[0]), QStringList({"(kein Speicher)=0", "Kasse=2", "Kasse=3"}));
        QCOMPARE(kombiItems(w[1]), QStringList({"(kein Speicher)=0", "Rechner1=1", "Kasse=3"}));
        QCOMPARE(kombiItems(w[2]), QStringList({"(kein Speicher)=0", "Rechner1=1", "Kasse=2"}));
        QCOMPARE(frame->findWindow(3), w[2]);
    }

    void fensterMenu_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("alphaPad");
        QTest::newRow("decimal") << 10 << "&Alpha-Pad|Ctrl+A (aus)";
        QTest::newRow("base 11") << 11 << "&Alpha-Pad|Ctrl+A";
        QTest::newRow("currency") << -4 << "&Alpha-Pad|Ctrl+A (aus)";
    }
    void fensterMenu()
    {
        QFETCH(int, system);
        QFETCH(QString, alphaPad);
        auto frame = openFrame();
        frame->MNeuenSpeicherClick();
        setSystem(frame->windows()[1], system);
        QCOMPARE(menuLines(frame->HMFenster),
                 QStringList({"Über&lappend", "&Untereinander", "&Nebeneinander", "&Symbole anordnen", "&Rahmen anpassen",
                              "&Automatisch anpassen", "-", "Einstellungen &beibehalten", "-", "Neuer &Rechner|Ctrl+R",
                              "Neuer &Speicher|Ctrl+S", "&Benennen|Ctrl+N (aus)", "&Löschen|Ctrl+L (aus)", alphaPad, "-",
                              "&1 Rechner1", "&2 Speicher2 [x]"}));
        frame->windows()[1]->setWindowTitle(QStringLiteral("Rechner1")); // two captions alike
        frame->HMFenster->actions().at(15)->trigger();
        QCOMPARE(frame->activeWindow(), frame->windows()[0]);
    }

    void optionsArePersisted_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("fit missing") << "RahmenAnpassen" << "" << false;
        QTest::newRow("fit WAHR") << "RahmenAnpassen" << " WAHR " << true;
        QTest::newRow("fit Nein") << "RahmenAnpassen" << "Nein" << false;
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

    void currencyMenuTexts_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("none shown") << -1 << QStringList{"Deutsche Mark  (1,00000)", "Euro  (1,95583)"};
        QTest::newRow("showing Euro") << 1 << QStringList{"Deutsche Mark  (1,00000)"};
        QTest::newRow("showing DM") << 0 << QStringList{"Euro  (1,95583)"};
    }
    void currencyMenuTexts()
    {
        QFETCH(int, own);
        QFETCH(QStringList, items);
        auto frame = openFrame();
        TRechnerForm* w = frame->windows()[0];
        if (own >= 0) {
            setSystem(w, -4);
            w->popWaehrung->hide();
            w->SelectCurrency(own);
        }
        QCOMPARE(menuLines(w->popWaehrung), items);
    }

    void windowShowsChosenCurrency()
    {
        auto frame = openFrame();
        TRechnerForm* w = frame->windows()[0];
        setSystem(w, -4);
        w->popWaehrung->hide();
        QCOMPARE(w->PnlWaehrung->text(), QStringLiteral("DM  (1,00000)"));
        QCOMPARE(w->PnlWaehrung->toolTip(), QStringLiteral("Deutsche Mark"));
        QCOMPARE(menuLines(w->popWaehrung), QStringList({"Euro  (1,95583)"}));
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

    void leavingCurrencyFollowsLinks()
    {
        auto frame = openFrame();
        for (int i = 0; i < 3; ++i)
            frame->MNeuenSpeicherClick();
        const QList<TRechnerForm*> w = frame->windows();
        link(w[0], w[1]);
        link(w[1], w[2]);
        link(w[2], w[3]);
        link(w[3], w[1]); // a cycle must end the walk, not hang it
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
        link(frame->windows()[0], memory);
        link(linked, memory);
        link(other, linked);
        frame->passKeyToCalculators(memory->core(), QStringLiteral("7"));
        QCOMPARE(frame->windows()[0]->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(linked->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(other->Eingabe->text(), QString());
        QCOMPARE(frame->activeWindow(), linked);
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
