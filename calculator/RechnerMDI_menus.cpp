// The frame's menus as item lists, and the merging of the active window's menus into its bar.
#include "calculator/AlphaPad.h"
#include "calculator/Benennen.h"
#include "calculator/MenuItems.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "info/GuideWriter.h"
#include "info/vdlRechInfo.h"
#include "info/vdlSysInfo.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_misc.h"
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace vdl {

namespace {
// Stores the option its item was just ticked or unticked to. When the settings file cannot
// be saved, the user is told and the tick goes back: it shows what the next start will read.
bool writeOption(QAction* item, const QString& name)
{
    const bool on = item->isChecked();
    if (WriteSetting(QStringLiteral("%"), name, BoolToJaNein(on), false, true))
        return true;
    item->setChecked(!on);
    ShowSettingsNotSaved(false);
    return false;
}
} // namespace

std::vector<MenuItem> TMDIForm::dateiItems()
{
    return {
        {.caption = QStringLiteral("Einstellungen &laden"), .picture = ImgEinstellungenLaden,
         .handler = [this] { MEinstellungenLadenClick(); }, .keep = &MEinstellungenLaden},
        {},
        {.caption = QStringLiteral("&Beenden"), .picture = ImgBeenden, .handler = [this] { close(); }, .keep = &MBeenden},
    };
}

std::vector<MenuItem> TMDIForm::fensterItems()
{
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    return {
        {.caption = QStringLiteral("Über&lappend"), .picture = ImgUeberlappend,
         .handler = [this] { MUeberlappendClick(); }, .keep = &MUeberlappend},
        {.caption = QStringLiteral("&Untereinander"), .picture = ImgUntereinander,
         .handler = [this] { MUntereinanderClick(); }, .keep = &MUntereinander},
        {.caption = QStringLiteral("&Nebeneinander"), .picture = ImgNebeneinander,
         .handler = [this] { MNebeneinanderClick(); }, .keep = &MNebeneinander},
        {.caption = QStringLiteral("&Symbole anordnen"), .picture = ImgSymboleAnordnen,
         .handler = [this] { MSymboleAnordnenClick(); }, .keep = &MSymboleAnordnen},
        {.caption = QStringLiteral("&Rahmen anpassen"), .picture = ImgRahmenAnpassen,
         .handler = [this] { MRahmenanpassenClick(); }, .keep = &MRahmenanpassen},
        {.caption = QStringLiteral("&Automatisch anpassen"),
         .handler =
             [this] {
                 if (writeOption(MRahmenAuto, QStringLiteral("RahmenAnpassen")) && MRahmenAuto->isChecked())
                     MRahmenanpassenClick();
             },
         .checkable = true, .keep = &MRahmenAuto},
        {},
        {.caption = QStringLiteral("Einstellungen &beibehalten"),
         .handler =
             [this] {
                 if (writeOption(mnubeibehalten, QStringLiteral("EinstellungenBeibehalten")) && !mnubeibehalten->isChecked())
                     QFile::remove(KeptLayout());
             },
         .checkable = true, .keep = &mnubeibehalten},
        {},
        {.caption = QStringLiteral("Neuer &Rechner"), .shortcut = ctrl(Qt::Key_R), .picture = ImgNeuerRechner,
         .handler = [this] { MNeuenRechnerClick(); }, .keep = &MNeuenRechner},
        {.caption = QStringLiteral("Neuer &Speicher"), .shortcut = ctrl(Qt::Key_S), .picture = ImgNeuerSpeicher,
         .handler = [this] { MNeuenSpeicherClick(); }, .keep = &MNeuenSpeicher},
        {.caption = QStringLiteral("&Benennen"), .shortcut = ctrl(Qt::Key_N), .picture = ImgBenennen,
         .handler = [this] { ShowRenameDialog(*this); }, .keep = &MBenennen},
        {.caption = QStringLiteral("&Löschen"), .shortcut = ctrl(Qt::Key_L), .picture = ImgLoeschen,
         .handler = [this] { ShowDeleteDialog(*this); }, .keep = &HMLoeschen},
        {.caption = QStringLiteral("&Alpha-Pad"), .shortcut = ctrl(Qt::Key_A), .picture = ImgAlphaPad,
         .handler = [this] { MAlphaPadClick(); }, .keep = &MAlphaPad},
        {}, // the list of open windows follows
    };
}

std::vector<MenuItem> TMDIForm::hilfeItems()
{
    return {
        {.caption = QStringLiteral("&Kurzanleitung"), .picture = ImgKurzanleitung,
         .handler = [] { OpenKurzanleitung(); }, .keep = &MKurzanleitung},
        {.caption = QStringLiteral("Produktinformation"), .picture = ImgProduktinformation,
         .handler = [this] { ShowRechInfo(this, Label1->text()); }, .keep = &MProduktinformation},
        {.caption = QStringLiteral("Systeminformation"), .picture = ImgSysteminformation,
         .handler = [] { ShowSysInfo(); }, .keep = &MSysteminformation},
    };
}

void TMDIForm::buildMenus()
{
    // The items of "&Datei" and "?" have no shortcuts, so nothing reaches them before their
    // menu opens: they are made then, at its first opening.
    HMDatei = new QMenu(QStringLiteral("&Datei"), this);
    connect(HMDatei, &QMenu::aboutToShow, this, [this] { addMenuItems(HMDatei, dateiItems(), this); },
            Qt::SingleShotConnection);
    HMFenster = new QMenu(QStringLiteral("&Fenster"), this);
    addMenuItems(HMFenster, fensterItems(), this);
    connect(HMFenster, &QMenu::aboutToShow, this, [this] {
        HMFensterClick();
        fillWindowList();
    });
    MHilfe = new QMenu(QStringLiteral("?"), this);
    connect(MHilfe, &QMenu::aboutToShow, this, [this] { addMenuItems(MHilfe, hilfeItems(), this); },
            Qt::SingleShotConnection);

    // Shown by the office hand-off once a word processor or spreadsheet is found; the menu
    // bar shows their pictures in place of the captions.
    W1 = new QAction(Images(ImgTextverarbeitung), QStringLiteral("W"), this);
    E1 = new QAction(Images(ImgTabellenkalkulation), QStringLiteral("E"), this);
    W1->setVisible(false);
    E1->setVisible(false);
    mergeMenus(nullptr);
}

void TMDIForm::mergeMenus(QMdiSubWindow* active)
{
    if (m_destroying)
        return;
    if (active) {
        m_lastActive = active;
    } else if (!mdiArea->subWindowList().isEmpty()) {
        return; // the frame lost the focus; the last window's menus stay
    }
    auto* window = active ? qobject_cast<TRechnerForm*>(active->widget()) : nullptr;
    // The window's own "&Datei" takes the place of the frame's.
    QList<QAction*> wanted;
    if (window) {
        for (QMenu* menu : window->HauptMenue)
            wanted << menu->menuAction();
    } else {
        wanted << HMDatei->menuAction();
    }
    wanted << HMFenster->menuAction() << MHilfe->menuAction() << W1 << E1;
    // Only the menus that change are swapped; the frame's own ones stay in place.
    QMenuBar* bar = menuBar();
    for (QAction* action : bar->actions()) {
        if (!wanted.contains(action))
            bar->removeAction(action);
    }
    QAction* before = nullptr;
    for (qsizetype i = wanted.size() - 1; i >= 0; --i) {
        if (!bar->actions().contains(wanted[i]))
            bar->insertAction(before, wanted[i]);
        before = wanted[i];
    }
    // An open keypad follows the active calculator's number system.
    if (window)
        window->FormActivate();
    HMFensterClick();
}

void TMDIForm::HMFensterClick()
{
    // The keypad is offered for the bases above 10 only, and never without a window.
    if (m_destroying)
        return;
    const TRechnerForm* window = activeWindow();
    MAlphaPad->setEnabled(window && NumberSystem::hasLetterDigits(window->core().FSystem));
}

void TMDIForm::MAlphaPadClick()
{
    const TRechnerForm* window = activeWindow();
    if (!window)
        return;
    openAlphaPad(window->core().FSystem, window->FNummer);
}

void TMDIForm::MRahmenAutoClick()
{
    MRahmenAuto->trigger();
}

void TMDIForm::mnubeibehaltenClick()
{
    mnubeibehalten->trigger();
}

} // namespace vdl
