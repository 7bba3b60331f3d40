// Layouts of the frame: all windows written to a "*.zqe" file and rebuilt from one, the
// layout named on the command line or kept from the last run, and the save and load commands
// of the frame and of the windows. Records of the file become windows only here.
#include "calculator/LayoutFile.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/AtomicFile.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "toolkit/vdlTools_misc.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>

namespace vdl {

namespace {

const QString LayoutFilter = QStringLiteral("Rechner-Layouts (*.zqe)");

LayoutWindow layoutRecord(TMDIForm& frame, const TRechnerForm& window)
{
    const RechnerCore& core = window.core();
    const QMdiSubWindow* sub = frame.subWindowOf(&window);
    const WindowModel& model = frame.windowModel();
    const WindowEntry* entry = model.find(window.FNummer);
    LayoutWindow record;
    record.Name = entry ? entry->name : window.windowTitle();
    record.Left = sub ? sub->x() : window.x();
    record.Top = sub ? sub->y() : window.y();
    record.System = core.FSystem;
    record.NK = core.FNK;
    record.Typ = core.FTyp;
    record.Auto = entry && entry->autoTransfer;
    if (const WindowEntry* memory = entry ? model.find(entry->memory) : nullptr)
        record.Link = memory->name;
    record.Posten = core.mPostenZaehlen;
    record.Winkel = core.WinkelIndex;
    record.Minuswerte = core.mMinuswerteRot;
    record.Currency = core.PnlWaehrung.Tag;
    record.NurHauptSysteme = core.mNurHauptSysteme;
    return record;
}

// The system of a loaded window, changed as the user's choice would change it, so that its
// keys fit. A code the list does not offer is only stored. A currency that is gone gives the
// first one, and with no currency defined the window computes without one.
void applySystem(RechnerHost& host, RechnerCore& core, const LayoutWindow& record)
{
    if (!core.FSysteme.contains(record.System)) {
        core.SetSystem(record.System);
        return;
    }
    if (record.System == core.FSystem)
        return;
    int currency = record.Currency;
    if (record.System == -4) {
        CurrencyEntry entry;
        host.refreshCurrencies(core);
        if (!host.currencyAt(currency, entry))
            currency = host.currencyAt(0, entry) ? 0 : -1;
    }
    try {
        core.ChangeSystem(record.System, currency);
    } catch (const Error&) {
        // No currency defined: the currency system stays, without a currency.
    }
}

struct PendingLink {
    QPointer<TRechnerForm> window;
    QString name;
    bool automatic = false;
};

} // namespace

QString TMDIForm::KeptLayout()
{
    return ExeDirFile(QStringLiteral("$Zuletzt.zqe"));
}

void TMDIForm::openStartLayout()
{
    // A layout named on the command line counts even when it is missing or broken: the frame
    // then stays empty.
    if (m_layoutArgument)
        LoadSettings(*m_layoutArgument);
    else if (QFileInfo(KeptLayout()).isFile())
        LoadSettings(KeptLayout());
    else
        MNeuenRechnerClick();
}

bool TMDIForm::SaveSettings(const QString& FileName)
{
    const QRect bounds = outerBounds();
    QList<LayoutWindow> records;
    for (const TRechnerForm* window : windows())
        records << layoutRecord(*this, *window);
    QByteArray bytes;
    if (!layoutFileBytes({bounds.x(), bounds.y(), bounds.width(), bounds.height()}, records, bytes)
        || !AtomicFile::replace(FileName, bytes)) {
        ShowMessage(QStringLiteral("Die Datei kann nicht gespeichert werden!\r\n") + QDir::toNativeSeparators(FileName),
                    QStringLiteral("Fehler"), mb::Ok | mb::IconError);
        return false;
    }
    return true;
}

void TMDIForm::holdNewWindows()
{
    m_holdingWindows = true;
    mdiArea->setEnabled(false);
}

void TMDIForm::readyHeldWindows()
{
    // What the windows' controls and frames asked for since they were made (their settings
    // from the file) runs now, while they are hidden and before they are named.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void TMDIForm::showHeldWindows()
{
    if (!m_holdingWindows)
        return;
    m_holdingWindows = false;
    const QList<QMdiSubWindow*> made = mdiArea->subWindowList(QMdiArea::CreationOrder);
    // They come onto the screen together: each one shown on its own would ask the area for a
    // layout pass, and Qt searches all that is pending for every such request.
    changeWindowsTogether([&] {
        for (QMdiSubWindow* sub : made)
            sub->show();
    });
    mdiArea->setEnabled(true);
    if (!made.isEmpty()) {
        mdiArea->setActiveSubWindow(made.last());
        made.last()->widget()->setFocus(); // typing goes to its tape, as in any new window
    }
}

void TMDIForm::LoadSettings(const QString& FileName)
{
    if (FileName.isEmpty())
        return;
    // Only a file that is there and can be read replaces the windows; otherwise they stay,
    // with their tapes, and the user is told which file it was.
    const QString name = layoutFileName(FileName);
    LayoutRead read;
    if (!readLayoutFile(name, read)) {
        ShowMessage(QStringLiteral("Die Datei kann nicht gelesen werden!\r\n") + QDir::toNativeSeparators(name),
                    QStringLiteral("Fehler"), mb::Ok | mb::IconError);
        return;
    }
    // A file that fails before it gives a window is no layout: it replaces nothing either.
    if (read.beforeWindows()) {
        ShowMessage(read.errorMessage(), QStringLiteral("Warnung"), mb::Ok | mb::IconWarning);
        return;
    }
    // Every window goes before the file's are made, so none of them is offered to those. The
    // windows see the whole layout as one change.
    WindowModel::Batch batch(m_model);
    closeWindow(0);

    const LayoutHeader& header = read.Header;
    QRect bounds = outerBounds();
    if (read.headerReached(7))
        bounds.moveLeft(header.Left);
    if (read.headerReached(8))
        bounds.moveTop(header.Top);
    if (read.headerReached(9))
        bounds.setWidth(header.Width);
    if (read.headerReached(10))
        bounds.setHeight(header.Height);
    setBounds(bounds);

    // One order: the windows are made hidden from the records, then linked, then drawn as the
    // model has them, and only then shown, so that none shows before its caption and link
    // list are filled.
    QList<PendingLink> links;
    holdNewWindows();
    const auto showHeld = qScopeGuard([this, &batch] {
        batch.end();
        showHeldWindows();
    });
    for (qsizetype i = 0; i < read.Windows.size(); ++i) {
        const LayoutWindow& record = read.Windows[i];
        TRechnerForm* window = NewWindow(record.Typ, record.Name);
        RechnerCore& core = window->core();
        QMdiSubWindow* sub = subWindowOf(window);
        if (read.windowReached(i, 20))
            sub->move(record.Left, sub->y());
        if (read.windowReached(i, 21))
            sub->move(sub->x(), record.Top);
        if (read.windowReached(i, 22))
            applySystem(*this, core, record);
        if (read.windowReached(i, 25))
            core.SetNK(record.NK);
        if (!read.windowReached(i, 26))
            break;
        if (!record.Link.isEmpty())
            links.append({window, record.Link, record.Auto});
        if (read.windowReached(i, 27) && core.mPostenZaehlen != record.Posten)
            core.mPostenZaehlenClick();
        if (read.windowReached(i, 28))
            core.WinkelSelected(record.Winkel);
        if (read.windowReached(i, 30) && core.mMinuswerteRot != record.Minuswerte)
            core.mMinuswerteRotClick();
        if (read.windowReached(i, 31) && record.NurHauptSysteme)
            core.mNurHauptSystemeClick();
    }

    // Links by name once every window exists, so a line may name a later window. Of several
    // windows of that name the last one is taken. A restored link is a link as the user makes
    // it, except that a link closing a circle of windows is left out.
    QHash<QString, QList<int>> named;
    for (const WindowEntry& entry : m_model.entries())
        named[entry.name] << entry.number;
    for (const PendingLink& link : std::as_const(links)) {
        const WindowEntry* own = link.window ? m_model.find(link.window->FNummer) : nullptr;
        if (!own)
            continue;
        const int number = own->number;
        const QList<int> candidates = named.value(link.name);
        const auto last = std::find_if(own->choices.crbegin(), own->choices.crend(),
                                       [&](int choice) { return candidates.contains(choice); });
        const int chosen = last == own->choices.crend() ? 0 : *last;
        if (!chosen || m_model.closesCircle(number, chosen))
            continue;
        m_model.link(number, chosen);
        m_model.setAutoTransfer(number, link.automatic);
    }
    readyHeldWindows();
    batch.end();
    showHeldWindows();
    if (!links.isEmpty() && links.first().window)
        links.first().window->History->setFocus();
    if (read.FailedStep)
        ShowMessage(read.errorMessage(), QStringLiteral("Warnung"), mb::Ok | mb::IconWarning);
}

void TMDIForm::MEinstellungenLadenClick()
{
    // The dialog opens in the program folder with the program's own name filled in.
    const QString program = ExeDir() + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString name = Prompter::current().openFileName(QString(), program, LayoutFilter);
    if (!name.isEmpty())
        LoadSettings(name);
}

void TRechnerForm::MEinstellungenLadenClick()
{
    const QString name = Prompter::current().openFileName(QString(), ExeDir(), LayoutFilter);
    if (!name.isEmpty() && MDIForm)
        MDIForm->LoadSettings(name);
}

void TRechnerForm::MEinstSpeichernClick()
{
    // Qt's own overwrite question stays off: the program asks its own, with "No" as default.
    QString name = Prompter::current().saveFileName(QStringLiteral("Einstellungen speichern"), ExeDir(),
                                                    QStringLiteral("Einstellungsdateien (*.zqe);;Alle Dateien (*)"),
                                                    false);
    if (name.isEmpty() || !MDIForm)
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".zqe");
    if (QFileInfo::exists(name)
        && ShowMessage(QStringLiteral("Die Datei existiert bereits!\r\nSoll sie überschrieben werden?"),
                       QStringLiteral("Warnung"), mb::YesNoCancel | mb::IconQuestion | mb::DefButton2)
               != mb::IdYes)
        return;
    MDIForm->SaveSettings(name);
}

} // namespace vdl
