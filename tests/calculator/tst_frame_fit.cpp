// The frame fitting itself around its windows, "/top", and arranging the windows.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vdl;

namespace {
struct Fixture {
    std::unique_ptr<TMDIForm> frame;
    QList<QMdiSubWindow*> subs;

    // A frame at (left, top) with windows at the given positions; automatic fitting as asked.
    Fixture(const QList<QPoint>& positions, bool automatic, const QStringList& arguments = {})
    {
        frame = std::make_unique<TMDIForm>(arguments);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        frame->Timer1->stop();
        while (frame->windows().size() < positions.size())
            frame->MNeuenSpeicherClick();
        frame->Timer1->stop();
        for (TRechnerForm* w : frame->windows())
            subs << frame->subWindowOf(w);
        for (int i = 0; i < positions.size(); ++i)
            subs[i]->move(positions[i]);
        frame->MRahmenAuto->setChecked(automatic);
    }
    void place(const QPoint& at)
    {
        frame->move(at);
        QTRY_COMPARE(frame->pos(), at);
    }
    int clientWidth() const { return frame->mdiArea->width(); }
    int clientHeight() const { return frame->mdiArea->height(); }
};
} // namespace

class TestFrameFit : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.filePath(QStringLiteral("settings")));
        setExeDir(m_dir.path());
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
        QTest::newRow("already in the corner") << QPoint(0, 0) << QPoint(182, 0) << QPoint(0, 0) << QPoint(0, 0);
        // A frame partly off the screen leaves its windows where they are; the size still fits.
        QTest::newRow("frame off to the left") << QPoint(30, 10) << QPoint(250, 10) << QPoint(-20, 100) << QPoint(0, 0);
    }
    void fitsAroundWindows()
    {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QPoint, frameAt);
        QFETCH(QPoint, shift);
        Fixture f({first, second}, true);
        f.place(frameAt);
        const int right = second.x() + f.subs[1]->width();
        const int bottom = std::max(first.y(), second.y()) + f.subs[0]->height();
        f.frame->MRahmenanpassenClick();
        QCOMPARE(f.subs[0]->pos(), first - shift);
        QCOMPARE(f.subs[1]->pos(), second - shift);
        QTRY_COMPARE(f.clientWidth(), right + 4);
        QTRY_COMPARE(f.clientHeight(), bottom + 4);
    }

    void clampedOntoTheScreen()
    {
        Fixture f({QPoint(0, 0), QPoint(182, 0)}, true);
        f.place(QPoint(1200, 900));
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

    void onlyWhenAutomatic()
    {
        Fixture f({QPoint(30, 0), QPoint(250, 0)}, false);
        f.place(QPoint(100, 100));
        const QSize before = f.frame->size();
        f.frame->MRahmenanpassenClick();
        QCOMPARE(f.subs[0]->pos(), QPoint(30, 0));
        QCOMPARE(f.frame->size(), before);
        QCOMPARE(f.frame->pos(), QPoint(100, 100));
    }

    void tickingFitsAtOnce()
    {
        Fixture f({QPoint(30, 0)}, false);
        f.frame->MRahmenAutoClick();
        QCOMPARE(f.subs[0]->pos(), QPoint(0, 0));
    }

    void topGoesToTheCornerWhenFitted()
    {
        Fixture f({QPoint(30, 0)}, false, {QStringLiteral("/top")});
        QVERIFY(f.frame->TopMode);
        QVERIFY(f.frame->windowFlags() & Qt::WindowStaysOnTopHint);
        f.place(QPoint(100, 100));
        f.frame->MRahmenanpassenClick();
        QTRY_COMPARE(f.frame->pos(), QPoint(1280 - f.frame->frameGeometry().width(), 0));
        QCOMPARE(f.subs[0]->pos(), QPoint(30, 0));
    }

    void topIsExact_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("top");
        QTest::newRow("/top") << "/top" << true;
        QTest::newRow("/TOP") << "/TOP" << false;
        QTest::newRow("layout") << "Kasse.zqe" << false;
    }
    void topIsExact()
    {
        QFETCH(QString, argument);
        QFETCH(bool, top);
        TMDIForm frame({argument});
        QCOMPARE(frame.TopMode, top);
    }

    void nothingWithoutWindows()
    {
        Fixture f({QPoint(30, 0)}, true, {QStringLiteral("/top")});
        f.place(QPoint(100, 100));
        f.subs[0]->close();
        f.frame->MRahmenanpassenClick();
        QCOMPARE(f.frame->pos(), QPoint(100, 100));
    }

    void timerFitsAfterNewWindow()
    {
        Fixture f({QPoint(30, 0)}, true);
        f.frame->MNeuenRechnerClick();
        QVERIFY(f.frame->Timer1->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!f.frame->Timer1->isActive(), 2000);
        QCOMPARE(f.subs[0]->pos().x(), 0);
    }

    void arranging_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("rows");
        QTest::newRow("Untereinander") << 0 << true;
        QTest::newRow("Nebeneinander") << 1 << false;
    }
    void arranging()
    {
        QFETCH(int, command);
        QFETCH(bool, rows);
        Fixture f({QPoint(70, 50), QPoint(10, 90), QPoint(200, 5)}, false);
        (command == 0 ? f.frame->MUntereinander : f.frame->MNebeneinander)->trigger();
        QPoint at(0, 0);
        for (QMdiSubWindow* sub : f.subs) {
            QCOMPARE(sub->pos(), at);
            (rows ? at.ry() : at.rx()) += rows ? sub->height() : sub->width();
        }
    }

    void iconsAlongTheBottom()
    {
        Fixture f({QPoint(70, 50), QPoint(10, 90), QPoint(200, 5)}, false);
        f.subs[0]->showMinimized();
        f.subs[2]->showMinimized();
        f.frame->MSymboleAnordnen->trigger();
        const int bottom = f.frame->mdiArea->viewport()->height();
        QCOMPARE(f.subs[0]->geometry().bottomLeft(), QPoint(0, bottom - 1));
        QCOMPARE(f.subs[2]->geometry().bottomLeft(), QPoint(f.subs[0]->width(), bottom - 1));
        QCOMPARE(f.subs[1]->pos(), QPoint(10, 90));
    }
};

QTEST_MAIN(TestFrameFit)
#include "tst_frame_fit.moc"
