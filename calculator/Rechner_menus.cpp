// The window's menus "&Datei" and "&Bearbeiten" and its pop-up menus, as item lists.
#include "calculator/Benennen.h"
#include "calculator/DruckStart.h"
#include "calculator/MenuItems.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include "calculator/WindowHost.h"
#include "calculator/vdlClipMod.h"
#include "dates/Waehrungen.h"
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

namespace vdl {

std::vector<MenuItem> TRechnerForm::dateiItems()
{
    return {
        {.caption = QStringLiteral("Einstellungen &laden"), .picture = ImgEinstellungenLaden,
         .handler = [this] { MEinstellungenLadenClick(); }, .keep = &MEinstellungenLaden},
        {.caption = QStringLiteral("Einstellungen &speichern"), .picture = ImgSpeichern,
         .handler = [this] { MEinstSpeichernClick(); }, .keep = &MEinstellungenSpeichern},
        {},
        {.caption = QStringLiteral("&Drucken"), .picture = ImgDrucken,
         .handler = [this] { ShowPrintDialog(this, true, false); }, .keep = &MDrucken},
        {.caption = QStringLiteral("Drucke&r einrichten"), .picture = ImgDruckerEinrichten,
         .handler = [this] { ShowPrinterSetup(this); }, .keep = &MDruckerEinrichten},
        {},
        {.caption = QStringLiteral("&Rechner/Speicher beenden"), .picture = ImgFensterBeenden,
         .handler = [this] { closeWindow(); }, .keep = &MLoeschen},
        {.caption = QStringLiteral("&Alles schließen"), .picture = ImgAllesSchliessen,
         .handler = [this] { MAllesSchliessenClick(); }, .keep = &MAllesSchliessen},
        {},
        {.caption = QStringLiteral("&Beenden"), .picture = ImgBeenden, .handler = [this] { window()->close(); },
         .keep = &MBeenden},
    };
}

std::vector<MenuItem> TRechnerForm::bearbeitenItems()
{
    return {
        {.caption = QStringLiteral("&Historie speichern"), .picture = ImgHistorieSpeichern,
         .handler = [this] { guarded([&] { m_core.MHistorieSpeichernClick(); }); }, .keep = &MHistorieSpeichern},
        {.caption = QStringLiteral("Historie &löschen"), .picture = ImgLoeschen,
         .handler = [this] { guarded([&] { m_core.MHistorieLoeschenClick(); }); }, .keep = &MHistorieLoeschen},
        {.caption = QStringLiteral("Historie in &Zwischenablage"), .picture = ImgInZwischenablage,
         .handler = [this] { HistoryToClipboard(false); }, .keep = &MHistorieZwischen},
        {.caption = QStringLiteral("Zwischenablage bearbeiten"), .picture = ImgZwischenablageBearbeiten,
         .handler = [] { EditClipboard(); }, .keep = &MZwischenablageBearbeiten},
        {},
        {.caption = QStringLiteral("&Posten zählen"), .picture = ImgPostenZaehlen,
         .handler = [this] { m_core.mPostenZaehlenClick(); }, .checkable = true, .keep = &mPostenZaehlen},
        {.caption = QStringLiteral("&Minuswerte rot"), .picture = ImgMinuswerteRot,
         .handler = [this] { m_core.mMinuswerteRotClick(); }, .checkable = true, .keep = &mMinuswerteRot},
        {.caption = QStringLiteral("N&ur Hauptsysteme"), .picture = ImgHauptsysteme,
         .handler = [this] { m_core.mNurHauptSystemeClick(); }, .checkable = true, .keep = &mNurHauptSysteme},
        {},
        {.caption = QStringLiteral("Währungen"), .picture = ImgWaehrungen, .handler = [this] { mwaehrungenClick(); },
         .keep = &mwaehrungen},
        {},
        {.caption = QStringLiteral("&Umbenennen"), .picture = ImgBenennen,
         .handler = [this] { if (m_host) ShowRenameDialog(*m_host); }, .keep = &MUmbenennen},
        {.caption = QStringLiteral("&Rahmen anpassen"), .picture = ImgRahmenAnpassen,
         .handler = [this] { emit fitFrameRequested(); }, .keep = &MRahmenAnpassen},
    };
}

// The pop-up of the tape, the displays, the digit keys and the automatic-transfer panel.
std::vector<MenuItem> TRechnerForm::autoMemoItems()
{
    const auto same = [](QAction* item) { return [item] { item->trigger(); }; };
    return {
        {.caption = QStringLiteral("&Umbenennen"), .picture = ImgBenennen, .handler = same(MUmbenennen)},
        {.caption = QStringLiteral("&Rechner/Speicher beenden"), .picture = ImgFensterBeenden,
         .handler = [this] { closeWindow(); }},
        {},
        {.caption = QStringLiteral("Einstellungen"),
         .items = {{.caption = QStringLiteral("Speichern"), .picture = ImgSpeichern, .handler = same(MEinstellungenSpeichern)},
                   {.caption = QStringLiteral("Posten zählen"), .picture = ImgPostenZaehlen, .handler = same(mPostenZaehlen)},
                   {.caption = QStringLiteral("Minuswerte rot"), .picture = ImgMinuswerteRot, .handler = same(mMinuswerteRot)}}},
        {.caption = QStringLiteral("Historie"),
         .items = {{.caption = QStringLiteral("Speichern"), .picture = ImgHistorieSpeichern, .handler = same(MHistorieSpeichern)},
                   {.caption = QStringLiteral("Löschen"), .picture = ImgLoeschen, .handler = same(MHistorieLoeschen)},
                   {.caption = QStringLiteral("In Zwischenablage"), .picture = ImgInZwischenablage,
                    .handler = same(MHistorieZwischen)},
                   {.caption = QStringLiteral("Drucken"), .picture = ImgDrucken, .handler = same(MDrucken)}}},
        {.caption = QStringLiteral("Markierung"), .picture = ImgMarkierung,
         .items = {{.caption = QStringLiteral("Löschen"), .picture = ImgLoeschen, .handler = [this] { MMarkLoeschenClick(); }},
                   {.caption = QStringLiteral("In Zwischenablage"), .picture = ImgInZwischenablage,
                    .handler = [this] { HistoryToClipboard(true); }},
                   {.caption = QStringLiteral("Drucken"), .picture = ImgDrucken,
                    .handler = [this] { ShowPrintDialog(this, true, true); }}}},
        {},
        automatikItem(AutoEin, AutoAus),
        {},
        {.caption = QStringLiteral("&Rahmen anpassen"), .picture = ImgRahmenAnpassen,
         .handler = [this] { emit fitFrameRequested(); }},
    };
}

void TRechnerForm::buildMenus()
{
    auto* datei = new QMenu(QStringLiteral("&Datei"), this);
    addMenuItems(datei, dateiItems(), this);
    auto* bearbeiten = new QMenu(QStringLiteral("&Bearbeiten"), this);
    addMenuItems(bearbeiten, bearbeitenItems(), this);
    HauptMenue = {datei, bearbeiten};
    connect(bearbeiten, &QMenu::aboutToShow, this, [this] { m_core.HMBearbeitenClick(); });
    connect(keys[RechnerCore::BHistDruck], &QPushButton::clicked, MDrucken, &QAction::trigger);

    // Right clicks open the pop-ups: the one of the tape, the displays, the digit keys and the
    // automatic-transfer panel; the one of the link box; the one of the system list (a new
    // memory in another system); the currency list.
    const auto attach = [this](QWidget* widget, QMenu* (TRechnerForm::*popup)()) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget, popup](const QPoint& at) { (this->*popup)()->popup(widget->mapToGlobal(at)); });
    };
    for (QWidget* w : {static_cast<QWidget*>(History), static_cast<QWidget*>(EAnzeige),
                       static_cast<QWidget*>(Panel3), static_cast<QWidget*>(AutoPanel)})
        attach(w, &TRechnerForm::PAutoMemo);
    for (int k = RechnerCore::B0; k <= RechnerCore::BKom; ++k)
        attach(keys[k], &TRechnerForm::PAutoMemo);
    attach(Kombi, &TRechnerForm::PSpeicher);
    attach(Label3, &TRechnerForm::PSpeicher);
    attach(Label1, &TRechnerForm::AutoSysPopup);
    attach(Syst, &TRechnerForm::AutoSysPopup);
    attach(PnlWaehrung, &TRechnerForm::popWaehrung);
}

QMenu* TRechnerForm::PAutoMemo()
{
    buildPopups();
    return m_autoMemo;
}

QMenu* TRechnerForm::PSpeicher()
{
    buildPopups();
    return m_speicher;
}

QMenu* TRechnerForm::AutoSysPopup()
{
    buildPopups();
    return m_autoSys;
}

QMenu* TRechnerForm::popWaehrung()
{
    buildPopups();
    return m_waehrung;
}

void TRechnerForm::buildPopups()
{
    if (m_autoMemo)
        return;
    m_autoMemo = new QMenu(this);
    m_speicher = new QMenu(this);
    m_autoSys = new QMenu(this);
    m_waehrung = new QMenu(this);

    addMenuItems(m_autoMemo, autoMemoItems(), this);
    addMenuItems(m_speicher, speicherItems(), this);
    connect(m_speicher, &QMenu::aboutToShow, this, &TRechnerForm::PSpeicherPopup);
    connect(m_autoMemo, &QMenu::aboutToShow, this, &TRechnerForm::PSpeicherPopup);
    buildAutoSysPopup();
    connect(m_waehrung, &QMenu::aboutToShow, this, &TRechnerForm::fillCurrencyMenu);
}

void TRechnerForm::fillCurrencyMenu()
{
    // Re-read at every opening, so currencies edited meanwhile are offered; the window's
    // own currency is left out.
    m_waehrung->clear();
    RechnerHost* host = m_core.host();
    if (!host)
        return;
    host->refreshCurrencies(m_core);
    addCurrencyItems(m_waehrung, [this](int index) { SelectCurrency(index); });
}

void TRechnerForm::mwaehrungenClick()
{
    ShowCurrencyList();
    // Every window finds its currency again by name in the lists as they are now.
    if (RechnerHost* host = m_core.host())
        host->refreshCurrencies(m_core);
}

void TRechnerForm::showCurrencyPopup()
{
    popWaehrung()->popup(Syst->mapToGlobal(QPoint(0, Syst->height())));
}

void TRechnerForm::closeWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TRechnerForm::MAllesSchliessenClick()
{
    if (m_host)
        m_host->closeWindow(0);
    else
        close();
}

} // namespace vdl
