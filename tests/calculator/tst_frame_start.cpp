// The first moments of the frame as the user sees them: the start picture over the window
// area, the frame's size and place, the new window's name in its title bar, and its pop-ups
// at the first right click; and what the start costs: no file written before the frame is
// shown, no image plugin loaded but the one for the start picture.
#include "calculator/Pictures.h"
#include "dates/CurrencyStore.h"
#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "toolkit/vdlReg.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/ImagePlugins.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace vdl;

namespace {

// The settings file's bytes and its file identity, which an atomic save changes.
QPair<QByteArray, ino_t> settingsFile()
{
    const QString name = SettingsStore::fileName(false);
    QFile file(name);
    struct stat info {};
    if (!file.open(QIODevice::ReadOnly) || ::stat(QFile::encodeName(name).constData(), &info) != 0)
        return {};
    return {file.readAll(), info.st_ino};
}
} // namespace

class TestFrameStart : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    // First, before any other test reads a picture: the frame with its window, menus and
    // every key layer on the screen has loaded the JPEG reader of the start picture only.
    void startLoadsOnlyTheJpegReader()
    {
        auto frame = test::openFrame();
        TRechnerForm* window = frame->windows()[0];
        frame->grab();
        for (int layer : {16, 17}) {
            window->core().FormKeyDown(layer);
            window->grab();
            window->core().FormKeyUp(layer);
        }
        for (QMenu* menu : {frame->HMFenster, window->HauptMenue[0], window->HauptMenue[1], window->PAutoMemo()}) {
            emit menu->aboutToShow();
            menu->grab();
        }
        QCOMPARE(test::loadedImagePlugins(), QStringList({"libqjpeg.so"}));
    }

    void writesOnlyOnceShown_data()
    {
        const QString mark = CurrencyStore::compose("DM", "1,00000", "14. 09. 2001");
        const QString euro = CurrencyStore::compose("€", "1,95583", "24. 09. 2001");
        const QString edited = CurrencyStore::compose("€", "2,00000", "01. 01. 2020");
        QTest::addColumn<QStringList>("before"); // Deutsche Mark, Euro ('' = missing)
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("written");
        QTest::newRow("first start") << QStringList{"", ""} << QStringList{mark, euro} << true;
        QTest::newRow("edited rate kept") << QStringList{"", edited} << QStringList{mark, edited} << true;
        QTest::newRow("later start") << QStringList{mark, euro} << QStringList{mark, euro} << false;
    }
    // Nothing is written while the frame comes up; once it is on the screen the missing
    // default currencies are added with one save, and a later start writes nothing at all.
    void writesOnlyOnceShown()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, written);
        const QString key = QStringLiteral("%\\Waehrungen");
        const QStringList names{QStringLiteral("Deutsche Mark"), QStringLiteral("Euro")};
        for (int i = 0; i < 2; ++i)
            if (!before[i].isEmpty())
                WriteSetting(key, names[i], before[i], false, true);
        const auto old = settingsFile();

        TMDIForm frame;
        frame.show();
        QCOMPARE(settingsFile(), old);
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_COMPARE(ReadSettings(key, names), after);
        QCoreApplication::processEvents();
        const auto now = settingsFile();
        QCOMPARE(now.second != old.second, written);
        QCOMPARE(now.first.count("Deutsche Mark="), 1);
    }

    // On a first start the window of a start layout gets its currency, counted among the
    // default currencies, although these are written only once the frame is on the screen.
    void startLayoutCurrency_data()
    {
        QTest::addColumn<bool>("named");   // on the command line, else kept from the last run
        QTest::addColumn<QString>("stored"); // a currency in the store before the start
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("panel");
        QTest::newRow("named, second") << true << "" << 1 << "€  (1,95583)";
        QTest::newRow("kept, first") << false << "" << 0 << "DM  (1,00000)";
        QTest::newRow("named, after a stored one") << true << "Dollar" << 2 << "€  (1,95583)";
    }
    void startLayoutCurrency()
    {
        QFETCH(bool, named);
        QFETCH(QString, stored);
        QFETCH(int, index);
        QFETCH(QString, panel);
        if (!stored.isEmpty())
            QVERIFY(CurrencyStore::write(stored, "$", "0,90000", "01. 01. 2020"));
        const QString file = named ? ExeDir() + "Kasse.zqe" : TMDIForm::KeptLayout();
        const QString text = QStringLiteral("300|200|700|500\r\nKasse|10|20|-4|-1|Rechner|0|(kein Speicher)|0|0|0|%1|0\r\n")
                                 .arg(index)
                                 .replace(QLatin1Char('|'), QStringLiteral("-ßß-"));
        QVERIFY(test::putFile(file, Cp1252::encode(text)));
        const auto old = settingsFile();
        TMDIForm frame(named ? QStringList{ExeDir() + "Kasse"} : QStringList());
        frame.show();
        QCOMPARE(settingsFile(), old);
        QCOMPARE(frame.windows().size(), 1);
        QCOMPARE(frame.windows()[0]->core().PnlWaehrung.caption, panel);
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(!ReadSetting(CurrencyStore::Key, "Euro").isEmpty());
    }

    // 498 x 462 are the frame's outer bounds, its frame included, centred on the screen.
    void outerBounds()
    {
        TMDIForm::setScreenSize(QSize(1280, 1024));
        auto frame = test::openFrame();
        QCOMPARE(frame->frameGeometry(), QRect(391, 281, 498, 462));
        TMDIForm::setScreenSize(QSize());
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
            const QImage picture = ReadPicture(QStringLiteral(":/start.jpg"), "jpeg").toImage();
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

// The program's own application object, with the style it installs.
int main(int argc, char** argv)
{
    Application app(argc, argv);
    TestFrameStart test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_frame_start.moc"
