// The frame and the letter keypad under a real window manager, measured as the X server
// shows them (outer bounds with the manager's frame, stacking order): the frame comes back
// where it was over several restarts, the keypad opens beside its window and stays below
// dialogs and other programs, and arranging leaves every window in sight.
#include "calculator/AlphaPad.h"
#include "calculator/Benennen.h"
#include "calculator/LayoutFile.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlReg.h"
#include <QDialog>
#include <QMdiSubWindow>
#include <QMdiArea>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace vdl;
using test::setSystem;

namespace {

const QRect Screen(0, 0, 1280, 1024); // the test display's screen
// How long a test waits for the window manager and the X server to report a change. Nothing
// waits for a fixed time: on a busy machine their answers may take seconds.
constexpr int Deadline = 20000;

QString xTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLatin1(process.readAllStandardOutput());
}

// The numbers xprop gives for a property: after "=", or after "#" for windows.
QList<int> propertyNumbers(const QString& text)
{
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("(0x[0-9a-f]+|\\d+)"));
    static const QRegularExpression start(QStringLiteral("[=#]"));
    const qsizetype from = text.indexOf(start);
    if (from < 0)
        return numbers;
    for (const QRegularExpressionMatch& m : number.globalMatch(text.mid(from + 1)))
        numbers << m.captured(1).toInt(nullptr, 0);
    return numbers;
}

// A top-level window's outer bounds on the screen, the window manager's frame included.
QRect onScreen(const QWidget* window)
{
    const QString id = QString::number(window->winId());
    const QString info = xTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const auto field = [&](const QString& name) {
        const QRegularExpression re(name + QStringLiteral(":\\s*(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    const QRect client(field(QStringLiteral("Absolute upper-left X")), field(QStringLiteral("Absolute upper-left Y")),
                       field(QStringLiteral("Width")), field(QStringLiteral("Height")));
    const QList<int> extents = propertyNumbers(
        xTool(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")}));
    if (extents.size() != 4)
        return client;
    return client.adjusted(-extents[0], -extents[2], extents[1], extents[3]);
}

// The managed windows from the bottom to the top.
QList<int> stacking()
{
    return propertyNumbers(
        xTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")}));
}

// The X server shows the window where the program believes it is: the window manager has
// framed it and the program has heard of the last move or resize.
bool agreed(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    // The widget hears of it last, through an event of its own.
    return handle && !handle->frameMargins().isNull() && onScreen(window) == handle->frameGeometry()
        && window->frameGeometry() == handle->frameGeometry();
}

QString text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// For a failure: where the X server shows a window and where the program believes it is.
QByteArray where(const QWidget* window)
{
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return "no window";
    return (QStringLiteral("X server ") + text(onScreen(window)) + QStringLiteral(", program ")
            + text(handle->frameGeometry()))
        .toUtf8();
}

int level(const QWidget* window)
{
    return stacking().indexOf(int(window->winId()));
}

QString windowStates(const QWidget* window)
{
    return xTool(QStringLiteral("xprop"),
                 {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_STATE")});
}

// A window in the frame as the screen shows it.
QRect onScreen(const TMDIForm& frame, TRechnerForm* window)
{
    const QMdiSubWindow* sub = frame.subWindowOf(window);
    return QRect(sub->mapToGlobal(QPoint(0, 0)), sub->size());
}

// The kept layout: the frame's bounds and one calculator at the top left in a base.
void keepLayout(const QRect& bounds, int system)
{
    LayoutWindow window;
    window.Name = QStringLiteral("Rechner1");
    window.Typ = QStringLiteral("Rechner");
    window.System = system;
    QByteArray bytes;
    QVERIFY(layoutFileBytes({bounds.x(), bounds.y(), bounds.width(), bounds.height()}, {window}, bytes));
    QVERIFY(test::putFile(TMDIForm::KeptLayout(), bytes));
}

QByteArray keptHeader()
{
    return test::fileBytes(TMDIForm::KeptLayout()).split('\r').first();
}

QByteArray headerOf(const QRect& r)
{
    const QByteArray sep("-\xDF\xDF-");
    return QByteArray::number(r.x()) + sep + QByteArray::number(r.y()) + sep + QByteArray::number(r.width()) + sep
           + QByteArray::number(r.height());
}

// The windows whose title bar the screen does not show as the window draws it, each with the
// share of its pixels that differ.
QString hiddenTitleBars(QWidget* frame, const QList<QMdiSubWindow*>& subs)
{
    // The frame's picture goes to the X server before the screen is read, so that only
    // another window in front can make a title bar differ, not a repaint still to come.
    frame->repaint();
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QStringList hidden;
    for (QMdiSubWindow* sub : subs) {
        // The title bar without its rounded corners, which show what lies behind, and without
        // its lowest line, where the window's content begins.
        const QRect title = QRect(0, 0, sub->width(), sub->widget()->y()).adjusted(4, 3, -4, -2);
        const QImage own = sub->grab(title).toImage().convertToFormat(screen.format());
        const QImage shown = screen.copy(QRect(sub->mapToGlobal(title.topLeft()), title.size()));
        // A covered title bar differs nearly everywhere; a line drawn a shade apart is no matter.
        int differing = 0;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x)
                differing += own.pixel(x, y) != shown.pixel(x, y);
        if (differing * 10 > own.width() * own.height())
            hidden << QStringLiteral("%1 (%2%)").arg(sub->windowTitle()).arg(differing * 100 / (own.width() * own.height()));
    }
    return hidden.join(QLatin1Char(' '));
}

// A frame started as the program starts it, on the screen where it belongs.
std::unique_ptr<TMDIForm> startFrame()
{
    auto frame = std::make_unique<TMDIForm>();
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame.get(), Deadline))
        return frame;
    // The window manager's own placement and the frame's answer to it: the frame stands once
    // the screen shows it where it means to be. The start picture goes as after its two seconds.
    (void)QTest::qWaitFor([&] { return agreed(frame.get()); }, Deadline);
    frame->Panel1->hide();
    return frame;
}

} // namespace

class TestFrameWm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        QVERIFY2(xTool(QStringLiteral("xprop"), {QStringLiteral("-root")}).contains(QLatin1String("_NET_SUPPORTING_WM_CHECK")),
                 "no X display with a window manager: scripts/xvfb-wm.sh");
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), Screen);
    }
    void init()
    {
        test::useOwnFolders(m_dir);
        WriteSetting(QStringLiteral("%"), QStringLiteral("EinstellungenBeibehalten"), QStringLiteral("Ja"), false, true);
    }
    void cleanup() { delete AlphaPad.data(); }

    void frameComesBackWhereItWas_data()
    {
        QTest::addColumn<QRect>("kept"); // a null rectangle: the first start, centred
        QTest::newRow("first start") << QRect();
        QTest::newRow("moved and sized") << QRect(100, 150, 600, 500);
        QTest::newRow("top left corner") << QRect(0, 0, 520, 480);
        QTest::newRow("lower right") << QRect(700, 520, 560, 480);
    }
    // With "Einstellungen beibehalten" the frame comes back exactly where and as large as it
    // was, restart after restart, and the kept layout says so.
    void frameComesBackWhereItWas()
    {
        QFETCH(QRect, kept);
        if (kept.isValid())
            keepLayout(kept, 10);
        const QRect expected = kept.isValid() ? kept : QRect(391, 281, 498, 462);
        for (int start = 1; start <= 4; ++start) {
            auto frame = startFrame();
            QTRY_COMPARE_WITH_TIMEOUT(onScreen(frame.get()), expected, Deadline);
            QTRY_VERIFY_WITH_TIMEOUT(agreed(frame.get()), Deadline);
            QCOMPARE(frame->frameGeometry(), expected);
            frame->close();
            QVERIFY2(keptHeader() == headerOf(expected), qPrintable(QStringLiteral("start %1").arg(start)));
        }
    }

    void keypadBesideItsWindow_data()
    {
        QTest::addColumn<QRect>("frameBounds");
        QTest::addColumn<bool>("toTheRight");
        QTest::newRow("room on the right") << QRect(100, 100, 560, 480) << true;
        QTest::newRow("screen edge on the right") << QRect(880, 300, 400, 480) << false;
    }
    // The keypad of a window in base 16 opens beside it, never over it, above the frame but
    // not above everything; it comes back where it last stood, also after the user moved it.
    void keypadBesideItsWindow()
    {
        QFETCH(QRect, frameBounds);
        QFETCH(bool, toTheRight);
        keepLayout(frameBounds, 16);
        auto frame = startFrame();
        TRechnerForm* window = frame->windows().first();
        QTRY_VERIFY_WITH_TIMEOUT(AlphaPad && AlphaPad->isVisible(), Deadline);
        QVERIFY(agreed(frame.get()));
        const QRect calculator = onScreen(*frame, window);
        // Once the window manager has framed it, it stands level with its window.
        QTRY_VERIFY2_WITH_TIMEOUT(agreed(AlphaPad.data()) && onScreen(AlphaPad.data()).top() == calculator.top(),
                                  where(AlphaPad.data()), Deadline);
        const QRect pad = onScreen(AlphaPad.data());
        QVERIFY2(!pad.intersects(calculator), qPrintable(text(pad)));
        QVERIFY(Screen.contains(pad));
        const int gap = toTheRight ? pad.left() - calculator.right() : calculator.left() - pad.right();
        QVERIFY2(gap > 0 && gap <= 10, qPrintable(QString::number(gap)));
        QCOMPARE(pad.top(), calculator.top());
        QVERIFY(level(AlphaPad.data()) > level(frame.get()));
        QVERIFY(!windowStates(AlphaPad.data()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));

        // Switching the base keeps it where it is; a keypad opened anew comes back there.
        setSystem(window, 12);
        QCOMPARE(onScreen(AlphaPad.data()), pad);
        setSystem(window, 10);
        QTRY_VERIFY(!AlphaPad);
        setSystem(window, 16);
        QTRY_VERIFY_WITH_TIMEOUT(AlphaPad && AlphaPad->isVisible(), Deadline);
        QTRY_VERIFY2_WITH_TIMEOUT(agreed(AlphaPad.data()), where(AlphaPad.data()), Deadline);
        QCOMPARE(onScreen(AlphaPad.data()), pad);

        // Moved by the user, it comes back at the new place.
        const QPoint moved(20, 700);
        AlphaPad->windowHandle()->setFramePosition(moved); // as the window manager moves it for the user
        // The move is done once the program has heard of it from the window manager, as after
        // a move with the mouse; until then it knows only what it asked for.
        QTRY_VERIFY2_WITH_TIMEOUT(agreed(AlphaPad.data()) && onScreen(AlphaPad.data()).topLeft() == moved,
                                  where(AlphaPad.data()), Deadline);
        setSystem(window, 10);
        QTRY_VERIFY(!AlphaPad);
        setSystem(window, 16);
        QTRY_VERIFY_WITH_TIMEOUT(AlphaPad && AlphaPad->isVisible(), Deadline);
        QTRY_VERIFY2_WITH_TIMEOUT(agreed(AlphaPad.data()), where(AlphaPad.data()), Deadline);
        QCOMPARE(onScreen(AlphaPad.data()).topLeft(), moved);
    }

    // A dialog of the program and another program's window both come above the keypad.
    void keypadBelowDialogsAndOtherPrograms()
    {
        keepLayout(QRect(100, 100, 560, 480), 16);
        auto frame = startFrame();
        QTRY_VERIFY_WITH_TIMEOUT(AlphaPad && AlphaPad->isVisible(), Deadline);
        QTRY_VERIFY_WITH_TIMEOUT(agreed(AlphaPad.data()) && level(AlphaPad.data()) > level(frame.get()), Deadline);

        ScriptedPrompter prompter;
        int dialogLevel = -1, padLevel = -1;
        prompter.dialogScripts << [&](QDialog& dialog) {
            // The dialog is above once the window manager has stacked it so.
            if (QTest::qWaitForWindowExposed(&dialog, Deadline)) {
                (void)QTest::qWaitFor([&] {
                    dialogLevel = level(&dialog);
                    padLevel = level(AlphaPad.data());
                    return dialogLevel > padLevel && padLevel >= 0;
                }, Deadline);
            }
            return int(QDialog::Rejected);
        };
        ShowRenameDialog(*frame);
        QCOMPARE(prompter.calls.size(), 1);
        QVERIFY2(dialogLevel > padLevel && padLevel >= 0, qPrintable(QStringLiteral("%1 %2").arg(dialogLevel).arg(padLevel)));

        // Another program's window over the keypad.
        const QRect pad = onScreen(AlphaPad.data());
        const QList<int> before = stacking();
        QProcess other;
        other.start(QStringLiteral("xlogo"), {QStringLiteral("-geometry"),
                                              QStringLiteral("300x300+%1+%2").arg(pad.x() - 50).arg(pad.y() - 50)});
        QVERIFY(other.waitForStarted());
        // Another program's window comes up in front once the window manager has stacked it.
        int otherLevel = -1, padNow = -1;
        (void)QTest::qWaitFor([&] {
            const QList<int> now = stacking();
            for (int i = 0; i < now.size(); ++i)
                if (!before.contains(now[i]))
                    otherLevel = i;
            padNow = now.indexOf(int(AlphaPad->winId()));
            return otherLevel > padNow;
        }, Deadline);
        other.kill();
        other.waitForFinished();
        QVERIFY2(otherLevel > padNow, qPrintable(QStringLiteral("%1 %2").arg(otherLevel).arg(padNow)));
    }

    void arranging_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("windows");
        QTest::addColumn<int>("active");
        QTest::newRow("cascade, first active") << "Überlappend" << false << 3 << 0;
        QTest::newRow("cascade, last active") << "Überlappend" << false << 2 << 1;
        QTest::newRow("below") << "Untereinander" << false << 3 << 1;
        QTest::newRow("beside") << "Nebeneinander" << false << 3 << 1;
        QTest::newRow("below, fitting") << "Untereinander" << true << 3 << 1;
        QTest::newRow("beside, fitting") << "Nebeneinander" << true << 3 << 0;
        QTest::newRow("cascade, fitting") << "Überlappend" << true << 3 << 0;
    }
    // After arranging, every window lies in the frame's visible area and every title bar shows
    // on the screen; a fitting frame then holds its windows, inside the screen.
    void arranging()
    {
        QFETCH(QString, command);
        QFETCH(bool, automatic);
        QFETCH(int, windows);
        QFETCH(int, active);
        auto frame = startFrame();
        while (frame->windows().size() < windows)
            frame->MNeuenRechnerClick();
        frame->Timer1->stop();
        frame->MRahmenAuto->setChecked(automatic);
        QList<QMdiSubWindow*> subs;
        for (TRechnerForm* w : frame->windows())
            subs << frame->subWindowOf(w);
        frame->mdiArea->setActiveSubWindow(subs[active]);
        QAction* item = command == QStringLiteral("Überlappend")    ? frame->MUeberlappend
                        : command == QStringLiteral("Untereinander") ? frame->MUntereinander
                                                                    : frame->MNebeneinander;
        item->trigger();
        if (automatic) {
            int right = 0, bottom = 0;
            for (const QMdiSubWindow* sub : std::as_const(subs)) {
                right = std::max(right, sub->geometry().right() + 1);
                bottom = std::max(bottom, sub->geometry().bottom() + 1);
            }
            QTRY_COMPARE_WITH_TIMEOUT(frame->mdiArea->size(), QSize(right + 4, bottom + 4), Deadline);
        }
        QTRY_VERIFY_WITH_TIMEOUT(agreed(frame.get()), Deadline);

        // The windows outside the frame's visible area, once the frame has taken its new size.
        const auto outside = [&] {
            const QWidget* viewport = frame->mdiArea->viewport();
            const QRect visible(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
            QStringList titles;
            for (QMdiSubWindow* sub : std::as_const(subs)) {
                if (!visible.contains(QRect(sub->mapToGlobal(QPoint(0, 0)), sub->size())))
                    titles << sub->windowTitle();
            }
            return titles.join(QLatin1Char(' '));
        };
        QTRY_COMPARE_WITH_TIMEOUT(outside(), QString(), Deadline);
        QVERIFY(Screen.contains(onScreen(frame.get())));
        // Each title bar on the screen is the title bar the window draws: none is hidden.
        QTRY_COMPARE_WITH_TIMEOUT(hiddenTitleBars(frame.get(), subs), QString(), Deadline);
    }
};

QTEST_MAIN(TestFrameWm)
#include "tst_frame_wm.moc"
