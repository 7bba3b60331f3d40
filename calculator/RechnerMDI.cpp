// The frame: creation, options, start and close.
#include "calculator/RechnerMDI.h"
#include "calculator/AlphaPad.h"
#include "calculator/Pictures.h"
#include "calculator/Rechner.h"
#include "calculator/StartPicture.h"
#include "dates/CurrencyStore.h"
#include "platform/Application.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_misc.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
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
const QSize StartSize(498, 462); // outer size, centred on the screen
// How often and how long after one another the frame asks for its start bounds.
constexpr int StartTries = 4;
constexpr int StartCheckMs = 100;
} // namespace

TMDIForm::TMDIForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    MDIForm = this;
    initResources();
    setWindowTitle(Application::title());
    // From a pixmap: an icon made from the file name would read the file twice, and ask
    // every image plugin what it is.
    setWindowIcon(QIcon(ReadPicture(QStringLiteral(":/icon.png"), "png")));

    // Qt measures every window's title anew each time any window is activated. A title in a
    // script that needs no shaping (Latin, as the windows' names mostly are) is measured by
    // its glyphs' widths alone, not by the font's full layout rules: with hundreds of windows
    // that is most of what an activation costs.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(titleFont, "QMdiSubWindowTitleBar");

    mdiArea = new QMdiArea(this);
    mdiArea->setActivationOrder(QMdiArea::CreationOrder);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &TMDIForm::mergeMenus);
    connect(&m_model, &WindowModel::changed, this, &TMDIForm::showModel);

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
    startOfficePoll();

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
    // The keypads go with the frame's widget, after its own parts: they tell it nothing then.
    for (TAlphaPadForm* pad : findChildren<TAlphaPadForm*>())
        pad->disconnect(this);
    if (MDIForm == this)
        MDIForm = nullptr;
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
    const QSize startSize = StartSize.shrunkBy(windowHandle()->frameMargins());
    m_marginsPending = true;
    m_startBounds = QRect(startPosition(), StartSize);
    resize(startSize);
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
            // Its outer bounds become those meant at the start (or those the fitting gave it
            // meanwhile). Not inside the window manager's own move, which would take the
            // change for a new request.
            QTimer::singleShot(0, this, [this] { takeStartBounds(StartTries); });
        }
    }
    // Without a window manager's frame the frame stands where it is once it is drawn.
    if (type == QEvent::Expose && m_marginsPending && windowHandle()->isExposed()
        && windowHandle()->frameMargins().isNull())
        settled();
    // Nothing is written before the frame is on the screen: the default currencies are
    // seeded right after it has been drawn for the first time.
    if (type == QEvent::Expose && !m_seeded && windowHandle()->isExposed()) {
        m_seeded = true;
        QTimer::singleShot(0, this, [this] {
            // Until they are stored, the currency lists go on counting them in.
            m_currenciesStored = CurrencyStore::seedDefaults();
        });
    }
}

QRect TMDIForm::outerBounds() const
{
    // The window manager's margins as it tells them now: the widget's own idea of its frame
    // may still be that of the moment before it was framed.
    const QWindow* handle = windowHandle();
    return handle ? geometry().marginsAdded(handle->frameMargins()) : frameGeometry();
}

void TMDIForm::setOuterBounds(const QRect& bounds)
{
    const QWindow* handle = windowHandle();
    setGeometry(handle ? bounds.marginsRemoved(handle->frameMargins()) : bounds);
}

// The window manager may take a request made while it frames the window for its own first
// placement; the bounds are asked for, and again until they hold, a few times at most.
void TMDIForm::takeStartBounds(int tries)
{
    setOuterBounds(m_startBounds);
    QTimer::singleShot(StartCheckMs, this, [this, tries] {
        if (outerBounds() == m_startBounds || tries <= 1)
            settled();
        else
            takeStartBounds(tries - 1);
    });
}

void TMDIForm::settled()
{
    if (m_settled)
        return;
    m_settled = true;
    showPendingAlphaPads();
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
    closeWindow(0);
    Currencies = CurrencyCatalog();
    QMainWindow::closeEvent(event);
}

} // namespace vdl
