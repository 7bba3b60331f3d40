// The frame: creation, menus, windows and their numbering, options, start and close.
#include "calculator/RechnerMDI.h"
#include "calculator/AlphaPad.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include "dates/CurrencyStore.h"
#include "info/GuideWriter.h"
#include "info/vdlRechInfo.h"
#include "info/vdlSysInfo.h"
#include "platform/Application.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_misc.h"
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QTimer>
#include <QWindow>

// Resources of a static library are registered by hand, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(vdl);
}

namespace vdl {

TMDIForm* MDIForm = nullptr;

namespace {
// The picture shown over the windows for the first seconds, stretched inside a narrow border,
// with the logo and the version at the lower left.
class StartPicture : public QWidget {
public:
    explicit StartPicture(QWidget* parent)
        : QWidget(parent), m_picture(ReadPicture(QStringLiteral(":/start.jpg"), "jpeg"))
    {
        setObjectName(QStringLiteral("Panel1"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_logo = new QLabel(this);
        m_logo->setObjectName(QStringLiteral("Image2"));
        m_logo->setPixmap(ReadPicture(QStringLiteral(":/logo.png"), "png"));
        m_logo->resize(167, 26);
        version = new QLabel(QStringLiteral("3.1"), this);
        version->setObjectName(QStringLiteral("Label1"));
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(12);
        font.setBold(true);
        version->setFont(font);
        QPalette palette = version->palette();
        palette.setColor(QPalette::WindowText, QColor(0xFA, 0xF0, 0xAF));
        version->setPalette(palette);
        version->resize(40, 16); // room for the version in any fallback font
    }

    QLabel* version = nullptr;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const QRect inside = rect().adjusted(Border, Border, -Border, -Border);
        if (!inside.isEmpty())
            painter.drawPixmap(inside.topLeft(), stretched(inside.size()));
    }
    void resizeEvent(QResizeEvent*) override
    {
        // Both keep their distance to the lower edge however large the frame is.
        const int bottom = height() - Border;
        m_logo->move(Border + 22, bottom - 36);
        version->move(Border + 194, bottom - 23);
    }

private:
    // Stretching the picture costs more than all the rest of the start; it is done once for
    // each size and kept for the next frame.
    QPixmap stretched(const QSize& size) const
    {
        const qreal ratio = devicePixelRatioF();
        const QString key = QStringLiteral("vdl-start-%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
        QPixmap picture;
        if (!QPixmapCache::find(key, &picture)) {
            picture = QPixmap(size * ratio);
            picture.setDevicePixelRatio(ratio);
            QPainter painter(&picture);
            painter.drawPixmap(QRect(QPoint(), size), m_picture);
            painter.end();
            QPixmapCache::insert(key, picture);
        }
        return picture;
    }

    static constexpr int Border = 6;
    QPixmap m_picture;
    QLabel* m_logo = nullptr;
};

const QSize StartSize(498, 462); // outer size, centred on the screen
const QString RechnerTyp = QStringLiteral("Rechner");
const QString SpeicherTyp = QStringLiteral("Speicher");

void writeOption(const QString& name, bool on)
{
    WriteSetting(QStringLiteral("%"), name, BoolToJaNein(on), false, true);
}
} // namespace

TMDIForm::TMDIForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    MDIForm = this;
    initResources();
    setWindowTitle(Application::title());
    // From a pixmap: an icon made from the file name would read the file twice, and ask
    // every image plugin what it is.
    setWindowIcon(QIcon(ReadPicture(QStringLiteral(":/icon.png"), "png")));

    mdiArea = new QMdiArea(this);
    mdiArea->setActivationOrder(QMdiArea::CreationOrder);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &TMDIForm::mergeMenus);

    buildMenus();
    auto* startPicture = new StartPicture(mdiArea);
    Panel1 = startPicture;
    Label1 = startPicture->version;
    mdiArea->installEventFilter(this);
    // A Shift or Ctrl released while another window has the keyboard must take that key's
    // layer down in every window, not only in the one that sees the release.
    qApp->installEventFilter(this);
    const QStringList options =
        ReadSettings(QStringLiteral("%"), {QStringLiteral("RahmenAnpassen"), QStringLiteral("EinstellungenBeibehalten")});
    MRahmenAuto->setChecked(TextToBool(options[0]));
    mnubeibehalten->setChecked(TextToBool(options[1]));
    // The default currencies are seeded once the frame is on the screen (startEvent).

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        if (MRahmenAuto->isChecked())
            MRahmenanpassenClick();
    });
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, Panel1, &QWidget::hide);
    Timer2->start();

    // Only the first argument counts: "/top" (exactly so) keeps the frame above all windows,
    // anything else is a layout to open.
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("/top")) {
        TopMode = true;
        setWindowFlag(Qt::WindowStaysOnTopHint);
    } else if (!arguments.isEmpty()) {
        m_layoutArgument = arguments.first();
    }
    resize(StartSize);
}

TMDIForm::~TMDIForm()
{
    // The windows go while the frame is still whole; their farewells find it closing.
    m_destroying = true;
    delete mdiArea;
    if (MDIForm == this)
        MDIForm = nullptr;
}

void TMDIForm::buildMenus()
{
    auto item = [this](QMenu* menu, const QString& caption, int image, void (TMDIForm::*handler)(),
                       QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(Images(image), caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    // Present with their captions; what they do comes with a later version of the program.
    auto later = [](QMenu* menu, const QString& caption, int image, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(Images(image), caption);
        action->setShortcut(shortcut);
        action->setEnabled(false);
        return action;
    };

    HMDatei = new QMenu(QStringLiteral("&Datei"), this);
    connect(HMDatei, &QMenu::aboutToShow, this, [this, item] {
        MEinstellungenLaden = item(HMDatei, QStringLiteral("Einstellungen &laden"), ImgEinstellungenLaden,
                                   &TMDIForm::MEinstellungenLadenClick);
        HMDatei->addSeparator();
        MBeenden = HMDatei->addAction(Images(ImgBeenden), QStringLiteral("&Beenden"));
        connect(MBeenden, &QAction::triggered, this, &QWidget::close);
    }, Qt::SingleShotConnection);

    HMFenster = new QMenu(QStringLiteral("&Fenster"), this);
    MUeberlappend = HMFenster->addAction(Images(ImgUeberlappend), QStringLiteral("Über&lappend"));
    connect(MUeberlappend, &QAction::triggered, mdiArea, &QMdiArea::cascadeSubWindows);
    MUntereinander = item(HMFenster, QStringLiteral("&Untereinander"), ImgUntereinander, &TMDIForm::MUntereinanderClick);
    MNebeneinander = item(HMFenster, QStringLiteral("&Nebeneinander"), ImgNebeneinander, &TMDIForm::MNebeneinanderClick);
    MSymboleAnordnen =
        item(HMFenster, QStringLiteral("&Symbole anordnen"), ImgSymboleAnordnen, &TMDIForm::MSymboleAnordnenClick);
    MRahmenanpassen =
        item(HMFenster, QStringLiteral("&Rahmen anpassen"), ImgRahmenAnpassen, &TMDIForm::MRahmenanpassenClick);
    MRahmenAuto = HMFenster->addAction(QStringLiteral("&Automatisch anpassen"));
    MRahmenAuto->setCheckable(true);
    connect(MRahmenAuto, &QAction::triggered, this, [this](bool on) {
        if (on)
            MRahmenanpassenClick();
        writeOption(QStringLiteral("RahmenAnpassen"), on);
    });
    HMFenster->addSeparator();
    mnubeibehalten = HMFenster->addAction(QStringLiteral("Einstellungen &beibehalten"));
    mnubeibehalten->setCheckable(true);
    connect(mnubeibehalten, &QAction::triggered, this, [](bool on) {
        writeOption(QStringLiteral("EinstellungenBeibehalten"), on);
        if (!on)
            QFile::remove(KeptLayout());
    });
    HMFenster->addSeparator();
    MNeuenRechner = item(HMFenster, QStringLiteral("Neuer &Rechner"), ImgNeuerRechner, &TMDIForm::MNeuenRechnerClick,
                         QKeySequence(Qt::CTRL | Qt::Key_R));
    MNeuenSpeicher = item(HMFenster, QStringLiteral("Neuer &Speicher"), ImgNeuerSpeicher,
                          &TMDIForm::MNeuenSpeicherClick, QKeySequence(Qt::CTRL | Qt::Key_S));
    MBenennen = later(HMFenster, QStringLiteral("&Benennen"), ImgBenennen, QKeySequence(Qt::CTRL | Qt::Key_N));
    HMLoeschen = later(HMFenster, QStringLiteral("&Löschen"), ImgLoeschen, QKeySequence(Qt::CTRL | Qt::Key_L));
    MAlphaPad = item(HMFenster, QStringLiteral("&Alpha-Pad"), ImgAlphaPad, &TMDIForm::MAlphaPadClick,
                     QKeySequence(Qt::CTRL | Qt::Key_A));
    HMFenster->addSeparator();
    connect(HMFenster, &QMenu::aboutToShow, this, [this] {
        HMFensterClick();
        fillWindowList();
    });

    MHilfe = new QMenu(QStringLiteral("?"), this);
    connect(MHilfe, &QMenu::aboutToShow, this, [this] {
        MKurzanleitung = MHilfe->addAction(Images(ImgKurzanleitung), QStringLiteral("&Kurzanleitung"));
        connect(MKurzanleitung, &QAction::triggered, this, [] { OpenKurzanleitung(); });
        MProduktinformation = MHilfe->addAction(Images(ImgProduktinformation), QStringLiteral("Produktinformation"));
        connect(MProduktinformation, &QAction::triggered, this, [this] { ShowRechInfo(this, Label1->text()); });
        MSysteminformation = MHilfe->addAction(Images(ImgSysteminformation), QStringLiteral("Systeminformation"));
        connect(MSysteminformation, &QAction::triggered, this, [] { ShowSysInfo(); });
    }, Qt::SingleShotConnection);

    // Shown by the office hand-off once a word processor or spreadsheet is found; the menu
    // bar shows their pictures in place of the captions.
    W1 = new QAction(Images(ImgTextverarbeitung), QStringLiteral("W"), this);
    E1 = new QAction(Images(ImgTabellenkalkulation), QStringLiteral("E"), this);
    W1->setVisible(false);
    E1->setVisible(false);
    mergeMenus(nullptr);
}

bool TMDIForm::eventFilter(QObject* watched, QEvent* event)
{
    if (m_shown && watched == windowHandle()) {
        startWindowEvent(event);
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Shift || key == Qt::Key_Control) {
            for (TRechnerForm* window : windows())
                window->core().FormKeyUp(key == Qt::Key_Shift ? 16 : 17);
        }
        return false;
    }
    // The start picture covers the whole window area, above the windows.
    if (watched == mdiArea && event->type() == QEvent::Resize) {
        Panel1->setGeometry(mdiArea->rect());
        Panel1->raise();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMDIForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        placeAtStart();
        FormShow();
    }
}

void TMDIForm::placeAtStart()
{
    // 498 x 462 are the outer bounds, the window manager's frame included. Its margins are
    // known only once it has framed the window (startWindowEvent); until then the frame
    // counts them as none.
    m_startSize = StartSize.shrunkBy(windowHandle()->frameMargins());
    m_marginsPending = true;
    m_startBounds = QRect(startPosition(), StartSize);
    resize(m_startSize);
    move(startPosition());
}

QPoint TMDIForm::startPosition()
{
    const QSize screen = screenSize();
    return {(screen.width() - StartSize.width()) / 2, (screen.height() - StartSize.height()) / 2};
}

void TMDIForm::startWindowEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_marginsPending && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose)) {
        const QMargins margins = windowHandle()->frameMargins();
        if (!margins.isNull()) {
            m_marginsPending = false;
            // Unless the user or the fitting has sized the frame meanwhile, its outer bounds
            // become those meant at the start. Not inside the window manager's own move,
            // which would take the change for a new request.
            QTimer::singleShot(0, this, [this, margins] {
                if (size() != m_startSize)
                    return;
                resize(m_startBounds.size().shrunkBy(margins));
                move(m_startBounds.topLeft());
            });
        }
    }
    // Nothing is written before the frame is on the screen: the default currencies are
    // seeded right after it has been drawn for the first time.
    if (type == QEvent::Expose && !m_seeded && windowHandle()->isExposed()) {
        m_seeded = true;
        QTimer::singleShot(0, this, [] { CurrencyStore::seedDefaults(); });
    }
}

void TMDIForm::FormShow()
{
    openStartLayout();
}

void TMDIForm::closeEvent(QCloseEvent* event)
{
    // The frame closes even when the kept layout cannot be written; the user is told.
    if (mnubeibehalten->isChecked() && !windows().isEmpty())
        SaveSettings(KeptLayout());
    const QList<QMdiSubWindow*> open = mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* sub : open)
        sub->close();
    Currencies = CurrencyCatalog();
    QMainWindow::closeEvent(event);
}

// ---- Windows --------------------------------------------------------------------------------

TRechnerForm* TMDIForm::NewWindow(const QString& Typ, const QString& Name)
{
    ++WindowCounter;
    const int nummer = WindowCounter;
    const QString name = Name.isEmpty() ? Typ + QString::number(nummer) : Name;
    auto* window = new TRechnerForm;
    window->core().setHost(this);
    WindowNames.add(name, nummer);
    window->FNummer = nummer;
    window->SetTyp(Typ);
    connect(window, &TRechnerForm::fitFrameRequested, this, &TMDIForm::MRahmenanpassenClick);
    connect(&window->core(), &RechnerCore::changed, this, &TMDIForm::HMFensterClick);

    auto* sub = mdiArea->addSubWindow(window, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    QSize size = sub->sizeHint();
    if (Typ.compare(SpeicherTyp, Qt::CaseInsensitive) == 0)
        size.setWidth(182);
    sub->setFixedSize(size);
    connect(sub, &QObject::destroyed, this, [this, nummer] { windowClosed(nummer); });
    sub->show();
    // Typing goes to the new window's tape, never into its system list.
    window->setFocus();
    // Qt measures the title anew in every layout pass of an inner window, and a new one has
    // several pending; they run now, while it has no title yet, and it is named after them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    QCoreApplication::sendPostedEvents(sub, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(window, QEvent::LayoutRequest);
    window->setWindowTitle(name);

    // Every other window offers the new one as its memory, and the new one offers them all.
    for (TRechnerForm* other : windows()) {
        if (other == window)
            continue;
        other->Kombi->addItem(name, nummer);
        window->Kombi->addItem(other->windowTitle(), other->FNummer);
    }
    EnableTimer1();
    return window;
}

void TMDIForm::MNeuenRechnerClick()
{
    NewWindow(RechnerTyp, QString());
}

void TMDIForm::MNeuenSpeicherClick()
{
    NewWindow(SpeicherTyp, QString());
}

void TMDIForm::RemoveWindowName(int Nummer)
{
    for (int i = 0; i < WindowNames.count(); ++i) {
        if (WindowNames.object(i) == Nummer) {
            WindowNames.removeAt(i);
            return;
        }
    }
}

void TMDIForm::windowClosed(int Nummer)
{
    if (m_destroying)
        return;
    RemoveWindowName(Nummer);
    EnableTimer1();
    if (mdiArea->subWindowList().isEmpty())
        mergeMenus(nullptr);
    HMFensterClick();
}

void TMDIForm::EnableTimer1()
{
    if (!Timer1->isActive())
        Timer1->start();
}

QList<TRechnerForm*> TMDIForm::windows() const
{
    QList<TRechnerForm*> list;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<TRechnerForm*>(sub->widget()))
            list << window;
    }
    return list;
}

TRechnerForm* TMDIForm::activeWindow() const
{
    // A click into the letter keypad deactivates the frame and with it every window; the
    // window active before still counts as the active one.
    QMdiSubWindow* sub = mdiArea->activeSubWindow();
    if (!sub)
        sub = m_lastActive;
    if (sub)
        return qobject_cast<TRechnerForm*>(sub->widget());
    const QList<TRechnerForm*> list = windows();
    return list.isEmpty() ? nullptr : list.last();
}

TRechnerForm* TMDIForm::findWindow(int Nummer) const
{
    for (TRechnerForm* window : windows()) {
        if (window->FNummer == Nummer)
            return window;
    }
    return nullptr;
}

QMdiSubWindow* TMDIForm::subWindowOf(const TRechnerForm* window) const
{
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

bool TMDIForm::sendToActiveWindow(const QString& Text, bool FromButton)
{
    TRechnerForm* window = activeWindow();
    if (!window)
        return false;
    window->InputProcessing(Text, FromButton);
    return true;
}

// ---- Menus ----------------------------------------------------------------------------------

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
    MAlphaPad->setEnabled(window && window->core().FSystem > 10);
}

void TMDIForm::fillWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const TRechnerForm* active = activeWindow();
    int n = 0;
    for (TRechnerForm* window : windows()) {
        ++n;
        const QString prefix = n < 10 ? QStringLiteral("&%1 ").arg(n) : QStringLiteral("%1 ").arg(n);
        QAction* action = HMFenster->addAction(prefix + window->windowTitle());
        action->setCheckable(true);
        action->setChecked(window == active);
        const int nummer = window->FNummer;
        connect(action, &QAction::triggered, this, [this, nummer] {
            if (QMdiSubWindow* sub = subWindowOf(findWindow(nummer))) {
                sub->showNormal();
                mdiArea->setActiveSubWindow(sub);
            }
        });
        m_windowListActions << action;
    }
}

void TMDIForm::MAlphaPadClick()
{
    const TRechnerForm* window = activeWindow();
    if (!window)
        return;
    auto* pad = new TAlphaPadForm(this);
    pad->SetBase(window->core().FSystem);
    pad->show();
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
