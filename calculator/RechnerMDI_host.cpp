// The frame: what the windows ask of it (active window, keypad, currencies, links).
#include "calculator/AlphaPad.h"
#include "calculator/MemoryLink.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/Application.h"
#include <QPushButton>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <utility>
#include <QSet>

namespace vdl {

namespace {
// Between the keypad and the window it opens beside.
constexpr int PadGap = 4;
// How often and how long after one another the keypad's place is checked (two seconds).
constexpr int PadChecks = 20;
constexpr int PadCheckMs = 100;

int numberOf(const TRechnerForm* window)
{
    return window ? window->FNummer : 0;
}
} // namespace

bool TMDIForm::isActiveChild(const RechnerCore& core)
{
    const TRechnerForm* active = activeWindow();
    return active && &active->core() == &core;
}

void TMDIForm::passKeyToCalculators(RechnerCore& core, const QString& text)
{
    const int source = numberOf(formOf(core));
    if (!source)
        return;
    for (const WindowEntry& entry : m_model.entries()) {
        TRechnerForm* window = entry.memory == source ? findWindow(entry.number) : nullptr;
        if (!window)
            continue;
        window->InputProcessing(text, false);
        showWindow(entry.number);
    }
}

void TMDIForm::updateAlphaPad(RechnerCore& core)
{
    if (AlphaPad) {
        AlphaPad->SetBase(core.FSystem);
        return;
    }
    if (!NumberSystem::hasLetterDigits(core.FSystem))
        return;
    const TRechnerForm* window = formOf(core);
    openAlphaPad(core.FSystem, numberOf(window));
    // Typing goes on in the window, not in the keypad that just appeared.
    activateWindow();
    if (window)
        window->keys[RechnerCore::BIst]->setFocus();
}

void TMDIForm::openAlphaPad(int system, int beside)
{
    auto* pad = new TAlphaPadForm(this, this);
    pad->SetBase(system);
    connect(pad, &TAlphaPadForm::leaving, this, [this](QPoint place) { m_padPlace = place; });
    // Until the frame stands in its place, so do its windows: the keypad waits for it.
    if (!m_settled) {
        m_pendingPads.append({pad, beside});
        return;
    }
    showAlphaPad(pad, beside);
}

void TMDIForm::showAlphaPad(TAlphaPadForm* pad, int beside)
{
    const QPoint at = placeAlphaPad(*pad, beside);
    pad->show();
    // Once the window manager reports it at its place, the place is the user's to change: a
    // move right after it appeared is not undone.
    auto placed = std::make_shared<bool>(false);
    QWindow* handle = pad->windowHandle();
    const auto reported = [handle, at, placed] {
        if (!handle->frameMargins().isNull() && handle->framePosition() == at)
            *placed = true;
    };
    connect(handle, &QWindow::xChanged, pad, reported);
    connect(handle, &QWindow::yChanged, pad, reported);
    holdAlphaPadAt(pad, at, placed, PadChecks);
}

// The window manager may place a window of its own accord as it first frames it: once it has
// framed the keypad, the keypad is asked to its place again until it stands there, for a
// while at most.
void TMDIForm::holdAlphaPadAt(const QPointer<TAlphaPadForm>& pad, QPoint at, const std::shared_ptr<bool>& placed,
                              int checks)
{
    QTimer::singleShot(PadCheckMs, this, [this, pad, at, placed, checks] {
        if (!pad || !pad->isVisible() || !pad->windowHandle() || checks <= 0 || *placed)
            return;
        QWindow* handle = pad->windowHandle();
        if (!handle->frameMargins().isNull()) {
            if (handle->framePosition() == at)
                return;
            handle->setFramePosition(at);
        }
        holdAlphaPadAt(pad, at, placed, checks - 1);
    });
}

void TMDIForm::showPendingAlphaPads()
{
    const QList<PendingPad> pending = std::exchange(m_pendingPads, {});
    for (const PendingPad& entry : pending) {
        if (!entry.pad)
            continue;
        showAlphaPad(entry.pad, entry.beside);
    }
}

// The keypad comes back where it was last while the program runs, unless it would cover the
// window it serves there; otherwise it opens beside that window, to its right, else to its
// left, inside the screen and clear of any other keypad.
QPoint TMDIForm::placeAlphaPad(TAlphaPadForm& pad, int beside)
{
    const QRect screen(QPoint(0, 0), screenSize());
    // Its window manager's frame is not known before it is first shown; the frame's own is a
    // fair guess.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize outer = pad.size().grownBy(margins);

    QRect window;
    if (const QMdiSubWindow* sub = subWindowOf(findWindow(beside)))
        window = QRect(sub->mapToGlobal(QPoint(0, 0)), sub->size());
    QList<QRect> others;
    for (TAlphaPadForm* other : findChildren<TAlphaPadForm*>()) {
        if (other != &pad && other->isVisible())
            others << other->frameGeometry();
    }
    const auto free = [&](const QRect& r) {
        if (!screen.contains(r) || r.intersects(window))
            return false;
        return std::none_of(others.begin(), others.end(), [&](const QRect& o) { return o.intersects(r); });
    };
    const int top = std::clamp(window.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - outer.height()));
    const QRect right(QPoint(window.right() + 1 + PadGap, top), outer);
    const QRect left(QPoint(window.left() - PadGap - outer.width(), top), outer);
    QList<QRect> places;
    if (m_padPlace)
        places << QRect(*m_padPlace, outer);
    places << right << left;
    QPoint at = keptInside(right.topLeft() - screen.topLeft(), outer, screen.size()) + screen.topLeft();
    for (const QRect& place : std::as_const(places)) {
        if (free(place)) {
            at = place.topLeft();
            break;
        }
    }
    pad.move(at);
    return at;
}

void TMDIForm::releaseAlphaPad(RechnerCore&)
{
    if (!AlphaPad)
        return;
    for (const TRechnerForm* window : std::as_const(m_windows)) {
        if (NumberSystem::hasLetterDigits(window->core().FSystem))
            return;
    }
    // The keypad may be the sender of the very input that got here; it goes once that is done.
    TAlphaPadForm* pad = AlphaPad;
    AlphaPad = nullptr;
    pad->hide();
    pad->deleteLater();
}

void TMDIForm::refreshCurrencies(RechnerCore&)
{
    // Until the default currencies are stored, which happens once the frame is on the screen,
    // the windows of the start layout see them all the same.
    Currencies.Fill(!m_currenciesStored);
    // A window keeps the currency it shows, wherever the lists read anew now put its name
    // (nowhere when it was deleted, so that its rate is not taken from another currency).
    for (TRechnerForm* window : std::as_const(m_windows)) {
        RechnerCore::CurrencyPanel& panel = window->core().PnlWaehrung;
        if (panel.visible)
            panel.Tag = Currencies.CurrencyNames.indexOf(panel.hint);
    }
}

bool TMDIForm::currencyAt(int index, CurrencyEntry& entry)
{
    if (index < 0 || index >= Currencies.count())
        return false;
    const QStringList fields = Currencies.Fields(index);
    entry = {Currencies.Name(index), fields[0], fields[1]};
    return true;
}

long double TMDIForm::CurrencyRate(const RechnerCore& Window) const
{
    return Currencies.Rate(Window.PnlWaehrung.Tag);
}

void TMDIForm::leaveCurrencyDownChain(RechnerCore& core)
{
    // The memories' own system changes ask again; the walk under way already covers them.
    if (m_walking)
        return;
    const QScopedValueRollback walking(m_walking, true);
    m_model.walk(numberOf(formOf(core)), [this](int number) {
        TRechnerForm* memory = findWindow(number);
        if (!memory)
            return false;
        RechnerCore& c = memory->core();
        if (c.FSystem == NumberSystem::Currency) {
            c.SetSystem(NumberSystem::Decimal);
            c.SystChange();
        }
        return true;
    });
}

void TMDIForm::clearTapesDownChain(RechnerCore& core)
{
    m_model.walk(numberOf(formOf(core)), [this](int number) {
        TRechnerForm* memory = findWindow(number);
        if (memory)
            memory->core().ClearTape();
        return memory != nullptr;
    });
}

// ---- Memory keys and automatic transfer ---------------------------------------------------

// One step of automatic transfer on its way down the chain of links.
struct TMDIForm::TransferStep {
    const RechnerCore* from = nullptr; // the window handing it on
    bool passed = false;               // it did hand one on
    QString text;                      // operand in the sender's system; empty repeats the last
    QString op;
    unsigned char pending = '+';       // the sender's pending operator, applied to the operand
};

void TMDIForm::memoryOperation(RechnerCore& core, const QString& op)
{
    TRechnerForm* window = formOf(core);
    if (!window)
        return;
    // What the memory passes on must not come back into this window while it is sending.
    const QScopedValueRollback sending(m_sending);
    m_sending.insert(window->FNummer);
    window->MemoryOperation(op);
}

void TMDIForm::passToMemory(RechnerCore& core, const QString& text, const QString& op)
{
    // A memory reached by the walk under way hands its own step on through that walk.
    if (m_transfer) {
        if (&core == m_transfer->from)
            *m_transfer = {&core, true, text, op, core.FOperator};
        return;
    }
    TransferStep step{&core, true, text, op, core.FOperator};
    const QScopedValueRollback transferring(m_transfer, &step);
    m_model.walk(numberOf(formOf(core)), [&](int number) {
        TRechnerForm* memory = findWindow(number);
        if (!memory)
            return false;
        const TransferStep arriving = step;
        step = {&memory->core(), false, QString(), QString(), '+'};
        return deliver(arriving, memory->core()) && step.passed;
    }, m_sending);
}

// Hands one step to a memory; false when it could not take it.
bool TMDIForm::deliver(const TransferStep& step, RechnerCore& memory)
{
    QString operand;
    if (!step.text.isEmpty()) {
        const RechnerCore& from = *step.from;
        if (!ConvertValue(step.text, from.FSystem, memory.FSystem, isFactorOperator(step.pending),
                          [&] { return CurrencyRate(from); }, [&] { return CurrencyRate(memory); }, operand))
            return false; // the warning is shown; nothing goes on
        if (operand.isEmpty())
            operand = QStringLiteral("0"); // no digits for it there
    }
    try {
        takeStep(memory, step.pending, operand, step.op);
    } catch (const std::exception& e) {
        // The sender's own step stands; the memory's error is shown as its own key would show it.
        Application::showException(e);
        return false;
    }
    return true;
}

} // namespace vdl
