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

QAction* itemOf(QMenu* menu, const QString& caption)
{
    emit menu->aboutToShow(); // some menus make their items at the first opening
    for (QAction* action : menu->actions()) {
        if (action->text() == caption)
            return action;
        if (action->menu())
            if (QAction* inner = itemOf(action->menu(), caption))
                return inner;
    }
    return nullptr;
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
        // The frame's menus, with the pictures the frame names for them.
        QTest::newRow("frame: laden") << "HMDatei" << "Einstellungen &laden" << 13;
        QTest::newRow("frame: beenden") << "HMDatei" << "&Beenden" << 14;
        QTest::newRow("überlappend") << "HMFenster" << "Über&lappend" << 23;
        QTest::newRow("untereinander") << "HMFenster" << "&Untereinander" << 24;
        QTest::newRow("nebeneinander") << "HMFenster" << "&Nebeneinander" << 25;
        QTest::newRow("symbole") << "HMFenster" << "&Symbole anordnen" << 26;
        QTest::newRow("frame: rahmen") << "HMFenster" << "&Rahmen anpassen" << 12;
        QTest::newRow("neuer rechner") << "HMFenster" << "Neuer &Rechner" << 18;
        QTest::newRow("neuer speicher") << "HMFenster" << "Neuer &Speicher" << 19;
        QTest::newRow("benennen") << "HMFenster" << "&Benennen" << 10;
        QTest::newRow("frame: löschen") << "HMFenster" << "&Löschen" << 1;
        QTest::newRow("alpha-pad") << "HMFenster" << "&Alpha-Pad" << 17;
        QTest::newRow("kurzanleitung") << "MHilfe" << "&Kurzanleitung" << 20;
        QTest::newRow("produktinformation") << "MHilfe" << "Produktinformation" << 22;
        QTest::newRow("systeminformation") << "MHilfe" << "Systeminformation" << 21;
        // The window's menus and pop-ups take theirs from the same list.
        QTest::newRow("window: laden") << "Datei" << "Einstellungen &laden" << 13;
        QTest::newRow("window: drucken") << "Datei" << "&Drucken" << 4;
        QTest::newRow("window: beenden") << "Datei" << "&Beenden" << 14;
        QTest::newRow("historie löschen") << "Bearbeiten" << "Historie &löschen" << 1;
        QTest::newRow("zwischenablage") << "Bearbeiten" << "Historie in &Zwischenablage" << 2;
        QTest::newRow("währungen") << "Bearbeiten" << "Währungen" << 9;
        QTest::newRow("window: rahmen") << "Bearbeiten" << "&Rahmen anpassen" << 12;
        QTest::newRow("pop-up: umbenennen") << "PAutoMemo" << "&Umbenennen" << 10;
        QTest::newRow("pop-up: automatik ein") << "PAutoMemo" << "Einschalten" << 30;
        QTest::newRow("link: neuer rechner") << "PSpeicher" << "Neuen &Rechner verbinden" << 27;
        QTest::newRow("link: trennen") << "PSpeicher" << "Speicher &trennen" << 29;
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
        QAction* item = itemOf(menus[menu], caption);
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
