// The frame: what the windows ask of it (active window, keypad, currencies, links).
#include "calculator/AlphaPad.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>

namespace vdl {

TRechnerForm* TMDIForm::formOf(const RechnerCore& core) const
{
    for (TRechnerForm* window : windows()) {
        if (&window->core() == &core)
            return window;
    }
    return nullptr;
}

// The window chosen in the link list, or none.
TRechnerForm* TMDIForm::memoryOf(const TRechnerForm* window) const
{
    const QComboBox* kombi = window->Kombi;
    return kombi->currentIndex() > 0 ? findWindow(kombi->currentData().toInt()) : nullptr;
}

// Visits the memories down the chain of links from start; links may form a cycle, so every
// window is visited once at most.
template <class Visit>
void TMDIForm::followLinks(TRechnerForm* start, Visit visit)
{
    if (!start)
        return;
    QSet<int> visited{start->FNummer};
    for (TRechnerForm* memory = memoryOf(start); memory && !visited.contains(memory->FNummer);
         memory = memoryOf(memory)) {
        visited.insert(memory->FNummer);
        visit(memory);
    }
}

bool TMDIForm::isActiveChild(const RechnerCore& core)
{
    const TRechnerForm* active = activeWindow();
    return active && &active->core() == &core;
}

void TMDIForm::passKeyToCalculators(RechnerCore& core, const QString& text)
{
    const TRechnerForm* source = formOf(core);
    if (!source)
        return;
    for (TRechnerForm* window : windows()) {
        if (memoryOf(window) != source)
            continue;
        window->InputProcessing(text, false);
        if (QMdiSubWindow* sub = subWindowOf(window)) {
            sub->show();
            mdiArea->setActiveSubWindow(sub);
        }
    }
}

void TMDIForm::updateAlphaPad(RechnerCore& core)
{
    if (AlphaPad) {
        AlphaPad->SetBase(core.FSystem);
        return;
    }
    if (core.FSystem <= 10)
        return;
    auto* pad = new TAlphaPadForm(this);
    pad->SetBase(core.FSystem);
    pad->show();
    // Typing goes on in the window, not in the keypad that just appeared.
    activateWindow();
    if (TRechnerForm* window = formOf(core))
        window->keys[RechnerCore::BIst]->setFocus();
}

void TMDIForm::releaseAlphaPad(RechnerCore&)
{
    if (!AlphaPad)
        return;
    for (const TRechnerForm* window : windows()) {
        if (window->core().FSystem > 10)
            return;
    }
    // The keypad may be the sender of the very input that got here; it goes once that is done.
    TAlphaPadForm* pad = AlphaPad;
    AlphaPad = nullptr;
    pad->hide();
    pad->deleteLater();
}

void TMDIForm::refreshCurrencies(RechnerCore& core)
{
    Currencies.Fill(core.PnlWaehrung.visible ? core.PnlWaehrung.Tag : -1);
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
    followLinks(formOf(core), [](TRechnerForm* memory) {
        RechnerCore& c = memory->core();
        if (c.FSystem == -4) {
            c.SetSystem(10);
            c.SystChange();
        }
    });
}

void TMDIForm::clearTapesDownChain(RechnerCore& core)
{
    followLinks(formOf(core), [](TRechnerForm* memory) { memory->core().ClearTape(); });
}

} // namespace vdl
