// Handing the display to a running word processor or spreadsheet: which texts get thousands
// dots, when "W" and "E" show in the menu bar, and what reaches the program.
#include "calculator/OfficeHandOff.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include "toolkit/vdlTools_dateedit.h"
#include <QMenuBar>
#include <QTimer>

using namespace vdl;

namespace {
// Plays an office program the user starts and quits; records every call that reaches it.
struct OfficeScene {
    int running = 0;  // the running instance, 0 while none runs
    int attached = 0; // the instance attached to
    int started = 0;
    bool noDocument = false; // typing fails, as in a word processor without a document
    QStringList calls;

    void start() { running = ++started; }
    void quit() { running = 0; }
};

class RecordingOffice : public OfficeLink {
public:
    explicit RecordingOffice(OfficeScene& scene) : s(scene) {}
    bool alive() override { return s.attached && s.attached == s.running; }
    bool attach() override
    {
        if (!s.running)
            return false;
        s.attached = s.running;
        return true;
    }
    bool typeText(const QString& text) override { return call(QStringLiteral("TypeText ") + text, !s.noDocument); }
    bool moveDown(int unit, int count) override
    {
        return call(QStringLiteral("MoveDown %1 %2").arg(unit).arg(count));
    }
    bool activate() override { return call(QStringLiteral("Activate")); }
    bool setSelection(const QString& text) override { return call(QStringLiteral("Selection ") + text); }
    std::optional<QString> caption() override
    {
        return alive() ? std::optional<QString>(QStringLiteral("Mappe%1").arg(s.running)) : std::nullopt;
    }
    quintptr findWindow(const QString& title) override { return title == QLatin1String("Mappe1") ? 4711 : 0; }
    bool bringToFront(quintptr window) override { return call(QStringLiteral("ShowWindow %1").arg(window)); }

private:
    bool call(const QString& text, bool works = true)
    {
        s.calls << text;
        return works && alive();
    }
    OfficeScene& s;
};

void playOffice(TMDIForm& frame, OfficeScene& word, OfficeScene& spreadsheet)
{
    frame.Office.WordApp = std::make_unique<RecordingOffice>(word);
    frame.Office.ExcelApp = std::make_unique<RecordingOffice>(spreadsheet);
}

QStringList menuBarItems(TMDIForm& frame)
{
    QStringList items;
    for (const QAction* a : frame.menuBar()->actions()) {
        if (a->isVisible())
            items << a->text();
    }
    return items;
}
} // namespace

class TestOffice : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    void handOffText_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("ctrlOrAlt");
        QTest::addColumn<QString>("sent");
        QTest::newRow("millions") << "1234567,89" << false << "1.234.567,89";
        QTest::newRow("three digits") << "123" << false << "123";
        QTest::newRow("four digits") << "1234" << false << "1.234";
        QTest::newRow("Ctrl or Alt held") << "1234567,89" << true << "1234567,89";
        QTest::newRow("zero") << "0" << false << "0";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("fraction stays whole") << "1234,5678" << false << "1.234,5678";
        // Only plain numbers are grouped, and never between sign and digits.
        QTest::newRow("base 16") << "1A2B3C" << false << "1A2B3C";
        QTest::newRow("minus, three digits") << "-123" << false << "-123";
        QTest::newRow("sign alone") << "-" << false << "-";
        QTest::newRow("minus, millions") << "-1234567,5" << false << "-1.234.567,5";
        QTest::newRow("date") << "06. 12. 2026" << false << "06. 12. 2026";
        QTest::newRow("days") << "14Tage" << false << "14Tage";
        QTest::newRow("decimal point") << "1234567.89" << false << "1234567.89";
    }
    void handOffText()
    {
        QFETCH(QString, display);
        QFETCH(bool, ctrlOrAlt);
        QTEST(HandOffText(display, ctrlOrAlt), "sent");
    }

    // A string of ticks: the program runs ('1') or not ('0') at each 2-second poll, and the
    // menu bar shows its item ('1') or not after it.
    void poll_data()
    {
        QTest::addColumn<bool>("spreadsheet");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("shown");
        QTest::newRow("W: started, quit, started again") << false << "01110011" << "00110001";
        QTest::newRow("E: started, quit, started again") << true << "01110011" << "00110001";
        QTest::newRow("W: running before the first tick") << false << "1111" << "0111";
    }
    void poll()
    {
        QFETCH(bool, spreadsheet);
        QFETCH(QString, running);
        auto frame = test::openFrame();
        QCOMPARE(frame->WordTimer->interval(), 2000);
        QVERIFY(frame->WordTimer->isActive());
        OfficeScene word, sheet;
        playOffice(*frame, word, sheet);
        OfficeScene& scene = spreadsheet ? sheet : word;
        const QString item = spreadsheet ? QStringLiteral("E") : QStringLiteral("W");
        QString shown;
        for (QChar tick : running) {
            if (tick == QLatin1Char('1') && !scene.running)
                scene.start();
            else if (tick == QLatin1Char('0'))
                scene.quit();
            frame->WordTimerTimer();
            shown += menuBarItems(*frame).contains(item) ? QLatin1Char('1') : QLatin1Char('0');
        }
        QTEST(shown, "shown");
        QVERIFY(!menuBarItems(*frame).contains(spreadsheet ? QStringLiteral("W") : QStringLiteral("E")));
    }

    void onThisDesktopNothingShows()
    {
        auto frame = test::openFrame();
        for (int tick = 0; tick < 3; ++tick)
            frame->WordTimerTimer();
        QCOMPARE(menuBarItems(*frame), QStringList({"&Datei", "&Bearbeiten", "&Fenster", "?"}));
    }

    // What reaches the program when its item is chosen, with the active window's display.
    void handOff_data()
    {
        QTest::addColumn<bool>("spreadsheet");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("calls");
        QTest::newRow("W") << false << "1 2 3 4 5 6 7 , 8 9 =" << "TypeText 1.234.567,89|MoveDown 5 1|Activate";
        QTest::newRow("E") << true << "1 2 3 4 5 6 7 , 8 9 =" << "Selection 1.234.567,89|ShowWindow 4711";
        QTest::newRow("W, display 0") << false << "0 =" << "TypeText 0|MoveDown 5 1|Activate";
        QTest::newRow("W, empty display") << false << "" << "";
        QTest::newRow("E, empty display") << true << "" << "";
        QTest::newRow("W, no window") << false << "close" << "";
    }
    void handOff()
    {
        QFETCH(bool, spreadsheet);
        QFETCH(QString, keys);
        auto frame = test::openFrame();
        OfficeScene word, sheet;
        playOffice(*frame, word, sheet);
        word.start();
        sheet.start();
        frame->WordTimerTimer();
        frame->WordTimerTimer();
        TRechnerForm* window = frame->windows().constFirst();
        if (keys == QLatin1String("close"))
            test::closeWindow(*frame, window);
        else
            test::press(window->core(), keys);
        (spreadsheet ? frame->E1 : frame->W1)->trigger();
        QTEST((spreadsheet ? sheet : word).calls.join(QLatin1Char('|')), "calls");
    }

    void ctrlOrAltHeldSendsWithoutDots()
    {
        auto frame = test::openFrame();
        OfficeScene word, sheet;
        playOffice(*frame, word, sheet);
        word.start();
        frame->WordTimerTimer();
        test::press(frame->windows().constFirst()->core(), QStringLiteral("1 2 3 4 ="));
        for (int held : {shift::Ctrl, shift::Alt, shift::Shift}) {
            SetKeyboardQuery([held] { return held; });
            frame->W1->trigger();
        }
        SetKeyboardQuery(nullptr);
        QCOMPARE(word.calls.filter(QStringLiteral("TypeText")),
                 QStringList({"TypeText 1234", "TypeText 1234", "TypeText 1.234"}));
    }

    // Failures end the hand-off quietly: nothing typed further, no message.
    void failuresAreSilent()
    {
        OfficeScene word, sheet;
        OfficeHandOff office(std::make_unique<RecordingOffice>(word), std::make_unique<RecordingOffice>(sheet));
        word.start();
        word.noDocument = true;
        QVERIFY(!office.WordAvailable());
        QVERIFY(office.WordAvailable());
        office.W1Click(QStringLiteral("1234"), false);
        QCOMPARE(word.calls, QStringList({"TypeText 1.234"}));

        // The spreadsheet's window could not be found: its hand-off still fills the cells.
        sheet.start();
        sheet.start(); // a second instance, whose title is unknown
        office.ExcelAvailable();
        QCOMPARE(office.ExcelWnd, quintptr(0));
        office.E1Click(QStringLiteral("12"), false);
        QCOMPARE(sheet.calls, QStringList({"Selection 12", "ShowWindow 0"}));
    }
};

QTEST_MAIN(TestOffice)
#include "tst_office.moc"
