// Memory links of a window: its view of the frame's window model (caption, link box, memory
// keys, automatic transfer), the memory keys, new linked windows, automatic transfer with its
// pop-ups, and closing. Links live in the model; the window changes them there and shows
// what the model says. Windows are told apart by their running number, never by caption.
#include "calculator/AlphaPad.h"
#include "calculator/LinkChoices.h"
#include "calculator/MemoryLink.h"
#include "calculator/MenuItems.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include "calculator/WindowHost.h"
#include "calculator/WindowModel.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenu>

namespace vdl {

namespace {

// A window the user has just linked takes the system and decimal places of the window it was
// made for, which then comes to the front again. The full change of system, so that a new
// window in the currency system has a currency to convert with and a calculator's keys fit.
void takeOverSettings(WindowHost& host, TRechnerForm& self, TRechnerForm& window)
{
    const RechnerCore& mine = self.core();
    window.core().ChangeSystem(mine.FSystem, qMax(mine.PnlWaehrung.Tag, 0));
    window.core().SetNK(mine.FNK);
    host.showWindow(self.FNummer);
}

} // namespace

void TRechnerForm::setHost(WindowHost* host)
{
    m_host = host;
    m_core.setHost(host);
}

// ---- Menus ------------------------------------------------------------------------------

MenuItem TRechnerForm::automatikItem(QAction*& ein, QAction*& aus)
{
    return {.caption = QStringLiteral("Automatik"),
            .items = {{.caption = QStringLiteral("Einschalten"), .picture = ImgAutomatikEin,
                       .handler = [this] { AutoEinClick(); }, .keep = &ein},
                      {.caption = QStringLiteral("Ausschalten"), .picture = ImgAutomatikAus,
                       .handler = [this] { AutoAusClick(); }, .keep = &aus}}};
}

// The pop-up of the link box and its label.
std::vector<MenuItem> TRechnerForm::speicherItems()
{
    const auto guardedCall = [this](void (TRechnerForm::*handler)()) {
        return [this, handler] { guarded([&] { (this->*handler)(); }); };
    };
    return {
        {.caption = QStringLiteral("Neuen &Rechner verbinden"), .picture = ImgRechnerVerbinden,
         .handler = guardedCall(&TRechnerForm::MNRechnerVClick), .keep = &MNRechnerV},
        {.caption = QStringLiteral("Neuen &Speicher verbinden"), .picture = ImgSpeicherVerbinden,
         .handler = guardedCall(&TRechnerForm::MNSpeicherVClick), .keep = &MNSpeicherV},
        {.caption = QStringLiteral("Speicher &trennen"), .picture = ImgSpeicherTrennen,
         .handler = guardedCall(&TRechnerForm::MSpeicherTrennenClick), .keep = &MSpeicherTrennen},
        {.caption = QStringLiteral("Speicher &löschen"), .picture = ImgLoeschen,
         .handler = guardedCall(&TRechnerForm::MSpeicherLoeschenClick), .keep = &MSpeicherLoeschen},
        {},
        automatikItem(MAutoEin, MAutoAus),
    };
}

// "Automatisch umrechnen in": a new memory in another system.
void TRechnerForm::buildAutoSysPopup()
{
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
    std::vector<MenuItem> items{
        {.caption = QStringLiteral("Automatisch umrechnen in"), .picture = ImgUmrechnen, .keep = &AutoSys}};
    for (const auto& s : systems) {
        items.push_back({.caption = QString::fromUtf8(s.caption),
                         .handler = [this, system = s.system] { guarded([&] { Automatik(system, -1); }); },
                         .keep = &(this->*s.item)});
    }
    addMenuItems(m_autoSys, items, this);
    m_autoSys->setDefaultAction(AutoSys); // the heading, in bold
    connect(m_autoSys, &QMenu::aboutToShow, this, &TRechnerForm::AutoSysPopupPopup);
}

void TRechnerForm::PSpeicherPopup()
{
    const bool linked = FSpeicher != 0;
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
    const bool linked = FSpeicher != 0;
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
    if (FSpeicher == 0)
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

void TRechnerForm::renderModel(const WindowModel& model, const QSet<int>* renamed)
{
    const WindowEntry* own = model.find(FNummer);
    if (!own)
        return;
    if (windowTitle() != own->name) {
        setWindowTitle(own->name);
        // The inner window's frame follows a new title on its own, but not an empty one.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->setWindowTitle(own->name);
    }
    m_choices->show(model, own->choices, renamed);
    // The box's item keeps its window when rows come or go before it; only another link, or
    // one the box does not offer ("(kein Speicher)" then), needs its row looked up.
    if (Kombi->currentIndex() < 0 || Kombi->currentData().toInt() != own->memory) {
        const int chosen = m_choices->rowOf(own->memory);
        if (Kombi->currentIndex() != chosen)
            Kombi->setCurrentIndex(chosen);
    }
    FSpeicher = own->memory;
    const bool linked = own->memory != 0;
    if (m_core.key(RechnerCore::BMPlus).enabled != linked)
        m_core.setMemoryKeysEnabled(linked);
    if (m_core.FSpeicherautomatik != own->autoTransfer)
        m_core.setAutoTransfer(own->autoTransfer);
}

TRechnerForm* TRechnerForm::memoryWindow() const
{
    return m_host && FSpeicher ? m_host->findWindow(FSpeicher) : nullptr;
}

void TRechnerForm::KombiChange()
{
    if (!m_host)
        return;
    WindowModel& model = m_host->windowModel();
    const int memory = Kombi->currentData().toInt();
    // No circle of links: a layout file could not give it back.
    if (model.closesCircle(FNummer, memory)) {
        ShowMessage(QStringLiteral("Diese Verbindung würde einen Kreis schließen!"), QStringLiteral("Warnung"),
                    mb::Ok | mb::IconError);
        renderModel(model);
        return;
    }
    if (!model.link(FNummer, memory))
        renderModel(model); // not a choice after all: the box shows the link as it stands
}

void TRechnerForm::FormActivate()
{
    if (m_core.isCalculator() && AlphaPad)
        AlphaPad->SetBase(m_core.FSystem);
}

TRechnerForm* TRechnerForm::newLinkedWindow(const QString& Typ)
{
    TRechnerForm* window = m_host->NewWindow(Typ, QString());
    m_host->windowModel().link(FNummer, window->FNummer);
    // It stands at the right beside this window.
    m_host->placeBeside(window->FNummer, FNummer);
    return window;
}

void TRechnerForm::MNSpeicherVClick()
{
    if (m_host)
        takeOverSettings(*m_host, *this, *newLinkedWindow(windowTypeText(WindowType::Speicher)));
}

void TRechnerForm::MNRechnerVClick()
{
    if (m_host)
        takeOverSettings(*m_host, *this, *newLinkedWindow(windowTypeText(WindowType::Rechner)));
}

void TRechnerForm::MSpeicherTrennenClick()
{
    if (m_host)
        m_host->windowModel().link(FNummer, 0);
}

void TRechnerForm::MSpeicherLoeschenClick()
{
    // Its close unlinks every window that had chosen it, this one too.
    if (m_host && FSpeicher)
        m_host->closeWindow(FSpeicher);
}

// ---- Memory keys ------------------------------------------------------------------------

void TRechnerForm::MemoryOperation(const QString& Op)
{
    // A memory key without a link first makes a memory for it.
    if (!FSpeicher)
        MNSpeicherVClick();
    TRechnerForm* memory = memoryWindow();
    if (!memory)
        return;
    const auto rateOf = [this](const RechnerCore& window) -> RateReader {
        return [this, &window] { return m_host->CurrencyRate(window); };
    };
    MemoryKey(m_core, memory->core(), Op, rateOf(m_core), rateOf(memory->core()));
}

// ---- Automatic transfer -----------------------------------------------------------------

void TRechnerForm::AutoEinClick()
{
    if (m_host)
        m_host->windowModel().setAutoTransfer(FNummer, true); // only while linked
}

void TRechnerForm::AutoAusClick()
{
    if (m_host)
        m_host->windowModel().setAutoTransfer(FNummer, false);
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
    // Every window that chose this one is unlinked, and no list offers it any more; the frame
    // fits itself once the window is gone.
    if (m_host)
        m_host->RemoveWindowName(FNummer);
}

} // namespace vdl
