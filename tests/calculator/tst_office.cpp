// Handing the display to a running word processor or spreadsheet: which texts get thousands
// dots, when "W" and "E" show in the menu bar, and what reaches the program.
#include "calculator/Codes.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include "toolkit/vdlTools_dateedit.h"
#include <QMenuBar>
#include <QTimer>

using namespace vdl;

namespace {
// Plays an office program the user starts and quits, and records every call reaching it.
struct OfficeScene {
    int running = 0, attached = 0, started = 0; // instance numbers, 0 for none
    bool noDocument = false;                    // typing fails
    QStringList calls;
};

class RecordingOffice : public OfficeLink {
public:
    explicit RecordingOffice(OfficeScene& scene) : s(scene) {}
    bool alive() override { return s.attached && s.attached == s.running; }
    bool attach() override { return (s.attached = s.running ? s.running : s.attached, s.running); }
    bool typeText(const QString& t) override { return call("TypeText " + t) && !s.noDocument; }
    bool moveDown(int unit, int count) override { return call(QStringLiteral("MoveDown %1 %2").arg(unit).arg(count)); }
    bool activate() override { return call(QStringLiteral("Activate")); }
    bool setSelection(const QString& t) override { return call("Selection " + t); }
    std::optional<QString> caption() override { return QStringLiteral("Mappe1"); }
    quintptr findWindow(const QString& title) override { return title == QLatin1String("Mappe1") ? 4711 : 0; }
    bool bringToFront(quintptr w) override { return call(QStringLiteral("ShowWindow %1").arg(w)); }

private:
    bool call(const QString& text) { return (s.calls << text, alive()); }
    OfficeScene& s;
};

} // namespace

class TestOffice : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    OfficeScene word, sheet;
    std::unique_ptr<TMDIForm> frame;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
        frame = test::openFrame();
        word = sheet = OfficeScene();
        frame->Office.WordApp = std::make_unique<RecordingOffice>(word);
        frame->Office.ExcelApp = std::make_unique<RecordingOffice>(sheet);
    }
    void cleanup() { frame.reset(); }

    void handOffText_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("system");
        QTest::addColumn<bool>("ctrlOrAlt");
        QTest::addColumn<QString>("sent");
        const int dec = NumberSystem::Decimal;
        QTest::newRow("millions") << "1234567,89" << dec << false << "1.234.567,89";
        QTest::newRow("three digits") << "123" << dec << false << "123";
        QTest::newRow("four digits") << "1234" << dec << false << "1.234";
        QTest::newRow("Ctrl or Alt held") << "1234567,89" << dec << true << "1234567,89";
        QTest::newRow("zero") << "0" << dec << false << "0";
        QTest::newRow("fraction stays whole") << "1234,5678" << dec << false << "1.234,5678";
        QTest::newRow("minus, three digits") << "-123" << dec << false << "-123";
        QTest::newRow("sign alone") << "-" << dec << false << "-";
        QTest::newRow("minus, millions") << "-1234567,5" << dec << false << "-1.234.567,5";
        QTest::newRow("decimal point") << "1234567.89" << dec << false << "1234567.89";
        QTest::newRow("exponent") << "1,5E20" << dec << false << "1,5E20";
        QTest::newRow("percent") << "1234 %" << dec << false << "1234 %";
        QTest::newRow("letters in decimal") << "1A2B3C" << dec << false << "1A2B3C";
        QTest::newRow("currency") << "1234567,89" << int(NumberSystem::Currency) << false << "1.234.567,89";
        // Every base groups its own digits: 0-9, then A-Z.
        QTest::newRow("base 16") << "1A2B3C" << 16 << false << "1A2.B3C";
        QTest::newRow("base 16, minus") << "-ABCDEF" << 16 << false << "-ABC.DEF";
        QTest::newRow("base 16, Alt held") << "1A2B3C" << 16 << true << "1A2B3C";
        QTest::newRow("base 2") << "1111111" << 2 << false << "1.111.111";
        QTest::newRow("base 8, three digits") << "777" << 8 << false << "777";
        QTest::newRow("base 32, V is a digit") << "VVVV" << 32 << false << "V.VVV";
        QTest::newRow("base 8, 9 is no digit") << "1239" << 8 << false << "1239";
        QTest::newRow("base 16, G is no digit") << "1G00" << 16 << false << "1G00";
        QTest::newRow("base 16, lower case is no display") << "1a2b3c" << 16 << false << "1a2b3c";
        // Roman numerals, dates, day counts and times go as they are.
        QTest::newRow("roman") << "MMMDCCC" << int(NumberSystem::Roman) << false << "MMMDCCC";
        QTest::newRow("date") << "06. 12. 2026" << int(NumberSystem::Date) << false << "06. 12. 2026";
        QTest::newRow("days") << "14Tage" << int(NumberSystem::Date) << false << "14Tage";
        QTest::newRow("day count, digits only") << "12345" << int(NumberSystem::Date) << false << "12345";
        QTest::newRow("time") << "1234" << int(NumberSystem::Time) << false << "1234";
    }
    void handOffText()
    {
        QFETCH(QString, display);
        QFETCH(int, system);
        QFETCH(bool, ctrlOrAlt);
        QTEST(HandOffText(display, system, ctrlOrAlt), "sent");
    }

    // The program runs ('1') or not ('0') at each 2-second poll; the item shows ('1') or not.
    void poll_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("shown");
        QTest::newRow("W: started, quit, started again") << "W" << "01110011" << "00110001";
        QTest::newRow("E: started, quit, started again") << "E" << "01110011" << "00110001";
    }
    void poll()
    {
        QFETCH(QString, item);
        QFETCH(QString, running);
        QCOMPARE(frame->WordTimer->interval(), 2000);
        OfficeScene& scene = item == QLatin1String("W") ? word : sheet;
        QString shown;
        for (QChar tick : running) {
            scene.running = tick == QLatin1Char('0') ? 0 : scene.running ? scene.running : ++scene.started;
            frame->WordTimerTimer();
            shown += QLatin1Char(test::menuShows(*frame, item) ? '1' : '0');
        }
        QTEST(shown, "shown");
        QVERIFY(!test::menuShows(*frame, item == QLatin1String("W") ? QStringLiteral("E") : QStringLiteral("W")));
    }

    void onThisDesktopNothingShows()
    {
        frame->Office = OfficeHandOff();
        frame->WordTimerTimer();
        frame->WordTimerTimer();
        QVERIFY(!test::menuShows(*frame, QStringLiteral("W")) && !test::menuShows(*frame, QStringLiteral("E")));
    }

    // What reaches the program when its item is chosen, with the active window's display.
    void handOff_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("calls");
        const int dec = NumberSystem::Decimal;
        const QString keys = QStringLiteral("1 2 3 4 5 6 7 , 8 9 =");
        QTest::newRow("W") << "W" << keys << 0 << dec << "TypeText 1.234.567,89|MoveDown 5 1|Activate";
        QTest::newRow("E") << "E" << keys << 0 << dec << "Selection 1.234.567,89|ShowWindow 4711";
        QTest::newRow("W, Ctrl held") << "W" << keys << shift::Ctrl << dec << "TypeText 1234567,89|MoveDown 5 1|Activate";
        QTest::newRow("E, Alt held") << "E" << keys << shift::Alt << dec << "Selection 1234567,89|ShowWindow 4711";
        QTest::newRow("W, Shift held") << "W" << "1 2 3 4 =" << shift::Shift << dec << "TypeText 1.234|MoveDown 5 1|Activate";
        QTest::newRow("W, display 0") << "W" << "0 =" << 0 << dec << "TypeText 0|MoveDown 5 1|Activate";
        QTest::newRow("W, empty display") << "W" << "" << 0 << dec << "";
        QTest::newRow("W, no window") << "W" << "close" << 0 << dec << "";
        QTest::newRow("E, base 16") << "E" << "1 A 2 B 3 C =" << 0 << 16 << "Selection 1A2.B3C|ShowWindow 4711";
        QTest::newRow("W, base 16, Ctrl held") << "W" << "1 A 2 B 3 C =" << shift::Ctrl << 16 << "TypeText 1A2B3C|MoveDown 5 1|Activate";
        QTest::newRow("E, base 16 zero") << "E" << "A - A =" << 0 << 16 << "Selection 0|ShowWindow 4711";
        QTest::newRow("W, base 2 zero operand") << "W" << "0 +" << 0 << 2 << "TypeText 0|MoveDown 5 1|Activate";
        QTest::newRow("W, base 32 fraction") << "W" << "1 ÷ 2 =" << 0 << 32 << "TypeText 0|MoveDown 5 1|Activate";
        QTest::newRow("W, roman") << "W" << "M M D C =" << 0 << int(NumberSystem::Roman) << "TypeText MMDC|MoveDown 5 1|Activate";
        QTest::newRow("W, no document: typing fails") << "W" << "nodoc 1 2 3 4 =" << 0 << dec << "TypeText 1.234";
    }
    void handOff()
    {
        QFETCH(QString, item);
        QFETCH(QString, keys);
        QFETCH(int, held);
        QFETCH(int, system);
        word.running = sheet.running = 1;
        frame->WordTimerTimer();
        frame->WordTimerTimer();
        word.noDocument = keys.startsWith(QLatin1String("nodoc"));
        TRechnerForm* window = frame->windows().constFirst();
        test::chooseSystem(window->core(), system);
        if (keys == QLatin1String("close"))
            test::closeWindow(*frame, window);
        else
            test::press(window->core(), QString(keys).remove(QLatin1String("nodoc")));
        SetKeyboardQuery([held] { return held; });
        (item == QLatin1String("W") ? frame->W1 : frame->E1)->trigger();
        SetKeyboardQuery(nullptr);
        QTEST((item == QLatin1String("W") ? word : sheet).calls.join(QLatin1Char('|')), "calls");
    }
};

QTEST_MAIN(TestOffice)
#include "tst_office.moc"
