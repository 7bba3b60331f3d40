#include "dates/vdlKalJahr.h"
#include "platform/DateTimeText.h"
#include "tests/support/TestEnv.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace vdl;

namespace {

YearCalendarModel at(const QString& date)
{
    int y, m, d;
    DecodeDate(StrToDate(date), y, m, d);
    YearCalendarModel model(y);
    model.selectCell(d, m - 1);
    return model;
}

// Steps: "[Key]" a key, "<" and ">" the year buttons, "T n", "V n", "Z n" the day-count bar
// (written T45000), anything else typed. Gives the current cell's date and what closed it.
QString play(const QString& start, const QString& steps)
{
    YearCalendarModel m = at(start);
    QString closed;
    for (const QString& s : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (s.startsWith(QLatin1Char('['))) {
            const auto a = m.keyDown(QKeySequence(s.mid(1, s.size() - 2))[0].key(), false);
            if (a != YearCalendarModel::Action::None)
                closed = a == YearCalendarModel::Action::Pick ? QStringLiteral(" Pick") : QStringLiteral(" Close");
        } else if (s == QLatin1String("<") || s == QLatin1String(">")) {
            m.stepYear(s == QLatin1String("<") ? -1 : 1);
        } else if (s.size() > 1 && QStringLiteral("TVZ").contains(s[0]) && s[1].isDigit()) {
            const long long n = s.mid(1).toLongLong();
            if (s[0] == QLatin1Char('T'))
                m.gotoDayNumber(n);
            else
                m.moveDays(s[0] == QLatin1Char('V') ? n : -n);
        } else {
            for (QChar c : s)
                m.typeChar(c);
        }
    }
    return m.pickText() + closed;
}

} // namespace

class TestYearCalendar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init(); } // rows are played in the data function
    void init() { test::pinGerman(); }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        // A month's row: its name, then days 28 to 31 (day 1 is always there).
        const auto row = [](int year, int month) {
            YearCalendarModel m(year);
            QStringList t{m.cellText(0, month), m.cellText(1, month)};
            for (int c = 28; c <= 31; ++c)
                t << m.cellText(c, month);
            return t.join(QLatin1Char('|'));
        };
        QTest::newRow("February 2004") << row(2004, 1) << "Feb|01|28|29||";
        QTest::newRow("February 2000") << row(2000, 1) << "Feb|01|28|29||";
        QTest::newRow("February 1900") << row(1900, 1) << "Feb|01|28|||";
        QTest::newRow("March") << row(2005, 2) << "Mrz|01|28|29|30|31";
        QTest::newRow("April") << row(2005, 3) << "Apr|01|28|29|30|";
        QTest::newRow("December") << row(2005, 11) << "Dez|01|28|29|30|31";
        QTest::newRow("Right from 31 Dec") << play("31.12.2026", "[Right]") << "01. 01. 2027";
        QTest::newRow("Left from 1 Jan") << play("01.01.2026", "[Left]") << "31. 12. 2025";
        QTest::newRow("Left from 1 Mar") << play("01.03.2024", "[Left]") << "29. 02. 2024";
        QTest::newRow("Down from 31 Jan") << play("31.01.2025", "[Down]") << "28. 02. 2025";
        QTest::newRow("Down from 31 Jan leap") << play("31.01.2024", "[Down]") << "29. 02. 2024";
        QTest::newRow("Down from 28 Feb: last to last") << play("28.02.2025", "[Down]") << "31. 03. 2025";
        QTest::newRow("Up from 30 Mar") << play("30.03.2025", "[Up]") << "28. 02. 2025";
        QTest::newRow("Up from 31 May") << play("31.05.2025", "[Up]") << "30. 04. 2025";
        QTest::newRow("Down from 31 Dec") << play("31.12.2025", "[Down]") << "31. 01. 2026";
        QTest::newRow("Up from 15 Jan") << play("15.01.2025", "[Up]") << "15. 12. 2024";
        QTest::newRow("Page Down") << play("28.12.2026", "[PgDown]") << "04. 01. 2027";
        QTest::newRow("Page Up") << play("03.01.2026", "[PgUp]") << "27. 12. 2025";
        QTest::newRow("7 on 2005") << play("15.06.2005", "7") << "15. 06. 2007";
        QTest::newRow("0 on 2010") << play("15.06.2010", "0") << "15. 06. 2000";
        QTest::newRow("A on 2005") << play("15.06.2005", "A") << "15. 06. 2010";
        QTest::newRow("ß on 2005") << play("15.06.2005", "ß") << "15. 06. 2010";
        QTest::newRow("F10 on 2005") << play("15.06.2005", "[F10]") << "15. 06. 2010";
        QTest::newRow("F3 on 2005") << play("15.06.2005", "[F3]") << "15. 06. 2003";
        QTest::newRow("other letters nothing") << play("15.06.2005", "xB") << "15. 06. 2005";
        QTest::newRow("year buttons") << play("15.06.2005", "< < >") << "15. 06. 2004";
        QTest::newRow("year step caps 29 Feb") << play("29.02.2004", ">") << "28. 02. 2005";
        QTest::newRow("typed year caps 29 Feb") << play("29.02.2004", "5") << "28. 02. 2005";
        QTest::newRow("no year 0") << play("01.01.0001", "[Left] < [Up] [PgUp] 0") << "01. 01. 0001";
        QTest::newRow("no year 10000") << play("31.12.9999", "[Right] > [Down] [PgDown] A") << "31. 12. 9999";
        QTest::newRow("Tage 45000") << play("15.06.2005", "T45000") << "15. 03. 2023";
        QTest::newRow("Tage 0 nothing") << play("15.06.2005", "T0") << "15. 06. 2005";
        QTest::newRow("Tage beyond 9999") << play("15.06.2005", "T9999999") << "15. 06. 2005";
        QTest::newRow("Vor 20") << play("15.12.2005", "V20") << "04. 01. 2006";
        QTest::newRow("Zurueck 20") << play("04.01.2006", "Z20") << "15. 12. 2005";
        QTest::newRow("Enter picks") << play("04.01.2006", "[Return]") << "04. 01. 2006 Pick";
        QTest::newRow("Esc closes") << play("04.01.2006", "[Esc]") << "04. 01. 2006 Close";
        // A day's background, weight and ink; today is Sunday 6 December 2026, "shown" puts the
        // date into the panel.
        const auto look = [](const QString& date, bool shown = false) {
            int y, m, d;
            DecodeDate(StrToDate(date), y, m, d);
            YearCalendarModel model(y);
            if (shown)
                model.showDate(StrToDate(date));
            static const char* const inks[] = {"WindowText", "HighlightText", "Blue", "Aqua", "Red", "LightRed"};
            return QStringLiteral("%1 %2 %3")
                .arg(model.background(d, m - 1), 6, 16, QLatin1Char('0'))
                .arg(model.bold(d, m - 1) ? "bold" : "-")
                .arg(QLatin1String(inks[int(model.ink(d, m - 1))]));
        };
        QTest::newRow("today, a Sunday") << look("06.12.2026") << "808080 bold LightRed";
        QTest::newRow("today shown") << look("06.12.2026", true) << "404080 bold LightRed";
        QTest::newRow("Saturday this month") << look("05.12.2026") << "c0c0c0 - Blue";
        QTest::newRow("weekday even row") << look("04.11.2026") << "f0f0f0 - WindowText";
        QTest::newRow("weekday odd row") << look("04.02.2026") << "e0e0e0 - WindowText";
        QTest::newRow("Sunday shown") << look("04.01.2026", true) << "b0b0f0 - Red";
        QTest::newRow("same month other year") << look("07.12.2025") << "e0e0e0 - Red";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    // The pop-up beside an edit: panels, keys while the day count has the focus, the pick.
    void popup()
    {
        QWidget host;
        host.resize(300, 100);
        auto* edit = new QLineEdit(&host);
        edit->setGeometry(10, 10, 102, 22);
        host.show();
        QVERIFY(JahrKalenderDatum(edit, StrToDate(QStringLiteral("24.12.2003"))));
        TfvdlKalJahr* kal = TfvdlKalJahr::current();
        QVERIFY(kal && kal->isVisible());
        const auto label = [&](const char* n) { return kal->findChild<QLabel*>(QLatin1String(n))->text(); };
        QCOMPARE(label("Panel2"), QStringLiteral("24. 12. 2003"));
        QCOMPARE(label("Panel3"), QStringLiteral("37979"));
        QCOMPARE(label("LJahr"), QStringLiteral("2003"));

        QTest::mouseClick(kal->findChild<QToolButton*>(QStringLiteral("bOpt")), Qt::LeftButton);
        auto* edit1 = kal->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit1->setFocus();
        QTest::keyClicks(edit1, QStringLiteral("3a"));
        QTest::keyClick(edit1, Qt::Key_Right); // 1 January is current, Right gives the 2nd
        QTest::keyClick(edit1, Qt::Key_F5);    // types no year while the count has the focus
        QCOMPARE(edit1->text(), QStringLiteral("3a"));
        QCOMPARE(label("LJahr"), QStringLiteral("2003"));
        QCOMPARE(label("Panel2"), QStringLiteral("02. 01. 2003"));
        QTest::keyClick(edit1, Qt::Key_Backspace);
        QTest::mouseClick(kal->findChild<QToolButton*>(QStringLiteral("bVor")), Qt::LeftButton);
        QCOMPARE(label("Panel2"), QStringLiteral("05. 01. 2003"));

        QTest::keyClick(edit1, Qt::Key_Return);
        QCOMPARE(edit->text(), QStringLiteral("05. 01. 2003"));
        QTRY_VERIFY(!TfvdlKalJahr::current());
    }
};

QTEST_MAIN(TestYearCalendar)
#include "tst_yearcalendar.moc"
