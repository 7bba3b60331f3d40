// The frame: its windows, their numbering and names, their views of the model, and the list
// of open windows at the end of "&Fenster".
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace vdl {

TRechnerForm* TMDIForm::NewWindow(const QString& Typ, const QString& Name)
{
    // From here on every other window's list offers it.
    const int nummer = m_model.add(Typ, Name);
    auto* window = new TRechnerForm;
    window->setHost(this);
    window->FNummer = nummer;
    window->SetTyp(Typ);
    connect(window, &TRechnerForm::fitFrameRequested, this, &TMDIForm::MRahmenanpassenClick);
    connect(&window->core(), &RechnerCore::changed, this, &TMDIForm::HMFensterClick);

    const Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* active = mdiArea->activeSubWindow();
    QMdiSubWindow* sub = joinArea(window, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    QSize size = sub->sizeHint();
    if (m_model.isMemoryType(nummer))
        size.setWidth(182);
    sub->setFixedSize(size);
    connect(sub, &QObject::destroyed, this, [this, nummer](QObject* gone) { windowClosed(nummer, gone); });
    if (m_holdingWindows) {
        // A layout's windows wait hidden until all are made: each one shown on its own would be
        // placed clear of, and activated against, every window shown before it. No event loop
        // runs between them, so what Qt posted for this one (a style request for each control,
        // layout passes) runs now, as the loop would run it: left waiting, the queue would grow
        // with every window, and Qt searches all of it for each event posted to a control that
        // has one waiting.
        sub->setWindowFlags(flags); // shown with the others, it is activated in its place
        QCoreApplication::sendPostedEvents();
    } else {
        showNewWindow(sub, active, flags);
    }
    m_windows.insert(nummer, window);
    m_byCore.insert(&window->core(), window);
    // Its caption and the other windows in its list; in a batch, at its end with the others'.
    if (!m_model.batching())
        window->renderModel(m_model);
    EnableTimer1();
    return window;
}

// Joining the area and again when it is activated, a window is raised past the shown windows
// that stay on top (a window's system menu can make it one), and Qt finds them by looking up
// each window of the area in its list of windows: a search that grows with the square of the
// count. One that stays on top itself is just raised, so the window does until it is shown.
// Qt would also look for the spot it covers least by trying every window's corners against
// every window; the frame places it itself (newWindowPlace), and meanwhile Qt takes no shown
// window for placed.
QMdiSubWindow* TMDIForm::joinArea(TRechnerForm* window, Qt::WindowFlags flags)
{
    QList<QMdiSubWindow*> placed;
    if (!m_holdingWindows) {
        for (QMdiSubWindow* other : mdiArea->subWindowList()) {
            if (other->testAttribute(Qt::WA_Moved)) {
                other->setAttribute(Qt::WA_Moved, false);
                placed << other;
            }
        }
    }
    QMdiSubWindow* sub = mdiArea->addSubWindow(window, flags | Qt::WindowStaysOnTopHint);
    for (QMdiSubWindow* other : std::as_const(placed))
        other->setAttribute(Qt::WA_Moved);
    return sub;
}

void TMDIForm::showNewWindow(QMdiSubWindow* sub, QMdiSubWindow* active, Qt::WindowFlags flags)
{
    // Its controls take their style while it is hidden, from the window alone: asking Qt to
    // send what is pending would search all that is pending.
    sub->ensurePolished();
    sub->move(newWindowPlace(sub->size(), active));
    // Qt raises the window that gives way to it as well, by the same search: it stays on top
    // for that moment too. Then both take their places under the windows kept on top.
    const bool holdActive = active && !active->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (holdActive)
        active->setWindowFlag(Qt::WindowStaysOnTopHint);
    sub->show();
    if (holdActive) {
        active->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        stackUnderKeptOnTop(active);
    }
    sub->setWindowFlags(flags);
    stackUnderKeptOnTop(sub);
    // Typing goes to the new window's tape, never into its system list.
    sub->widget()->setFocus();
    // Qt measures the title anew in every layout pass of an inner window, and a new one has
    // several pending; they run now, while it has no title yet, and it is named after them.
    QCoreApplication::sendPostedEvents(sub, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(sub->widget(), QEvent::LayoutRequest);
}

void TMDIForm::stackUnderKeptOnTop(QMdiSubWindow* sub)
{
    // The lowest of them comes first, from the bottom up.
    for (QObject* child : mdiArea->viewport()->children()) {
        auto* other = qobject_cast<QMdiSubWindow*>(child);
        if (other && other != sub && !other->isHidden() && other->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            sub->stackUnder(other);
            return;
        }
    }
}

void TMDIForm::MNeuenRechnerClick()
{
    NewWindow(windowTypeText(WindowType::Rechner), QString());
}

void TMDIForm::MNeuenSpeicherClick()
{
    NewWindow(windowTypeText(WindowType::Speicher), QString());
}

void TMDIForm::RemoveWindowName(int Nummer)
{
    m_model.remove(Nummer);
    EnableTimer1();
}

void TMDIForm::windowClosed(int Nummer, const QObject* gone)
{
    if (m_destroying)
        return;
    // Qt says a window is gone from inside its destructor, before guards on it are cleared:
    // from here on it is never the active one.
    if (m_lastActive == gone)
        m_lastActive.clear();
    if (TRechnerForm* window = m_windows.take(Nummer))
        m_byCore.remove(&window->core());
    RemoveWindowName(Nummer); // a window that went without closing first
    if (mdiArea->subWindowList().isEmpty())
        mergeMenus(nullptr);
    HMFensterClick();
}

void TMDIForm::showModel()
{
    if (m_destroying)
        return;
    // Only the windows the change touched, in the model's order.
    const WindowModel::Change change = m_model.lastChange();
    if (change.windows)
        WindowNames.clear();
    for (const WindowEntry& entry : m_model.entries()) {
        if (change.windows)
            WindowNames.add(entry.name, entry.number);
        if (!change.touched.contains(entry.number))
            continue;
        if (TRechnerForm* window = m_windows.value(entry.number))
            window->renderModel(m_model, &change.renamed);
    }
}

void TMDIForm::EnableTimer1()
{
    if (!Timer1->isActive())
        Timer1->start();
}

QList<TRechnerForm*> TMDIForm::windows() const
{
    QList<TRechnerForm*> list;
    for (const WindowEntry& entry : m_model.entries()) {
        if (TRechnerForm* window = m_windows.value(entry.number))
            list << window;
    }
    return list;
}

TRechnerForm* TMDIForm::activeWindow() const
{
    // A click into the letter keypad deactivates the frame and with it every window; the
    // window active before still counts as the active one.
    QMdiSubWindow* sub = mdiArea->activeSubWindow();
    if (!sub)
        sub = qobject_cast<QMdiSubWindow*>(m_lastActive);
    if (sub)
        return qobject_cast<TRechnerForm*>(sub->widget());
    // Otherwise the window made last: asked at every change of any window's core, this looks
    // at the last windows only.
    const QList<WindowEntry>& entries = m_model.entries();
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (TRechnerForm* window = m_windows.value(entry->number))
            return window;
    }
    return nullptr;
}

TRechnerForm* TMDIForm::findWindow(int Nummer) const
{
    // A window that is closing has left the model already.
    return m_model.find(Nummer) ? m_windows.value(Nummer) : nullptr;
}

TRechnerForm* TMDIForm::formOf(const RechnerCore& core) const
{
    return m_byCore.value(&core);
}

QMdiSubWindow* TMDIForm::subWindowOf(const TRechnerForm* window) const
{
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

void TMDIForm::showWindow(int Nummer)
{
    if (QMdiSubWindow* sub = subWindowOf(findWindow(Nummer))) {
        sub->show();
        mdiArea->setActiveSubWindow(sub);
    }
}

void TMDIForm::placeBeside(int Nummer, int Beside)
{
    QMdiSubWindow* beside = subWindowOf(findWindow(Beside));
    if (QMdiSubWindow* sub = subWindowOf(findWindow(Nummer)); sub && beside)
        sub->move(beside->x() + beside->width(), beside->y());
}

void TMDIForm::closeWindow(int Nummer)
{
    if (Nummer != 0) {
        if (QMdiSubWindow* sub = subWindowOf(findWindow(Nummer)))
            sub->close();
        return;
    }
    // From a snapshot: each close changes the list of windows. The windows left see one
    // change at the end. The window active last goes last: closing it activates the next
    // one, which would take the keyboard, and so on along every window.
    WindowModel::Batch batch(m_model);
    QList<QPointer<QMdiSubWindow>> open;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder))
        open << sub;
    // They leave the screen together: hiding one by one would search Qt's list of what is to
    // be painted again for every control of every window.
    changeWindowsTogether([&] {
        for (const QPointer<QMdiSubWindow>& sub : open) {
            if (sub)
                sub->close();
        }
    });
}

void TMDIForm::changeWindowsTogether(const std::function<void()>& change)
{
    // The area's scroll bars follow once all is done: each window shown or hidden meanwhile
    // would measure all windows left, every time.
    const Qt::ScrollBarPolicy across = mdiArea->horizontalScrollBarPolicy();
    const Qt::ScrollBarPolicy down = mdiArea->verticalScrollBarPolicy();
    mdiArea->viewport()->hide();
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    change();
    mdiArea->viewport()->show();
    mdiArea->setHorizontalScrollBarPolicy(across);
    mdiArea->setVerticalScrollBarPolicy(down);
}

bool TMDIForm::sendToActiveWindow(const QString& Text, bool FromButton)
{
    TRechnerForm* window = activeWindow();
    if (!window)
        return false;
    window->InputProcessing(Text, FromButton);
    activateWindow();
    return true;
}

void TMDIForm::fillWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const TRechnerForm* active = activeWindow();
    int n = 0;
    for (const WindowEntry& entry : m_model.entries()) {
        const TRechnerForm* window = m_windows.value(entry.number);
        if (!window)
            continue;
        ++n;
        const QString prefix = n < 10 ? QStringLiteral("&%1 ").arg(n) : QStringLiteral("%1 ").arg(n);
        QAction* action = HMFenster->addAction(prefix + entry.name);
        action->setCheckable(true);
        action->setChecked(window == active);
        connect(action, &QAction::triggered, this, [this, nummer = entry.number] {
            if (QMdiSubWindow* sub = subWindowOf(findWindow(nummer))) {
                sub->showNormal();
                mdiArea->setActiveSubWindow(sub);
            }
        });
        m_windowListActions << action;
    }
}

} // namespace vdl
