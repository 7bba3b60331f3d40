// The first moments of the frame as the user sees them: the start picture over the window
// area, the new window's name in its title bar, and its pop-ups at the first right click.
#include "platform/ExeDir.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>

using namespace vdl;

class TestFrameStart : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        const QString dir = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag());
        SettingsStore::setDir(dir);
        QDir().mkpath(dir);
        setExeDir(dir);
    }

    void startPicture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as opened") << QSize();
        QTest::newRow("larger") << QSize(700, 560);
        QTest::newRow("smaller") << QSize(420, 320);
    }
    // The picture fills the window area inside a border of 6 pixels whatever its size, and
    // a frame opened again shows it the same.
    void startPicture()
    {
        QFETCH(QSize, size);
        for (int opening = 0; opening < 2; ++opening) {
            auto frame = test::openFrame();
            const QImage picture(QStringLiteral(":/start.jpg"));
            if (size.isValid())
                frame->resize(size);
            QVERIFY(frame->Panel1->isVisible());
            QCOMPARE(frame->Panel1->size(), frame->mdiArea->size());
            const QImage shown = frame->Panel1->grab().toImage();
            const QPoint last(shown.width() - 7, shown.height() - 7);
            QCOMPARE(shown.pixelColor(6, 6), picture.pixelColor(0, 0));
            QCOMPARE(shown.pixelColor(last), picture.pixelColor(picture.width() - 1, picture.height() - 1));
            QCOMPARE(shown.pixelColor(last + QPoint(1, 1)), frame->Panel1->palette().window().color());
        }
    }

    void titleBar_data()
    {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("calculator") << "Rechner" << "" << "Rechner2";
        QTest::newRow("memory") << "Speicher" << "" << "Speicher2";
        QTest::newRow("named") << "Rechner" << "Kasse" << "Kasse";
    }
    // A window carries its name in its title bar from the moment it opens.
    void titleBar()
    {
        QFETCH(QString, typ);
        QFETCH(QString, name);
        QFETCH(QString, title);
        auto frame = test::openFrame();
        QCOMPARE(frame->subWindowOf(frame->windows()[0])->windowTitle(), QStringLiteral("Rechner1"));
        TRechnerForm* window = frame->NewWindow(typ, name);
        QCOMPARE(frame->subWindowOf(window)->windowTitle(), title);
        QCOMPARE(window->windowTitle(), title);
    }

    void popups_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("first");
        QTest::newRow("tape") << "History" << "&Umbenennen";
        QTest::newRow("digit key") << "B7" << "&Umbenennen";
        QTest::newRow("link box") << "Kombi" << "Neuen &Rechner verbinden";
        QTest::newRow("system caption") << "Label1" << "Automatisch umrechnen in";
    }
    // A right click opens the pop-up of what was clicked, in a window that never opened one.
    void popups()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, first);
        auto frame = test::openFrame();
        auto* target = frame->windows()[0]->findChild<QWidget*>(clicked);
        QVERIFY(target);
        emit target->customContextMenuRequested(QPoint(2, 2));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().first()->text(), first);
        menu->close();
    }
};

QTEST_MAIN(TestFrameStart)
#include "tst_frame_start.moc"
