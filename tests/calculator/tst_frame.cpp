// The frame as the user meets it: window names and numbers, link lists, menus and options.
#include "calculator/AlphaPad.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/ExeDir.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vdl;

namespace {
std::unique_ptr<TMDIForm> openFrame(const QStringList& arguments = {})
{
    auto frame = std::make_unique<TMDIForm>(arguments);
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame.get()))
        qWarning("frame not exposed");
    return frame;
}

// As the window's close box does it: the window goes at once, its memory a moment later.
void closeWindow(TMDIForm& frame, TRechnerForm* window)
{
    frame.subWindowOf(window)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList names(const TMDIForm& frame)
{
    QStringList list;
    for (const TRechnerForm* w : frame.windows())
        list << w->windowTitle();
    return list;
}

QStringList kombiItems(const TRechnerForm* w)
{
    QStringList list;
    for (int i = 0; i < w->Kombi->count(); ++i)
        list << w->Kombi->itemText(i);
    return list;
}

// A menu as it opens: "caption|shortcut" per item, "-" for a separator, "(aus)" when greyed,
// "[x]" when ticked.
QStringList menuLines(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList lines;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = a->text();
        if (!a->shortcut().isEmpty())
            line += QLatin1Char('|') + a->shortcut().toString();
        if (!a->isEnabled())
            line += QStringLiteral(" (aus)");
        if (a->isChecked())
            line += QStringLiteral(" [x]");
        lines << line;
    }
    return lines;
}

QStringList barTitles(TMDIForm& frame)
{
    QStringList titles;
    for (const QAction* a : frame.menuBar()->actions()) {
        if (a->isVisible())
            titles << a->text();
    }
    return titles;
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { test::pinGerman(); }
    void init()
    {
        const QString dir = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag());
        SettingsStore::setDir(dir + QStringLiteral("/settings"));
        QDir().mkpath(dir + QStringLiteral("/prog"));
        setExeDir(dir + QStringLiteral("/prog"));
    }

    void freshStart()
    {
        auto frame = openFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("vdlRechner"));
        QCOMPARE(names(*frame), QStringList({"Rechner1"}));
        QCOMPARE(kombiItems(frame->windows()[0]), QStringList({"(kein Speicher)"}));
        QVERIFY(!frame->MRahmenAuto->isChecked());
        QVERIFY(!frame->mnubeibehalten->isChecked());
        QCOMPARE(ReadSetting(QStringLiteral("%\\Waehrungen"), QStringLiteral("Euro")),
                 QStringLiteral("\"€\",\"1,95583\",\"24. 09. 2001\""));
        QCOMPARE(frame->Label1->text(), QStringLiteral("3.1"));
        QVERIFY(frame->Panel1->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!frame->Panel1->isVisible(), 3000);
    }

    void namesAndWidths_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("memoryWidth");
        QTest::newRow("memory first") << "S" << QStringList{"Rechner1", "Speicher2"} << QList<bool>{false, true};
        QTest::newRow("mixed") << "RSR" << QStringList{"Rechner1", "Rechner2", "Speicher3", "Rechner4"}
                               << QList<bool>{false, false, true, false};
        // Numbers are never reused: a closed window leaves a gap.
        QTest::newRow("after closing") << "RxR" << QStringList{"Rechner1", "Rechner3"} << QList<bool>{false, false};
    }
    void namesAndWidths()
    {
        QFETCH(QString, commands);
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, memoryWidth);
        auto frame = openFrame();
        for (QChar c : commands) {
            if (c == QLatin1Char('R'))
                frame->MNeuenRechner->trigger();
            else if (c == QLatin1Char('S'))
                frame->MNeuenSpeicher->trigger();
            else
                closeWindow(*frame, frame->windows().last());
        }
        QCOMPARE(::names(*frame), names);
        const QList<TRechnerForm*> windows = frame->windows();
        for (int i = 0; i < windows.size(); ++i)
            QCOMPARE(frame->subWindowOf(windows[i])->width() == 182, memoryWidth[i]);
        QCOMPARE(frame->WindowNames.strings(), names);
    }

    void linkListsFollowCreation()
    {
        auto frame = openFrame();
        frame->MNeuenSpeicherClick();
        frame->NewWindow(QStringLiteral("Rechner"), QStringLiteral("Kasse"));
        const QList<TRechnerForm*> w = frame->windows();
        QCOMPARE(kombiItems(w[0]), QStringList({"(kein Speicher)", "Speicher2", "Kasse"}));
        QCOMPARE(kombiItems(w[1]), QStringList({"(kein Speicher)", "Rechner1", "Kasse"}));
        QCOMPARE(kombiItems(w[2]), QStringList({"(kein Speicher)", "Rechner1", "Speicher2"}));
        QCOMPARE(w[2]->Kombi->itemData(1).toInt(), 1);
        QCOMPARE(w[0]->Kombi->itemData(2).toInt(), 3);
    }

    void sameNameTwiceKeepsWindowsApart()
    {
        auto frame = openFrame();
        TRechnerForm* a = frame->NewWindow(QStringLiteral("Speicher"), QStringLiteral("Kasse"));
        TRechnerForm* b = frame->NewWindow(QStringLiteral("Speicher"), QStringLiteral("Kasse"));
        QCOMPARE(kombiItems(a), QStringList({"(kein Speicher)", "Rechner1", "Kasse"}));
        QCOMPARE(a->Kombi->itemData(2).toInt(), b->FNummer);
        QCOMPARE(b->Kombi->itemData(2).toInt(), a->FNummer);
        QCOMPARE(frame->findWindow(b->FNummer), b);
    }

    void menuBarMergesActiveWindow()
    {
        auto frame = openFrame();
        QCOMPARE(barTitles(*frame), QStringList({"&Datei", "&Bearbeiten", "&Fenster", "?"}));
        QCOMPARE(frame->menuBar()->actions()[0]->menu(), frame->windows()[0]->HauptMenue[0]);
        closeWindow(*frame, frame->windows()[0]);
        QCOMPARE(barTitles(*frame), QStringList({"&Datei", "&Fenster", "?"}));
        QCOMPARE(menuLines(frame->HMDatei), QStringList({"Einstellungen &laden (aus)", "-", "&Beenden"}));
    }

    void menuCaptions_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("fenster");
        const QStringList head{"Über&lappend", "&Untereinander", "&Nebeneinander", "&Symbole anordnen",
                               "&Rahmen anpassen", "&Automatisch anpassen", "-", "Einstellungen &beibehalten", "-",
                               "Neuer &Rechner|Ctrl+R", "Neuer &Speicher|Ctrl+S", "&Benennen|Ctrl+N (aus)",
                               "&Löschen|Ctrl+L (aus)"};
        QTest::newRow("decimal") << 10 << head + QStringList{"&Alpha-Pad|Ctrl+A (aus)", "-", "&1 Rechner1 [x]"};
        QTest::newRow("base 11") << 11 << head + QStringList{"&Alpha-Pad|Ctrl+A", "-", "&1 Rechner1 [x]"};
        QTest::newRow("currency") << -4 << head + QStringList{"&Alpha-Pad|Ctrl+A (aus)", "-", "&1 Rechner1 [x]"};
    }
    void menuCaptions()
    {
        QFETCH(int, system);
        QFETCH(QStringList, fenster);
        auto frame = openFrame();
        frame->activateWindow();
        RechnerCore& core = frame->windows()[0]->core();
        core.SetSystem(system);
        core.SystChange();
        QCOMPARE(menuLines(frame->HMFenster), fenster);
        QCOMPARE(menuLines(frame->MHilfe), QStringList({"&Kurzanleitung (aus)", "Produktinformation (aus)", "Systeminformation (aus)"}));
    }

    void alphaPadNeedsAWindow()
    {
        auto frame = openFrame();
        frame->windows()[0]->core().SetSystem(16);
        frame->windows()[0]->core().SystChange();
        delete AlphaPad.data();
        QVERIFY(frame->MAlphaPad->isEnabled());
        frame->MAlphaPad->trigger();
        QVERIFY(AlphaPad);
        QVERIFY(AlphaPad->letterKey(5)->isEnabled());  // F
        QVERIFY(!AlphaPad->letterKey(6)->isEnabled()); // G
        closeWindow(*frame, frame->windows()[0]);
        emit frame->HMFenster->aboutToShow();
        QVERIFY(!frame->MAlphaPad->isEnabled());
    }

    void windowListActivatesByNumber()
    {
        auto frame = openFrame();
        frame->MNeuenSpeicherClick();
        QStringList lines = menuLines(frame->HMFenster).mid(15);
        QCOMPARE(lines, QStringList({"&1 Rechner1", "&2 Speicher2 [x]"}));
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
        QTest::newRow("fit Ja") << "RahmenAnpassen" << "Ja" << true;
        QTest::newRow("fit wahr") << "RahmenAnpassen" << " WAHR " << true;
        QTest::newRow("fit Nein") << "RahmenAnpassen" << "Nein" << false;
        QTest::newRow("keep missing") << "EinstellungenBeibehalten" << "" << false;
        QTest::newRow("keep Ja") << "EinstellungenBeibehalten" << "Ja" << true;
        QTest::newRow("keep 0") << "EinstellungenBeibehalten" << "0" << false;
    }
    void optionsArePersisted()
    {
        QFETCH(QString, setting);
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        WriteSetting(QStringLiteral("%"), setting, stored, false, true);
        auto frame = openFrame();
        QAction* option = setting == QLatin1String("RahmenAnpassen") ? frame->MRahmenAuto : frame->mnubeibehalten;
        QCOMPARE(option->isChecked(), ticked);
        option->trigger();
        QCOMPARE(option->isChecked(), !ticked);
        QCOMPARE(ReadSetting(QStringLiteral("%"), setting), ticked ? QStringLiteral("Nein") : QStringLiteral("Ja"));
        option->trigger();
        QCOMPARE(ReadSetting(QStringLiteral("%"), setting), ticked ? QStringLiteral("Ja") : QStringLiteral("Nein"));
    }

    void untickingKeepDeletesLastLayout()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("EinstellungenBeibehalten"), QStringLiteral("Ja"), false, true);
        const QString last = ExeDir() + QStringLiteral("$Zuletzt.zqe");
        QFile f(last);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        auto frame = openFrame();
        frame->mnubeibehaltenClick();
        QVERIFY(!QFile::exists(last));
        frame->mnubeibehaltenClick(); // ticking again writes nothing yet
        QVERIFY(!QFile::exists(last));
        QCOMPARE(ReadSetting(QStringLiteral("%"), QStringLiteral("EinstellungenBeibehalten")), QStringLiteral("Ja"));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
