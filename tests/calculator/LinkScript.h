#pragma once
// Drives the frame's windows the way a user links them, and reads back their pop-ups.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/ExeDir.h"
#include "tests/calculator/CoreScript.h"
#include "toolkit/SettingsStore.h"
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vdl::test {

// Settings and program folder of the running test function (and data row) alone, below dir.
inline void useOwnFolders(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag());
    QDir().mkpath(path);
    SettingsStore::setDir(path);
    setExeDir(path);
}

inline std::unique_ptr<TMDIForm> openFrame()
{
    auto frame = std::make_unique<TMDIForm>();
    frame->show(); // opens Rechner1
    // Once the frame is on the screen it seeds the default currencies.
    if (QTest::qWaitForWindowExposed(frame.get()))
        QCoreApplication::processEvents();
    return frame;
}

// The frame's menu bar shows an item of that caption ("W", "E").
inline bool menuShows(const TMDIForm& frame, const QString& item)
{
    for (const QAction* a : frame.menuBar()->actions())
        if (a->isVisible() && a->text() == item)
            return true;
    return false;
}

// The user picks the window numbered `memory` (0: "(kein Speicher)") in the link box.
inline void choose(TRechnerForm* window, int memory)
{
    const int index = window->Kombi->findData(memory);
    QVERIFY(index >= 0);
    window->Kombi->setCurrentIndex(index);
    emit window->Kombi->activated(index);
}

// As the close box does it: the window goes at once, its memory a moment later.
inline void closeWindow(TMDIForm& frame, TRechnerForm* window)
{
    frame.subWindowOf(window)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the pop-up and finds the item with this caption, in its submenus too; "Historie/Speichern"
// names an item of a submenu (null when there is none).
inline QAction* popupItem(QMenu* menu, const QString& path)
{
    emit menu->aboutToShow();
    const QString first = path.section(QLatin1Char('/'), 0, 0);
    const QString rest = path.section(QLatin1Char('/'), 1);
    for (QAction* action : menu->actions()) {
        if (action->text() == path)
            return action;
        if (action->menu() && (rest.isEmpty() || action->text() == first))
            if (QAction* inner = popupItem(action->menu(), action->text() == first ? rest : path))
                return inner;
    }
    return nullptr;
}

// The window switches to the system with this list code, its currency list closed.
inline void setSystem(TRechnerForm* window, int system)
{
    chooseSystem(window->core(), system);
    window->popWaehrung()->hide();
}

// The items a pop-up shows when opened, greyed ones marked " (aus)".
inline QStringList shownItems(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible())
            items << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (aus)"));
    }
    return items;
}

} // namespace vdl::test
