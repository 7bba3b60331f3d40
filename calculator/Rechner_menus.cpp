// The window's menus "&Datei" and "&Bearbeiten" and its pop-up menus. Items whose work comes
// later are shown but greyed.
#include "calculator/DruckStart.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

namespace vdl {

namespace {

// An item with its picture from the frame's image list.
QAction* addItem(QMenu* menu, const QString& caption, int image, bool enabled = true)
{
    QAction* action = menu->addAction(Images(image), caption);
    action->setEnabled(enabled);
    return action;
}

QAction* addOption(QMenu* menu, const QString& caption, int image)
{
    QAction* action = addItem(menu, caption, image);
    action->setCheckable(true);
    return action;
}

} // namespace

void TRechnerForm::buildMenus()
{
    auto* datei = new QMenu(QStringLiteral("&Datei"), this);
    MEinstellungenLaden = addItem(datei, QStringLiteral("Einstellungen &laden"), ImgEinstellungenLaden);
    MEinstellungenSpeichern = addItem(datei, QStringLiteral("Einstellungen &speichern"), ImgSpeichern);
    datei->addSeparator();
    MDrucken = addItem(datei, QStringLiteral("&Drucken"), ImgDrucken);
    MDruckerEinrichten = addItem(datei, QStringLiteral("Drucke&r einrichten"), ImgDruckerEinrichten);
    datei->addSeparator();
    MLoeschen = addItem(datei, QStringLiteral("&Rechner/Speicher beenden"), ImgFensterBeenden);
    MAllesSchliessen = addItem(datei, QStringLiteral("&Alles schließen"), ImgAllesSchliessen);
    datei->addSeparator();
    MBeenden = addItem(datei, QStringLiteral("&Beenden"), ImgBeenden);

    auto* bearbeiten = new QMenu(QStringLiteral("&Bearbeiten"), this);
    MHistorieSpeichern = addItem(bearbeiten, QStringLiteral("&Historie speichern"), ImgHistorieSpeichern);
    MHistorieLoeschen = addItem(bearbeiten, QStringLiteral("Historie &löschen"), ImgLoeschen);
    MHistorieZwischen = addItem(bearbeiten, QStringLiteral("Historie in &Zwischenablage"), ImgInZwischenablage);
    MZwischenablageBearbeiten = addItem(bearbeiten, QStringLiteral("Zwischenablage bearbeiten"), ImgZwischenablageBearbeiten, false);
    bearbeiten->addSeparator();
    mPostenZaehlen = addOption(bearbeiten, QStringLiteral("&Posten zählen"), ImgPostenZaehlen);
    mMinuswerteRot = addOption(bearbeiten, QStringLiteral("&Minuswerte rot"), ImgMinuswerteRot);
    mNurHauptSysteme = addOption(bearbeiten, QStringLiteral("N&ur Hauptsysteme"), ImgHauptsysteme);
    bearbeiten->addSeparator();
    mwaehrungen = addItem(bearbeiten, QStringLiteral("Währungen"), ImgWaehrungen, false);
    bearbeiten->addSeparator();
    MUmbenennen = addItem(bearbeiten, QStringLiteral("&Umbenennen"), ImgBenennen, false);
    MRahmenAnpassen = addItem(bearbeiten, QStringLiteral("&Rahmen anpassen"), ImgRahmenAnpassen);
    HauptMenue = {datei, bearbeiten};

    connect(bearbeiten, &QMenu::aboutToShow, this, [this] { m_core.HMBearbeitenClick(); });
    connect(MEinstellungenLaden, &QAction::triggered, this, &TRechnerForm::MEinstellungenLadenClick);
    connect(MEinstellungenSpeichern, &QAction::triggered, this, &TRechnerForm::MEinstSpeichernClick);
    connect(MLoeschen, &QAction::triggered, this, &TRechnerForm::closeWindow);
    connect(MAllesSchliessen, &QAction::triggered, this, &TRechnerForm::MAllesSchliessenClick);
    connect(MBeenden, &QAction::triggered, this, [this] { window()->close(); });
    connect(MHistorieLoeschen, &QAction::triggered, this,
            [this] { guarded([&] { m_core.MHistorieLoeschenClick(); }); });
    connect(MHistorieSpeichern, &QAction::triggered, this,
            [this] { guarded([&] { m_core.MHistorieSpeichernClick(); }); });
    connect(MHistorieZwischen, &QAction::triggered, this, [this] { HistoryToClipboard(false); });
    connect(MDrucken, &QAction::triggered, this, [this] { ShowPrintDialog(this, true, false); });
    connect(keys[RechnerCore::BHistDruck], &QPushButton::clicked, MDrucken, &QAction::trigger);
    connect(MDruckerEinrichten, &QAction::triggered, this, [this] { ShowPrinterSetup(this); });
    connect(mPostenZaehlen, &QAction::triggered, this, [this] { m_core.mPostenZaehlenClick(); });
    connect(mMinuswerteRot, &QAction::triggered, this, [this] { m_core.mMinuswerteRotClick(); });
    connect(mNurHauptSysteme, &QAction::triggered, this, [this] { m_core.mNurHauptSystemeClick(); });
    connect(MRahmenAnpassen, &QAction::triggered, this, &TRechnerForm::fitFrameRequested);

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

    // The pop-up of the tape, the displays, the digit keys and the automatic-transfer panel.
    addItem(m_autoMemo, QStringLiteral("&Umbenennen"), ImgBenennen, false);
    connect(addItem(m_autoMemo, QStringLiteral("&Rechner/Speicher beenden"), ImgFensterBeenden), &QAction::triggered, this,
            &TRechnerForm::closeWindow);
    m_autoMemo->addSeparator();
    QMenu* einstellungen = m_autoMemo->addMenu(QStringLiteral("Einstellungen"));
    connect(addItem(einstellungen, QStringLiteral("Speichern"), ImgSpeichern), &QAction::triggered,
            MEinstellungenSpeichern, &QAction::trigger);
    connect(addItem(einstellungen, QStringLiteral("Posten zählen"), ImgPostenZaehlen), &QAction::triggered, mPostenZaehlen,
            &QAction::trigger);
    connect(addItem(einstellungen, QStringLiteral("Minuswerte rot"), ImgMinuswerteRot), &QAction::triggered, mMinuswerteRot,
            &QAction::trigger);
    QMenu* historie = m_autoMemo->addMenu(QStringLiteral("Historie"));
    connect(addItem(historie, QStringLiteral("Speichern"), ImgHistorieSpeichern), &QAction::triggered, MHistorieSpeichern,
            &QAction::trigger);
    connect(addItem(historie, QStringLiteral("Löschen"), ImgLoeschen), &QAction::triggered, MHistorieLoeschen,
            &QAction::trigger);
    connect(addItem(historie, QStringLiteral("In Zwischenablage"), ImgInZwischenablage), &QAction::triggered, MHistorieZwischen,
            &QAction::trigger);
    connect(addItem(historie, QStringLiteral("Drucken"), ImgDrucken), &QAction::triggered, MDrucken, &QAction::trigger);
    QMenu* markierung = m_autoMemo->addMenu(Images(ImgMarkierung), QStringLiteral("Markierung"));
    connect(addItem(markierung, QStringLiteral("Löschen"), ImgLoeschen), &QAction::triggered, this,
            &TRechnerForm::MMarkLoeschenClick);
    connect(addItem(markierung, QStringLiteral("In Zwischenablage"), ImgInZwischenablage), &QAction::triggered, this,
            [this] { HistoryToClipboard(true); });
    connect(addItem(markierung, QStringLiteral("Drucken"), ImgDrucken), &QAction::triggered, this,
            [this] { ShowPrintDialog(this, true, true); });
    m_autoMemo->addSeparator();
    addAutomatikMenu(m_autoMemo, AutoEin, AutoAus);
    m_autoMemo->addSeparator();
    connect(addItem(m_autoMemo, QStringLiteral("&Rahmen anpassen"), ImgRahmenAnpassen), &QAction::triggered, this,
            &TRechnerForm::fitFrameRequested);

    buildLinkMenus(); // the items of the link box's and the system list's pop-ups
    const std::pair<QAction*, int> pictures[] = {
        {MNRechnerV, ImgRechnerVerbinden}, {MNSpeicherV, ImgSpeicherVerbinden},
        {MSpeicherTrennen, ImgSpeicherTrennen}, {MSpeicherLoeschen, ImgLoeschen},
        {MAutoEin, ImgAutomatikEin}, {MAutoAus, ImgAutomatikAus},
        {AutoEin, ImgAutomatikEin}, {AutoAus, ImgAutomatikAus},
        {AutoSys, ImgUmrechnen}};
    for (const auto& [action, image] : pictures)
        action->setIcon(Images(image));
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
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || !sub->mdiArea()) {
        close();
        return;
    }
    // Close from a snapshot: each close may change the frame's list of windows.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* w : sub->mdiArea()->subWindowList(QMdiArea::CreationOrder))
        windows << w;
    for (const QPointer<QMdiSubWindow>& w : windows)
        if (w)
            w->close();
}

} // namespace vdl
