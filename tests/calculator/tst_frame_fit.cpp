// The frame fitting itself around its windows, "/top", and arranging the windows.
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include <QMdiArea>
#include <QTimer>

using namespace vdl;

namespace {
// A shown frame at frameAt with windows at the given places.
struct Fixture {
    std::unique_ptr<TMDIForm> frame;
    QList<QMdiSubWindow*> subs;

    Fixture(const QList<QPoint>& places, bool automatic, QPoint frameAt = {100, 100}, const QStringList& arguments = {})
        : frame(std::make_unique<TMDIForm>(arguments))
    {
        frame->show();
        while (frame->windows().size() < places.size())
            frame->MNeuenSpeicherClick();
        frame->Timer1->stop();
        for (int i = 0; i < places.size(); ++i) {
            subs << frame->subWindowOf(frame->windows()[i]);
            subs[i]->move(places[i]);
        }
        frame->MRahmenAuto->setChecked(automatic);
        frame->move(frameAt);
        QTRY_COMPARE(frame->pos(), frameAt);
    }
};
} // namespace

class TestFrameFit : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }
    void init() { TMDIForm::setScreenSize(QSize(1280, 1024)); }

    void fitsAroundWindows_data()
    {
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QPoint>("frameAt");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("moved left") << QPoint(30, 0) << QPoint(250, 0) << QPoint(100, 100) << QPoint(30, 0);
        QTest::newRow("moved up and left") << QPoint(40, 70) << QPoint(250, 20) << QPoint(100, 100) << QPoint(40, 20);
        // A frame partly off the screen leaves its windows where they are; the size still fits.
        QTest::newRow("frame off to the left") << QPoint(30, 10) << QPoint(250, 10) << QPoint(-20, 100) << QPoint(0, 0);
    }
    void fitsAroundWindows()
    {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QPoint, frameAt);
        QFETCH(QPoint, shift);
        Fixture f({first, second}, true, frameAt);
        // The size counts the windows' places before they move.
        const int right = second.x() + f.subs[1]->width();
        const int bottom = std::max(first.y(), second.y()) + f.subs[0]->height();
        f.frame->MRahmenanpassenClick();
        QCOMPARE(f.subs[0]->pos(), first - shift);
        QCOMPARE(f.subs[1]->pos(), second - shift);
        QTRY_COMPARE(f.frame->mdiArea->size(), QSize(right + 4, bottom + 4));
    }

    void keptOnTheScreen()
    {
        Fixture f({QPoint(0, 0), QPoint(182, 0)}, true, QPoint(1200, 900));
        f.frame->MRahmenanpassenClick();
        const QRect outer = f.frame->frameGeometry();
        QTRY_COMPARE(f.frame->pos(), QPoint(1280 - outer.width(), 1024 - outer.height()));
    }

    void tooLargeForTheScreen()
    {
        TMDIForm::setScreenSize(QSize(300, 300));
        ScriptedPrompter prompter;
        Fixture f({QPoint(0, 0), QPoint(182, 0)}, true);
        const QSize before = f.frame->size();
        f.frame->MRahmenanpassenClick();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].text, QStringLiteral("Rahmenanpassung würde Bildschirmgröße überschreiten!"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Anpassung fehlgeschlagen!"));
        QCOMPARE(prompter.calls[0].flags, 0);
        QCOMPARE(f.frame->size(), before);
    }

    // Without "Automatisch" only a "/top" frame moves, to the top right corner.
    void topGoesToTheCorner_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("/top") << "/top" << QPoint(-1, 0);
        QTest::newRow("/TOP") << "/TOP" << QPoint(100, 100);
        QTest::newRow("none") << "" << QPoint(100, 100);
    }
    void topGoesToTheCorner()
    {
        QFETCH(QString, argument);
        QFETCH(QPoint, moved);
        ScriptedPrompter prompter; // "/TOP" names a layout that is not there
        Fixture f({QPoint(30, 0)}, false, QPoint(100, 100), {argument});
        QCOMPARE(bool(f.frame->windowFlags() & Qt::WindowStaysOnTopHint), moved.x() < 0);
        const QSize size = f.frame->size();
        f.frame->MRahmenanpassenClick();
        if (moved.x() < 0)
            moved.setX(1280 - f.frame->frameGeometry().width());
        QTRY_COMPARE(f.frame->pos(), moved);
        QCOMPARE(f.frame->size(), size);
        QCOMPARE(f.subs[0]->pos(), QPoint(30, 0));
    }

    void timerFitsAfterEachNewWindow()
    {
        Fixture f({QPoint(30, 0)}, true);
        f.frame->MNeuenRechnerClick();
        QVERIFY(f.frame->Timer1->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!f.frame->Timer1->isActive(), 10000);
        QCOMPARE(f.subs[0]->pos(), QPoint(0, 0));
    }

    void arranging()
    {
        Fixture f({QPoint(70, 50), QPoint(10, 90), QPoint(200, 5)}, false);
        // Room for the three in a line, either way.
        f.frame->resize(1200, 1000);
        f.frame->MUntereinander->trigger();
        QCOMPARE(f.subs[2]->pos(), QPoint(0, f.subs[0]->height() + f.subs[1]->height()));
        f.frame->MNebeneinander->trigger();
        QCOMPARE(f.subs[2]->pos(), QPoint(f.subs[0]->width() + f.subs[1]->width(), 0));
        f.subs[0]->showMinimized();
        f.subs[2]->showMinimized();
        f.frame->MSymboleAnordnen->trigger();
        const int bottom = f.frame->mdiArea->viewport()->height();
        QCOMPARE(f.subs[0]->geometry().bottomLeft(), QPoint(0, bottom - 1));
        QCOMPARE(f.subs[2]->geometry().bottomLeft(), QPoint(f.subs[0]->width(), bottom - 1));
    }

    void cascadeSteps_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<QList<int>>("steps"); // of the windows in the order they were opened
        QTest::newRow("first active") << 0 << QList<int>{3, 0, 1, 2};
        QTest::newRow("second active") << 1 << QList<int>{0, 3, 1, 2};
        QTest::newRow("last active") << 3 << QList<int>{0, 1, 2, 3};
    }
    // "Überlappend" in a frame with room: a staircase from the top left, each window one title
    // bar further than the one before, in the order they were opened, the active one last.
    void cascadeSteps()
    {
        QFETCH(int, active);
        QFETCH(QList<int>, steps);
        Fixture f({QPoint(300, 0), QPoint(0, 200), QPoint(40, 40), QPoint(500, 300)}, false, QPoint(0, 0));
        f.frame->resize(1200, 1000);
        f.frame->mdiArea->setActiveSubWindow(f.subs[active]);
        f.frame->MUeberlappend->trigger();
        const int step = f.subs[0]->widget()->y();
        for (int i = 0; i < f.subs.size(); ++i)
            QCOMPARE(f.subs[i]->pos(), QPoint(steps[i] * step, steps[i] * step));
        QCOMPARE(f.frame->mdiArea->activeSubWindow(), f.subs[active]);
    }

    void arrangingKeepsWindowsInSight_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QStringList>("types"); // of the windows after Rechner1
        QTest::addColumn<int>("active");
        const QStringList two{"Rechner"};
        const QStringList three{"Speicher", "Speicher"};
        const QStringList four{"Rechner", "Rechner", "Rechner"};
        QTest::newRow("cascade, first active") << "Überlappend" << false << three << 0;
        QTest::newRow("cascade, middle active") << "Überlappend" << false << three << 1;
        QTest::newRow("cascade, last active") << "Überlappend" << false << two << 1;
        QTest::newRow("cascade, fitting") << "Überlappend" << true << four << 1;
        QTest::newRow("below, no room") << "Untereinander" << false << two << 1;
        QTest::newRow("below, no room for three") << "Untereinander" << false << QStringList{"Rechner", "Rechner"} << 0;
        QTest::newRow("beside, no room for three") << "Nebeneinander" << false << QStringList{"Rechner", "Rechner"} << 2;
        QTest::newRow("beside, no room") << "Nebeneinander" << false << two << 1;
        QTest::newRow("below, fitting") << "Untereinander" << true << three << 1;
        QTest::newRow("beside, fitting") << "Nebeneinander" << true << two << 0;
        QTest::newRow("beside, fitting in two rows") << "Nebeneinander" << true << four << 1;
    }
    // Whatever the arrangement, every window lies inside the frame's window area; cascaded,
    // every title bar shows; a fitting frame holds its windows side by side on the screen.
    void arrangingKeepsWindowsInSight()
    {
        QFETCH(QString, command);
        QFETCH(bool, automatic);
        QFETCH(QStringList, types);
        QFETCH(int, active);
        ScriptedPrompter prompter;
        Fixture f({QPoint(0, 0)}, false, QPoint(50, 40));
        for (const QString& type : types)
            f.subs << f.frame->subWindowOf(f.frame->NewWindow(type));
        f.frame->Timer1->stop();
        f.frame->MRahmenAuto->setChecked(automatic);
        f.frame->mdiArea->setActiveSubWindow(f.subs[active]);
        QAction* item = command == QStringLiteral("Überlappend")    ? f.frame->MUeberlappend
                        : command == QStringLiteral("Untereinander") ? f.frame->MUntereinander
                                                                    : f.frame->MNebeneinander;
        item->trigger();
        QVERIFY(prompter.calls.isEmpty());

        if (automatic) {
            int right = 0, bottom = 0;
            for (const QMdiSubWindow* sub : std::as_const(f.subs)) {
                right = std::max(right, sub->geometry().right() + 1);
                bottom = std::max(bottom, sub->geometry().bottom() + 1);
            }
            QTRY_COMPARE(f.frame->mdiArea->size(), QSize(right + 4, bottom + 4));
            QVERIFY(QRect(QPoint(0, 0), TMDIForm::screenSize()).contains(f.frame->frameGeometry()));
        }
        for (const QMdiSubWindow* sub : std::as_const(f.subs))
            QTRY_VERIFY2(f.frame->mdiArea->viewport()->rect().contains(sub->geometry()), qPrintable(sub->windowTitle()));
        // Cascaded, every title bar shows whole and the active window is in front; tiled, at
        // least a quarter of each.
        const QList<QMdiSubWindow*> stacked = f.frame->mdiArea->subWindowList(QMdiArea::StackingOrder);
        const bool cascaded = command == QStringLiteral("Überlappend");
        if (cascaded)
            QCOMPARE(stacked.last(), f.subs[active]);
        for (int i = 0; i < stacked.size(); ++i) {
            const int titleHeight = stacked[i]->widget()->y();
            QRegion title(QRect(stacked[i]->pos(), QSize(stacked[i]->width(), titleHeight)));
            for (int above = i + 1; above < stacked.size(); ++above)
                title -= stacked[above]->geometry();
            const QRect shown = title.boundingRect();
            QVERIFY2(title.rectCount() == 1 && shown.height() == titleHeight, qPrintable(stacked[i]->windowTitle()));
            if (cascaded)
                QCOMPARE(shown.width(), stacked[i]->width());
            else
                QVERIFY2(shown.width() * 4 >= stacked[i]->width(), qPrintable(stacked[i]->windowTitle()));
        }
        if (automatic && !cascaded) {
            for (int i = 0; i < f.subs.size(); ++i)
                for (int j = i + 1; j < f.subs.size(); ++j)
                    QVERIFY(!f.subs[i]->geometry().intersects(f.subs[j]->geometry()));
        }
    }
};

QTEST_MAIN(TestFrameFit)
#include "tst_frame_fit.moc"
