// The pictures beside the menu items: which item shows which picture of the image list, and
// that every picture is a picture of its own, sharp at single and double pixel density.
#include "calculator/Pictures.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include <QMenuBar>

using namespace vdl;

namespace {
QImage shown(const QIcon& icon, int pixels, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(pixels, pixels), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class TestMenuPictures : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    void itemPictures_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("image");
        // One item of each menu; the frame's and the window's menus share one image list.
        QTest::newRow("frame: laden") << "HMDatei" << "Einstellungen &laden" << 13;
        QTest::newRow("überlappend") << "HMFenster" << "Über&lappend" << 23;
        QTest::newRow("kurzanleitung") << "MHilfe" << "&Kurzanleitung" << 20;
        QTest::newRow("window: laden") << "Datei" << "Einstellungen &laden" << 13;
        QTest::newRow("window: drucken") << "Datei" << "&Drucken" << 4;
        QTest::newRow("historie löschen") << "Bearbeiten" << "Historie &löschen" << 1;
        QTest::newRow("pop-up: umbenennen") << "PAutoMemo" << "&Umbenennen" << 10;
        QTest::newRow("link: neuer rechner") << "PSpeicher" << "Neuen &Rechner verbinden" << 27;
    }
    void itemPictures()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(int, image);
        auto frame = test::openFrame();
        TRechnerForm* window = frame->windows()[0];
        const QHash<QString, QMenu*> menus{
            {"HMDatei", frame->HMDatei},          {"HMFenster", frame->HMFenster},
            {"MHilfe", frame->MHilfe},            {"Datei", window->HauptMenue[0]},
            {"Bearbeiten", window->HauptMenue[1]}, {"PAutoMemo", window->PAutoMemo()},
            {"PSpeicher", window->PSpeicher()}};
        QAction* item = test::popupItem(menus[menu], caption);
        QVERIFY(item);
        QCOMPARE(shown(item->icon(), 16), shown(Images(image), 16));
        QCOMPARE(shown(item->icon(), 32), shown(Images(image), 32));
    }

    // The office items of the menu bar show their pictures in place of "W" and "E".
    void officeItems()
    {
        auto frame = test::openFrame();
        QCOMPARE(shown(frame->W1->icon(), 16), shown(Images(34), 16));
        QCOMPARE(shown(frame->E1->icon(), 16), shown(Images(35), 16));
        QVERIFY(!frame->W1->isVisible());
        QVERIFY(!frame->E1->isVisible());
    }

    void everyPicture_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::newRow("single density") << 16;
        QTest::newRow("double density") << 32;
    }
    // 36 pictures, none empty, none like another; at either density two thirds of the inked
    // pixels are solid, not smeared between two pixels (slanted strokes in every picture are
    // smoothed), and greyed ones differ from the plain ones.
    void everyPicture()
    {
        QFETCH(int, pixels);
        QList<QImage> seen;
        int allInked = 0, allSolid = 0;
        for (int i = 0; i < ImageCount; ++i) {
            const QImage picture = shown(Images(i), pixels);
            QCOMPARE(picture.size(), QSize(pixels, pixels));
            int inked = 0, solid = 0;
            for (int y = 0; y < pixels; ++y)
                for (int x = 0; x < pixels; ++x) {
                    const int alpha = qAlpha(picture.pixel(x, y));
                    inked += alpha > 0;
                    solid += alpha == 255;
                }
            QVERIFY2(inked >= pixels * pixels / 8, qPrintable(QString::number(i)));
            QVERIFY2(solid * 100 >= inked * 15, qPrintable(QString::number(i)));
            allInked += inked;
            allSolid += solid;
            QVERIFY2(!seen.contains(picture), qPrintable(QString::number(i)));
            seen << picture;
            QVERIFY(shown(Images(i), pixels, QIcon::Disabled) != picture);
        }
        QVERIFY(allSolid * 3 >= allInked * 2);
        QVERIFY(Images(-1).isNull());
        QVERIFY(Images(ImageCount).isNull());
    }
};

QTEST_MAIN(TestMenuPictures)
#include "tst_menupictures.moc"
