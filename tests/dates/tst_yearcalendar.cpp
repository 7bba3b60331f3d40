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
    void init() { test::pinGerman(); }

    void cells_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("texts"); // columns 0, 28, 29, 30, 31
        QTest::newRow("February 2004") << 2004 << 1 << "Feb|28|29||";
        QTest::newRow("February 2005") << 2005 << 1 << "Feb|28|||";
        QTest::newRow("February 2000") << 2000 << 1 << "Feb|28|29||";
        QTest::newRow("February 1900") << 1900 << 1 << "Feb|28|||";
        QTest::newRow("March") << 2005 << 2 << "Mrz|28|29|30|31";
        QTest::newRow("April") << 2005 << 3 << "Apr|28|29|30|";
        QTest::newRow("June") << 2005 << 5 << "Jun|28|29|30|";
        QTest::newRow("September") << 2005 << 8 << "Sep|28|29|30|";
        QTest::newRow("November") << 2005 << 10 << "Nov|28|29|30|";
        QTest::newRow("December") << 2005 << 11 << "Dez|28|29|30|31";
    }
    void cells()
    {
        QFETCH(int, year);
        QFETCH(int, row);
        YearCalendarModel m(year);
        QStringList t{m.cellText(0, row)};
        for (int c = 28; c <= 31; ++c)
            t << m.cellText(c, row);
        QTEST(t.join(QLatin1Char('|')), "texts");
        QCOMPARE(m.cellText(1, row), QStringLiteral("01"));
    }

    void play_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("result");
        QTest::newRow("Right from 31 Dec") << "31.12.2026" << "[Right]" << "01. 01. 2027";
        QTest::newRow("Left from 1 Jan") << "01.01.2026" << "[Left]" << "31. 12. 2025";
        QTest::newRow("Left from 1 Mar") << "01.03.2024" << "[Left]" << "29. 02. 2024";
        QTest::newRow("Right from 28 Feb") << "28.02.2025" << "[Right]" << "01. 03. 2025";
        QTest::newRow("Down from 31 Jan") << "31.01.2025" << "[Down]" << "28. 02. 2025";
        QTest::newRow("Down from 31 Jan leap") << "31.01.2024" << "[Down]" << "29. 02. 2024";
        QTest::newRow("Down from 28 Feb: last to last") << "28.02.2025" << "[Down]" << "31. 03. 2025";
        QTest::newRow("Down from 15 Jan") << "15.01.2025" << "[Down]" << "15. 02. 2025";
        QTest::newRow("Up from 30 Mar") << "30.03.2025" << "[Up]" << "28. 02. 2025";
        QTest::newRow("Up from 31 May") << "31.05.2025" << "[Up]" << "30. 04. 2025";
        QTest::newRow("Down from 31 Dec") << "31.12.2025" << "[Down]" << "31. 01. 2026";
        QTest::newRow("Up from 15 Jan") << "15.01.2025" << "[Up]" << "15. 12. 2024";
        QTest::newRow("Page Down") << "28.12.2026" << "[PgDown]" << "04. 01. 2027";
        QTest::newRow("Page Up") << "03.01.2026" << "[PgUp]" << "27. 12. 2025";
        QTest::newRow("7 on 2005") << "15.06.2005" << "7" << "15. 06. 2007";
        QTest::newRow("0 on 2010") << "15.06.2010" << "0" << "15. 06. 2000";
        QTest::newRow("A on 2005") << "15.06.2005" << "A" << "15. 06. 2010";
        QTest::newRow("a on 2005") << "15.06.2005" << "a" << "15. 06. 2010";
        QTest::newRow("ß on 2005") << "15.06.2005" << "ß" << "15. 06. 2010";
        QTest::newRow("F10 on 2005") << "15.06.2005" << "[F10]" << "15. 06. 2010";
        QTest::newRow("F3 on 2005") << "15.06.2005" << "[F3]" << "15. 06. 2003";
        QTest::newRow("other letters nothing") << "15.06.2005" << "xB" << "15. 06. 2005";
        QTest::newRow("year buttons") << "15.06.2005" << "< < >" << "15. 06. 2004";
        QTest::newRow("year step caps 29 Feb") << "29.02.2004" << ">" << "28. 02. 2005";
        QTest::newRow("typed year caps 29 Feb") << "29.02.2004" << "5" << "28. 02. 2005";
        QTest::newRow("no year 0") << "01.01.0001" << "[Left] < [Up] [PgUp] 0" << "01. 01. 0001";
        QTest::newRow("no year 10000") << "31.12.9999" << "[Right] > [Down] [PgDown] A" << "31. 12. 9999";
        QTest::newRow("Tage 45000") << "15.06.2005" << "T45000" << "15. 03. 2023";
        QTest::newRow("Tage 0 nothing") << "15.06.2005" << "T0" << "15. 06. 2005";
        QTest::newRow("Tage beyond 9999") << "15.06.2005" << "T9999999" << "15. 06. 2005";
        QTest::newRow("Vor 20") << "15.12.2005" << "V20" << "04. 01. 2006";
        QTest::newRow("Zurueck 20") << "04.01.2006" << "Z20" << "15. 12. 2005";
        QTest::newRow("Enter picks") << "04.01.2006" << "[Return]" << "04. 01. 2006 Pick";
        QTest::newRow("Esc closes") << "04.01.2006" << "[Esc]" << "04. 01. 2006 Close";
    }
    void play()
    {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QTEST(::play(start, steps), "result");
    }

    // Today is Sunday 6 December 2026.
    void look_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("look"); // background, bold, ink
        QTest::newRow("today, a Sunday") << "06.12.2026" << "" << "808080 bold LightRed";
        QTest::newRow("today shown") << "06.12.2026" << "06. 12. 2026" << "404080 bold LightRed";
        QTest::newRow("Saturday this month") << "05.12.2026" << "" << "c0c0c0 - Blue";
        QTest::newRow("weekday even row") << "04.11.2026" << "" << "f0f0f0 - WindowText";
        QTest::newRow("weekday odd row") << "04.02.2026" << "" << "e0e0e0 - WindowText";
        QTest::newRow("Sunday shown") << "04.01.2026" << "04. 01. 2026" << "b0b0f0 - Red";
        QTest::newRow("same month other year") << "07.12.2025" << "" << "e0e0e0 - Red";
    }
    void look()
    {
        QFETCH(QString, date);
        QFETCH(QString, panel);
        int y, m, d;
        DecodeDate(StrToDate(date), y, m, d);
        YearCalendarModel model(y);
        if (!panel.isEmpty())
            model.showDate(StrToDate(date));
        static const char* const inks[] = {"WindowText", "HighlightText", "Blue", "Aqua", "Red", "LightRed"};
        QTEST(QStringLiteral("%1 %2 %3")
                  .arg(model.background(d, m - 1), 6, 16, QLatin1Char('0'))
                  .arg(model.bold(d, m - 1) ? "bold" : "-")
                  .arg(QLatin1String(inks[int(model.ink(d, m - 1))])),
              "look");
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
