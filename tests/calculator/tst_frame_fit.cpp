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
        QTRY_VERIFY_WITH_TIMEOUT(!f.frame->Timer1->isActive(), 2000);
        QCOMPARE(f.subs[0]->pos(), QPoint(0, 0));
    }

    void arranging()
    {
        Fixture f({QPoint(70, 50), QPoint(10, 90), QPoint(200, 5)}, false);
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
};

QTEST_MAIN(TestFrameFit)
#include "tst_frame_fit.moc"
