// Memory links of a window: the link box and the lists of the others, the memory keys, new
// linked windows, automatic transfer with its pop-ups, and what closing a window does to the
// links of the others. Windows are told apart by their running number, never by caption.
#include "calculator/AlphaPad.h"
#include "calculator/MemoryLink.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/NumText.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace vdl {

namespace {

RateReader rateOf(const RechnerCore& window)
{
    return [&window] { return MDIForm->CurrencyRate(window); };
}

// A window the user has just linked takes the system and decimal places of the window it was
// made for, which then comes to the front again. The full change of system, so that a new
// window in the currency system has a currency to convert with and a calculator's keys fit.
void takeOverSettings(TRechnerForm& self, TRechnerForm& window)
{
    const RechnerCore& mine = self.core();
    window.core().ChangeSystem(mine.FSystem, qMax(mine.PnlWaehrung.Tag, 0));
    window.core().SetNK(mine.FNK);
    if (QMdiSubWindow* sub = MDIForm->subWindowOf(&self)) {
        sub->show();
        MDIForm->mdiArea->setActiveSubWindow(sub);
    }
}

} // namespace

// ---- Menus ------------------------------------------------------------------------------

void TRechnerForm::addAutomatikMenu(QMenu* menu, QAction*& ein, QAction*& aus)
{
    QMenu* automatik = menu->addMenu(QStringLiteral("Automatik"));
    ein = automatik->addAction(QStringLiteral("Einschalten"));
    aus = automatik->addAction(QStringLiteral("Ausschalten"));
    connect(ein, &QAction::triggered, this, &TRechnerForm::AutoEinClick);
    connect(aus, &QAction::triggered, this, &TRechnerForm::AutoAusClick);
}

void TRechnerForm::buildLinkMenus()
{
    const auto item = [this](QMenu* menu, const char* caption, void (TRechnerForm::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        connect(action, &QAction::triggered, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
        return action;
    };
    MNRechnerV = item(PSpeicher(), "Neuen &Rechner verbinden", &TRechnerForm::MNRechnerVClick);
    MNSpeicherV = item(PSpeicher(), "Neuen &Speicher verbinden", &TRechnerForm::MNSpeicherVClick);
    MSpeicherTrennen = item(PSpeicher(), "Speicher &trennen", &TRechnerForm::MSpeicherTrennenClick);
    MSpeicherLoeschen = item(PSpeicher(), "Speicher &löschen", &TRechnerForm::MSpeicherLoeschenClick);
    PSpeicher()->addSeparator();
    addAutomatikMenu(PSpeicher(), MAutoEin, MAutoAus);
    connect(PSpeicher(), &QMenu::aboutToShow, this, &TRechnerForm::PSpeicherPopup);
    connect(PAutoMemo(), &QMenu::aboutToShow, this, &TRechnerForm::PSpeicherPopup);

    AutoSys = AutoSysPopup()->addAction(QStringLiteral("Automatisch umrechnen in"));
    AutoSysPopup()->setDefaultAction(AutoSys);
    const struct {
        QAction* TRechnerForm::*item;
        const char* caption;
        int system;
    } systems[] = {
        {&TRechnerForm::Auto2, "Dualsystem", NumberSystem::Binary},
        {&TRechnerForm::Auto4, "Quartalsystem", NumberSystem::Quaternary},
        {&TRechnerForm::Auto8, "Oktalsystem", NumberSystem::Octal},
        {&TRechnerForm::Auto10, "Dezimalsystem", NumberSystem::Decimal},
        {&TRechnerForm::Auto16, "Hexadezimalsystem", NumberSystem::Hexadecimal},
        {&TRechnerForm::AutoRom, "Römische Zahlen", NumberSystem::Roman},
        {&TRechnerForm::AutoDatum, "Datum", NumberSystem::Date},
        // A decimal memory: dates arrive as day numbers.
        {&TRechnerForm::AutoMDat, "Math. Datum", NumberSystem::Decimal},
    };
    for (const auto& s : systems) {
        QAction* action = AutoSysPopup()->addAction(QString::fromUtf8(s.caption));
        const int system = s.system;
        connect(action, &QAction::triggered, this, [this, system] { guarded([&] { Automatik(system, -1); }); });
        this->*s.item = action;
    }
    connect(AutoSysPopup(), &QMenu::aboutToShow, this, &TRechnerForm::AutoSysPopupPopup);
}

void TRechnerForm::PSpeicherPopup()
{
    const bool linked = Kombi->currentIndex() > 0;
    const bool on = m_core.FSpeicherautomatik;
    MNRechnerV->setEnabled(!linked);
    MNSpeicherV->setEnabled(!linked);
    MSpeicherTrennen->setEnabled(linked);
    MSpeicherLoeschen->setEnabled(linked);
    for (QAction* ein : {MAutoEin, AutoEin})
        ein->setEnabled(linked && !on);
    for (QAction* aus : {MAutoAus, AutoAus})
        aus->setEnabled(linked && on);
}

void TRechnerForm::AutoSysPopupPopup()
{
    const bool linked = Kombi->currentIndex() > 0;
    for (QAction* action : AutoSysPopup()->actions())
        action->setEnabled(!linked);
    const int system = m_core.FSystem;
    const std::pair<QAction*, int> own[] = {
        {Auto2, NumberSystem::Binary},        {Auto4, NumberSystem::Quaternary}, {Auto8, NumberSystem::Octal},
        {Auto10, NumberSystem::Decimal},      {Auto16, NumberSystem::Hexadecimal},
        {AutoRom, NumberSystem::Roman},       {AutoDatum, NumberSystem::Date}};
    for (const auto& [action, code] : own) {
        if (code == system)
            action->setEnabled(false);
        // A date converts into a decimal memory only, as its day number.
        action->setVisible(system != NumberSystem::Date);
    }
    AutoMDat->setVisible(system == NumberSystem::Date);
    FillAutoCurrencyMenu();
}

void TRechnerForm::FillAutoCurrencyMenu()
{
    const QList<QAction*> items = AutoSysPopup()->actions();
    for (qsizetype i = items.size() - 1; i >= 9; --i)
        delete items[i];
    RechnerHost* host = m_core.host();
    if (!host)
        return;
    host->refreshCurrencies(m_core);
    if (Kombi->currentIndex() <= 0)
        addCurrencyItems(AutoSysPopup(), [this](int index) { AutoWaehrungClick(index); });
}

void TRechnerForm::addCurrencyItems(QMenu* menu, const std::function<void(int)>& choose)
{
    RechnerHost* host = m_core.host();
    CurrencyEntry entry;
    for (int i = 0; host && host->currencyAt(i, entry); ++i) {
        if (m_core.PnlWaehrung.visible && m_core.PnlWaehrung.Tag == i)
            continue;
        QString caption = entry.name + QStringLiteral("  (") + entry.rate + QLatin1Char(')');
        QAction* item = menu->addAction(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
        connect(item, &QAction::triggered, this, [this, choose, i] { guarded([&] { choose(i); }); });
    }
}

// ---- Linking ----------------------------------------------------------------------------

TRechnerForm* TRechnerForm::memoryWindow() const
{
    return MDIForm && Kombi->currentIndex() > 0 ? MDIForm->findWindow(Kombi->currentData().toInt()) : nullptr;
}

void TRechnerForm::KombiChange()
{
    // The former memory may choose this window again; the new one may not, so that it
    // cannot link straight back.
    if (TRechnerForm* former = MDIForm ? MDIForm->findWindow(FSpeicher) : nullptr;
        former && former->Kombi->findData(FNummer) < 0)
        former->Kombi->addItem(windowTitle(), FNummer);
    TRechnerForm* memory = memoryWindow();
    if (memory) {
        const int item = memory->Kombi->findData(FNummer);
        if (item > 0)
            memory->Kombi->removeItem(item);
    }
    if (!memory) {
        FSpeicher = 0;
        m_core.setMemoryKeysEnabled(false);
        AutoAusClick();
    } else {
        FSpeicher = memory->FNummer;
        m_core.setMemoryKeysEnabled(true);
        if (hasWindowType(m_core.FTyp, WindowType::Speicher))
            AutoEinClick(); // a memory that links onward passes everything on
    }
}

void TRechnerForm::FormActivate()
{
    if (m_core.isCalculator() && AlphaPad)
        AlphaPad->SetBase(m_core.FSystem);
}

TRechnerForm* TRechnerForm::newLinkedWindow(const QString& Typ)
{
    TRechnerForm* window = MDIForm->NewWindow(Typ, QString());
    Kombi->setCurrentIndex(Kombi->count() - 1);
    KombiChange();
    // It stands at the right beside this window.
    QMdiSubWindow* mine = MDIForm->subWindowOf(this);
    if (QMdiSubWindow* sub = MDIForm->subWindowOf(window); sub && mine)
        sub->move(mine->x() + mine->width(), mine->y());
    return window;
}

void TRechnerForm::MNSpeicherVClick()
{
    takeOverSettings(*this, *newLinkedWindow(windowTypeText(WindowType::Speicher)));
}

void TRechnerForm::MNRechnerVClick()
{
    takeOverSettings(*this, *newLinkedWindow(windowTypeText(WindowType::Rechner)));
}

void TRechnerForm::MSpeicherTrennenClick()
{
    Kombi->setCurrentIndex(0);
    KombiChange();
}

void TRechnerForm::MSpeicherLoeschenClick()
{
    TRechnerForm* memory = memoryWindow();
    if (!memory)
        return;
    // Its close unlinks every window that had chosen it, this one too.
    if (QMdiSubWindow* sub = MDIForm->subWindowOf(memory))
        sub->close();
    else
        memory->close();
    MDIForm->EnableTimer1();
    KombiChange();
}

// ---- Memory keys ------------------------------------------------------------------------

void TRechnerForm::MemoryOperation(const QString& Op)
{
    // A memory key without a link first makes a memory for it.
    if (Kombi->currentIndex() <= 0 && MDIForm)
        MNSpeicherVClick();
    if (TRechnerForm* memory = memoryWindow())
        MemoryKey(m_core, memory->core(), Op, rateOf(m_core), rateOf(memory->core()));
}

// ---- Automatic transfer -----------------------------------------------------------------

void TRechnerForm::AutoEinClick()
{
    if (Kombi->currentIndex() > 0)
        m_core.setAutoTransfer(true);
}

void TRechnerForm::AutoAusClick()
{
    m_core.setAutoTransfer(false);
}

void TRechnerForm::SetAutoMemory(bool Value)
{
    if (Value)
        AutoEinClick();
    else
        AutoAusClick();
}

void TRechnerForm::Automatik(int System, int CurrencyIndex)
{
    TRechnerForm* memory = newLinkedWindow(windowTypeText(WindowType::Speicher));
    AutoEinClick();
    memory->core().ChangeSystem(System, qMax(CurrencyIndex, 0));
    if (NumberSystem::hasDecimals(System))
        memory->core().SetNK(m_core.FNKDezimal);
}

void TRechnerForm::AutoWaehrungClick(int Index)
{
    Automatik(NumberSystem::Currency, Index);
    // This window computes in a currency too, in the first one of the list.
    if (m_core.FSystem != NumberSystem::Currency)
        m_core.ChangeSystem(NumberSystem::Currency, 0);
}

// ---- Closing ----------------------------------------------------------------------------

void TRechnerForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TRechnerForm::FormClose()
{
    if (!MDIForm)
        return;
    // Every window that chose this one is unlinked, and no list offers it any more. The frame
    // drops its name and fits itself once the window is gone.
    for (TRechnerForm* window : MDIForm->windows()) {
        QComboBox* kombi = window->Kombi;
        if (kombi->currentIndex() > 0 && kombi->currentData().toInt() == FNummer) {
            window->FSpeicher = 0;
            kombi->setCurrentIndex(0);
            window->KombiChange();
        }
        const int item = kombi->findData(FNummer);
        if (item > 0)
            kombi->removeItem(item);
    }
}

} // namespace vdl
