// The frame: the office hand-off items "W" and "E" and their poll.
#include "calculator/Codes.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "toolkit/vdlTools_dateedit.h"
#include <QAction>
#include <QTimer>

namespace vdl {

namespace {
// The active window's display and its number system; an empty display without a window.
std::pair<QString, int> activeDisplay(const TMDIForm& frame)
{
    const TRechnerForm* window = frame.activeWindow();
    if (!window)
        return {QString(), NumberSystem::Decimal};
    return {window->core().EAnzeige, window->core().FSystem};
}
} // namespace

void TMDIForm::startOfficePoll()
{
    connect(W1, &QAction::triggered, this, &TMDIForm::W1Click);
    connect(E1, &QAction::triggered, this, &TMDIForm::E1Click);
    WordTimer = new QTimer(this);
    WordTimer->setInterval(2000);
    connect(WordTimer, &QTimer::timeout, this, &TMDIForm::WordTimerTimer);
    WordTimer->start();
}

void TMDIForm::WordTimerTimer()
{
    // The menu bar follows each item's visibility by itself.
    W1->setVisible(Office.WordAvailable());
    E1->setVisible(Office.ExcelAvailable());
}

void TMDIForm::W1Click()
{
    const auto [display, system] = activeDisplay(*this);
    Office.W1Click(display, system, CtrlOrAltDown());
}

void TMDIForm::E1Click()
{
    const auto [display, system] = activeDisplay(*this);
    Office.E1Click(display, system, CtrlOrAltDown());
}

} // namespace vdl
