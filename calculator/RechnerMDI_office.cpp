// The frame: the office hand-off items "W" and "E" and their poll.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "toolkit/vdlTools_dateedit.h"
#include <QAction>
#include <QTimer>

namespace vdl {

namespace {
QString activeDisplay(const TMDIForm& frame)
{
    const TRechnerForm* window = frame.activeWindow();
    return window ? window->core().EAnzeige : QString();
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
    Office.W1Click(activeDisplay(*this), CtrlOrAltDown());
}

void TMDIForm::E1Click()
{
    Office.E1Click(activeDisplay(*this), CtrlOrAltDown());
}

} // namespace vdl
