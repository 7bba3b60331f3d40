// The date dialog and the year calendar: their models played key by key, what the dialogs
// show, and the openers.
#include "dates/vdlKalJahr.h"
#include "dates/vdlKalender.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using namespace vdl;
using Action = DateDialogModel::Action;

namespace {

QString text(double d)
{
    return FormatDateTime(QStringLiteral("dd.mm.yyyy"), d);
}

// Typed characters, "_" for a blank, "<" Backspace.
void type(DateDialogModel& m, const QString& keys)
{
    for (QChar c : keys)
        m.typeChar(c == QLatin1Char('_') ? QChar(u' ') : c == QLatin1Char('<') ? QChar(u'\b') : c);
}

// Plays a user on the model. Steps, separated by blanks:
//   "24"        typed characters ("_" for a blank, "<" Backspace)
//   "[Ctrl+F1]" a key down, "^" all keys up again
//   "Tage" ...  a count button; "b2" month button 02; "menu2", "erster2", "letzter2" the pop-up
// Returns the date, then each error and a closing result as further lines.
QString play(const QString& start, const QString& steps)
{
    DateDialogModel m;
    m.setDate(StrToDate(start));
    bool expanded = false;
    QStringList seen;
    const auto after = [&](Action a) {
        if (a == Action::ToggleExpand)
            expanded = !expanded;
        else if (a == Action::Error || a == Action::Ok || a == Action::Cancel)
            seen << (a == Action::Error ? m.errorText() : a == Action::Ok ? "OK" : "Abbrechen");
    };
    static const QStringList units{"Tage", "Wochen", "Monate", "Jahre"};
    for (const QString& s : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (s.startsWith(QLatin1Char('['))) {
            const QString keys = s.mid(1, s.size() - 2);
            Qt::KeyboardModifiers mods;
            int key;
            if (keys == QLatin1String("Shift")) {
                key = Qt::Key_Shift, mods = Qt::ShiftModifier;
            } else if (keys == QLatin1String("Shift+Ctrl") || keys == QLatin1String("Shift+Alt")) {
                key = keys.endsWith(QLatin1String("Ctrl")) ? Qt::Key_Control : Qt::Key_Alt;
                mods = Qt::ShiftModifier | (key == Qt::Key_Control ? Qt::ControlModifier : Qt::AltModifier);
            } else {
                const QKeyCombination c = QKeySequence(keys)[0];
                key = c.key(), mods = c.keyboardModifiers();
            }
            after(m.keyDown(key, mods, expanded));
        } else if (s == QLatin1String("^")) {
            m.keyUp();
        } else if (units.contains(s)) {
            const QString e = m.applyCount(DateDialogModel::Unit(units.indexOf(s)));
            if (!e.isEmpty())
                seen << e;
        } else if (s.startsWith(QLatin1String("menu"))) {
            m.menuMonth(s.mid(4).toInt());
        } else if (s.startsWith(QLatin1String("erster"))) {
            m.menuFirst(s.mid(6).toInt());
        } else if (s.startsWith(QLatin1String("letzter"))) {
            m.menuLast(s.mid(7).toInt());
        } else if (s.startsWith(QLatin1Char('b'))) {
            if (m.monthButton(s.mid(1).toInt()))
                seen << QStringLiteral("OK");
        } else {
            type(m, s);
        }
    }
    return text(m.date()) + (seen.isEmpty() ? QString() : '\n' + seen.join('\n'));
}

// The year calendar of the date's year, with the date as the current cell.
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
QString playYear(const QString& start, const QString& steps)
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

class TestCalendars : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init(); } // some rows are played in the data function
    void init() { test::pinGerman(); }

    void grid_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("cells"); // first and last cell, the month's cells, their texts
        QTest::addColumn<QString>("monatJahr");
        QTest::newRow("1st on a Monday starts a week earlier") << "15.06.2026" << "25.05.2026 05.07.2026 7-36 25 5" << "15. Juni 2026";
        QTest::newRow("28 days from a Monday") << "01.02.2027" << "25.01.2027 07.03.2027 7-34 25 7" << "1. Februar 2027";
        QTest::newRow("1st on a Tuesday") << "05.12.2026" << "30.11.2026 10.01.2027 1-31 30 10" << "5. Dezember 2026";
    }
    void grid()
    {
        QFETCH(QString, date);
        DateDialogModel m;
        m.setDate(StrToDate(date));
        int first = -1, last = -1;
        for (int i = 0; i < DateDialogModel::Cells; ++i) {
            if (m.cellInk(i) != DateDialogModel::Ink::Outside) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QTEST(QStringLiteral("%1 %2 %3-%4 %5 %6")
                  .arg(text(m.cellDate(0)), text(m.cellDate(41)))
                  .arg(first)
                  .arg(last)
                  .arg(m.cellText(0), m.cellText(41)),
              "cells");
        QTEST(m.monatJahr(), "monatJahr");
        // Saturdays blue, Sundays red, within the month only.
        QCOMPARE(m.cellInk(12), DateDialogModel::Ink::Saturday);
        QCOMPARE(m.cellInk(13), DateDialogModel::Ink::Sunday);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        // The Monday of week 1
        QTest::newRow("KW1 2026 Thursday") << text(DateDialogModel::KW1Montag(2026)) << "29.12.2025";
        QTest::newRow("KW1 2027 Friday") << text(DateDialogModel::KW1Montag(2027)) << "04.01.2027";
        QTest::newRow("KW1 2024 Monday") << text(DateDialogModel::KW1Montag(2024)) << "01.01.2024";
        QTest::newRow("KW1 2021 Friday") << text(DateDialogModel::KW1Montag(2021)) << "04.01.2021";
        const QString bad = QStringLiteral("\"%1\" ist ein ungültiger Wert!");
        // Steps and calendar arithmetic
        QTest::newRow("MonUp 31 Jan") << play("31.01.2026", "[Ctrl+Right]") << "03.03.2026";
        QTest::newRow("MonDown 31 Mar") << play("31.03.2026", "[Ctrl+Left]") << "03.03.2026";
        QTest::newRow("Left on 1 Jan") << play("01.01.2026", "[Left]") << "31.12.2025";
        QTest::newRow("Alt+Right a year") << play("29.02.2024", "[Alt+Right]") << "01.03.2025";
        QTest::newRow("Up and Down a week") << play("03.01.2026", "[Up] [Up] [Down]") << "27.12.2025";
        QTest::newRow("Ctrl+Up is a week too") << play("10.01.2026", "[Ctrl+Up]") << "03.01.2026";
        QTest::newRow("Ctrl+Shift is plain") << play("10.01.2026", "[Ctrl+Shift+Left] ^") << "09.01.2026";
        QTest::newRow("no step before year 1") << play("01.01.0001", "[Left] [Alt+Left] [Ctrl+Left] [Up]") << "01.01.0001";
        QTest::newRow("no step after 9999") << play("31.12.9999", "[Right] [Alt+Right] [Down]") << "31.12.9999";
        // Month panel and pop-up
        QTest::newRow("month button clamps") << play("31.01.2024", "b2") << "29.02.2024";
        QTest::newRow("Shift Alt: last of month") << play("31.01.2024", "[Shift] [Shift+Alt] b2") << "29.02.2024\nOK";
        QTest::newRow("Shift Ctrl: first of month") << play("31.01.2024", "[Shift] [Shift+Ctrl] b2") << "01.02.2024\nOK";
        QTest::newRow("released Shift forgets") << play("31.01.2024", "[Shift] [Shift+Ctrl] ^ b2") << "29.02.2024";
        QTest::newRow("menu month clamps") << play("30.01.2026", "menu2") << "28.02.2026";
        QTest::newRow("menu first and last") << play("30.01.2026", "letzter2 erster4") << "01.04.2026";
        // Function keys
        QTest::newRow("F1 compact: January") << play("31.03.2026", "[F2] ^ [F1]") << "28.01.2026";
        QTest::newRow("F1 expanded: today") << play("31.03.2026", "[Tab] [F1]") << "06.12.2026";
        QTest::newRow("Ctrl+F1 expanded: January") << play("31.03.2026", "[Tab] [Ctrl+F1]") << "31.01.2026";
        QTest::newRow("F12 December") << play("31.03.2026", "[Tab] [F12]") << "31.12.2026";
        QTest::newRow("Esc cancels") << play("31.03.2026", "[Esc]") << "31.03.2026\nAbbrechen";
        QTest::newRow("Enter on nothing is OK") << play("31.03.2026", "[Return]") << "31.03.2026\nOK";
        // Typed input
        QTest::newRow("24 and Enter") << play("05.12.2026", "24 [Return]") << "24.12.2026";
        QTest::newRow("month by name") << play("05.12.2026", "3mai [Return]") << "03.05.2026";
        QTest::newRow("no date typed") << play("05.12.2026", "xy [Return]") << "05.12.2026\nUngültiger Wert!";
        QTest::newRow("+10 Enter") << play("05.12.2026", "+10 [Return]") << "15.12.2026";
        QTest::newRow("+10 Tage") << play("05.12.2026", "+10 Tage") << "15.12.2026";
        QTest::newRow("-2 Monate") << play("31.03.2026", "-2 Monate") << "31.01.2026";
        QTest::newRow("-1 Monate") << play("31.03.2026", "-1 Monate") << "03.03.2026";
        QTest::newRow("+3 Wochen") << play("31.03.2026", "+3 Wochen") << "21.04.2026";
        QTest::newRow("-7 Jahre") << play("29.02.2024", "-7 Jahre") << "01.03.2017";
        QTest::newRow("4 Monate lacks the 31st") << play("31.01.2026", "4 Monate") << "31.01.2026\n" + bad.arg(4);
        QTest::newRow("13 Monate") << play("15.01.2026", "13 Monate") << "15.01.2026\n" + bad.arg(13);
        QTest::newRow("29 Tage leap Feb") << play("10.02.2024", "29 Tage") << "29.02.2024";
        QTest::newRow("29 Tage is a day number") << play("10.02.2026", "29 Tage") << "28.01.1900";
        QTest::newRow("45000 Tage") << play("10.02.2026", "45000 Tage") << "15.03.2023";
        QTest::newRow("0 Tage") << play("10.02.2026", "0 Tage") << "10.02.2026\n" + bad.arg(0);
        QTest::newRow("empty Tage") << play("10.02.2026", "Tage") << "10.02.2026\nUngültiger Wert!";
        QTest::newRow("65535 Tage") << play("10.02.2026", "65535 Tage") << "04.06.2079";
        QTest::newRow("65600 Tage") << play("10.02.2026", "65600 Tage") << "10.02.2026\n" + bad.arg(65600);
        QTest::newRow("+65535 Jahre beyond 9999") << play("10.02.2026", "+65535 Jahre") << "10.02.2026\n" + bad.arg("+65535");
        QTest::newRow("53 Wochen 2026") << play("10.02.2026", "53 Wochen") << "28.12.2026";
        QTest::newRow("53 Wochen 2025") << play("10.02.2025", "53 Wochen") << "29.12.2025";
        QTest::newRow("54 Wochen 2026") << play("10.02.2026", "54 Wochen") << "10.02.2026\n" + bad.arg(54);
        QTest::newRow("0 Wochen") << play("10.02.2026", "0 Wochen") << "22.12.2025";
        QTest::newRow("49 Jahre") << play("10.02.2026", "49 Jahre") << "10.02.2049";
        QTest::newRow("50 Jahre") << play("10.02.2026", "50 Jahre") << "10.02.1950";
        QTest::newRow("99 Jahre") << play("10.02.2026", "99 Jahre") << "10.02.1999";
        QTest::newRow("100 Jahre") << play("10.02.2026", "100 Jahre") << "10.02.0100";
        QTest::newRow("3000 Jahre") << play("10.02.2026", "3000 Jahre") << "10.02.2026\n" + bad.arg(3000);
        QTest::newRow("29 Feb to 2025") << play("29.02.2024", "2025 Jahre") << "29.02.2024\n" + bad.arg(2025);
        QTest::newRow("F2 expanded counts days") << play("05.12.2026", "[Tab] 24 [F2]") << "24.12.2026";
        QTest::newRow("F5 expanded error") << play("05.12.2026", "[Tab] 3000 [F5]") << "05.12.2026\n" + bad.arg(3000);
        // Typed on 05.12.2026: the input line, the suggestion, the caption of the days' button.
        const auto typed = [](const QString& keys) {
            DateDialogModel m;
            m.setDate(StrToDate(QStringLiteral("05.12.2026")));
            type(m, keys);
            return m.eingabe() + '|' + m.vorschlag() + '|' + m.caption(DateDialogModel::Tage);
        };
        QTest::newRow("typed nothing") << typed("") << "||Tag";
        QTest::newRow("typed 24") << typed("24") << "24|24.12.2026|Tag";
        QTest::newRow("typed plus") << typed("+") << "+||Tage";
        QTest::newRow("typed plus then 1 keeps plural") << typed("+1") << "+1|01.12.2026|Tage";
        QTest::newRow("typed Backspace keeps suggestion") << typed("2412<") << "241|24.12.2026|Tag";
        QTest::newRow("typed cleared by C") << typed("24C") << "||Tag";
        QTest::newRow("typed Backspace to empty") << typed("2<") << "||Tag";
        QTest::newRow("typed signs and blank") << typed("1/2_") << "1/2 |01.02.2026|Tag";
        QTest::newRow("typed umlaut accepted") << typed("3Ä") << "3Ä||Tag";
        QTest::newRow("typed others ignored") << typed("1*#=") << "1|01.12.2026|Tag";
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
        QTest::newRow("Right from 31 Dec") << playYear("31.12.2026", "[Right]") << "01. 01. 2027";
        QTest::newRow("Left from 1 Jan") << playYear("01.01.2026", "[Left]") << "31. 12. 2025";
        QTest::newRow("Left from 1 Mar") << playYear("01.03.2024", "[Left]") << "29. 02. 2024";
        QTest::newRow("Down from 31 Jan") << playYear("31.01.2025", "[Down]") << "28. 02. 2025";
        QTest::newRow("Down from 31 Jan leap") << playYear("31.01.2024", "[Down]") << "29. 02. 2024";
        QTest::newRow("Down from 28 Feb: last to last") << playYear("28.02.2025", "[Down]") << "31. 03. 2025";
        QTest::newRow("Up from 30 Mar") << playYear("30.03.2025", "[Up]") << "28. 02. 2025";
        QTest::newRow("Up from 31 May") << playYear("31.05.2025", "[Up]") << "30. 04. 2025";
        QTest::newRow("Down from 31 Dec") << playYear("31.12.2025", "[Down]") << "31. 01. 2026";
        QTest::newRow("Up from 15 Jan") << playYear("15.01.2025", "[Up]") << "15. 12. 2024";
        QTest::newRow("Page Down") << playYear("28.12.2026", "[PgDown]") << "04. 01. 2027";
        QTest::newRow("Page Up") << playYear("03.01.2026", "[PgUp]") << "27. 12. 2025";
        QTest::newRow("7 on 2005") << playYear("15.06.2005", "7") << "15. 06. 2007";
        QTest::newRow("0 on 2010") << playYear("15.06.2010", "0") << "15. 06. 2000";
        QTest::newRow("A on 2005") << playYear("15.06.2005", "A") << "15. 06. 2010";
        QTest::newRow("ß on 2005") << playYear("15.06.2005", "ß") << "15. 06. 2010";
        QTest::newRow("F10 on 2005") << playYear("15.06.2005", "[F10]") << "15. 06. 2010";
        QTest::newRow("F3 on 2005") << playYear("15.06.2005", "[F3]") << "15. 06. 2003";
        QTest::newRow("other letters nothing") << playYear("15.06.2005", "xB") << "15. 06. 2005";
        QTest::newRow("year buttons") << playYear("15.06.2005", "< < >") << "15. 06. 2004";
        QTest::newRow("year step caps 29 Feb") << playYear("29.02.2004", ">") << "28. 02. 2005";
        QTest::newRow("typed year caps 29 Feb") << playYear("29.02.2004", "5") << "28. 02. 2005";
        QTest::newRow("no year 0") << playYear("01.01.0001", "[Left] < [Up] [PgUp] 0") << "01. 01. 0001";
        QTest::newRow("year 1 by the year button") << playYear("15.06.0002", "<") << "15. 06. 0001";
        QTest::newRow("year 1 by Left") << playYear("01.01.0002", "[Left]") << "31. 12. 0001";
        QTest::newRow("year 1 typed") << playYear("15.06.0005", "1") << "15. 06. 0001";
        QTest::newRow("no year 10000") << playYear("31.12.9999", "[Right] > [Down] [PgDown] A") << "31. 12. 9999";
        QTest::newRow("Tage 45000") << playYear("15.06.2005", "T45000") << "15. 03. 2023";
        QTest::newRow("Tage 0 nothing") << playYear("15.06.2005", "T0") << "15. 06. 2005";
        QTest::newRow("Tage beyond 9999") << playYear("15.06.2005", "T9999999") << "15. 06. 2005";
        QTest::newRow("Vor 20") << playYear("15.12.2005", "V20") << "04. 01. 2006";
        QTest::newRow("Zurueck 20") << playYear("04.01.2006", "Z20") << "15. 12. 2005";
        QTest::newRow("Enter picks") << playYear("04.01.2006", "[Return]") << "04. 01. 2006 Pick";
        QTest::newRow("Esc closes") << playYear("04.01.2006", "[Esc]") << "04. 01. 2006 Close";
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

    // The openers, played through the prompter.
    void openers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("punkte");
        QTest::addColumn<bool>("kurz");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("shown");
        QTest::newRow("Punkte") << "24.12.03" << true << false << true << "25.12.2003" << 1;
        QTest::newRow("blanks") << "24.12.03" << false << false << true << "25. 12. 2003" << 1;
        QTest::newRow("short year") << "24.12.03" << true << true << true << "25.12.03" << 1;
        QTest::newRow("short year needs 10 characters") << "24.12.03" << false << true << true << "25. 12. 2003" << 1;
        QTest::newRow("month by name") << "24 dez 2003" << false << false << true << "25. 12. 2003" << 1;
        QTest::newRow("empty is today") << "" << true << false << true << "07.12.2026" << 1;
        QTest::newRow("no date opens nothing") << "31.02.2003" << true << false << false << "31.02.2003" << 0;
        QTest::newRow("cancel keeps the text") << "24.12.03" << true << false << false << "24.12.03" << 1;
    }
    void openers()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        ScriptedPrompter prompter;
        QString seenTitle;
        prompter.dialogScripts << [&](QDialog& d) {
            seenTitle = d.windowTitle();
            QTest::keyClick(&d, Qt::Key_Right);
            QTest::keyClick(&d, ok ? Qt::Key_Return : Qt::Key_Escape);
            return int(QDialog::Rejected);
        };
        QLineEdit edit(text);
        QFETCH(bool, punkte);
        QFETCH(bool, kurz);
        QCOMPARE(DatumEditAuswaehlen(&edit, punkte, kurz), ok);
        QTEST(edit.text(), "result");
        QTEST(int(prompter.calls.size()), "shown");
        if (!prompter.calls.isEmpty())
            QCOMPARE(seenTitle, QStringLiteral("Datum auswählen"));
    }

    // A day is taken where the button is let go: on a day of the grid, not right of its last
    // column or below its last row. The press is on Sunday of the second row.
    void gridClicks_data()
    {
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("cell"); // picked, -1 for none
        QTest::addColumn<bool>("right"); // the right button, which opens the menu on a day
        QTest::newRow("a day") << QPoint(3 * 30 + 15, 2 * 21 + 10) << 17 << false;
        QTest::newRow("last column") << QPoint(6 * 30 + 28, 1 * 21 + 10) << 13 << false;
        QTest::newRow("first column") << QPoint(1, 1 * 21 + 10) << 7 << false;
        QTest::newRow("right of the last column") << QPoint(7 * 30 + 4, 1 * 21 + 10) << -1 << false;
        QTest::newRow("far right of the last column") << QPoint(7 * 30 + 40, 5 * 21 + 10) << -1 << false;
        QTest::newRow("below the last row") << QPoint(2 * 30 + 15, 6 * 21 + 4) << -1 << false;
        QTest::newRow("left of the grid") << QPoint(-4, 1 * 21 + 10) << -1 << false;
        QTest::newRow("a day, right button") << QPoint(3 * 30 + 15, 2 * 21 + 10) << 17 << true;
        QTest::newRow("below the last row, right button") << QPoint(2 * 30 + 15, 6 * 21 + 4) << -1 << true;
    }
    void gridClicks()
    {
        QFETCH(QPoint, release);
        QFETCH(int, cell);
        QFETCH(bool, right);
        ScriptedPrompter prompter;
        QString picked;
        bool menu = false;
        prompter.dialogScripts << [&](QDialog& d) {
            QWidget* grid = d.findChild<QWidget*>(QStringLiteral("Tage"));
            const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
            QTest::mousePress(grid, button, {}, QPoint(6 * 30 + 15, 1 * 21 + 10));
            QTest::mouseRelease(grid, button, {}, release);
            picked = d.findChild<QLineEdit*>(QStringLiteral("Datum"))->text();
            QMenu* pop = d.findChild<QMenu*>(QStringLiteral("Pop"));
            menu = pop->isVisible();
            pop->hide();
            return int(QDialog::Rejected);
        };
        double datum = StrToDate(QStringLiteral("05.12.2026"));
        DatumAuswaehlenStd(datum);
        DateDialogModel shown;
        shown.setDate(StrToDate(QStringLiteral("05.12.2026")));
        QCOMPARE(picked, cell < 0 ? QStringLiteral("05.12.2026") : text(shown.cellDate(cell)));
        QCOMPARE(menu, right && cell >= 0);
    }

    void zeroDateCancelled()
    {
        ScriptedPrompter prompter;
        QString shown;
        prompter.dialogScripts << [&](QDialog& d) {
            shown = d.findChild<QLineEdit*>(QStringLiteral("Datum"))->text();
            return int(QDialog::Rejected);
        };
        double datum = 0;
        QVERIFY(!DatumAuswaehlenStd(datum));
        QCOMPARE(datum, 0.0);
        QCOMPARE(shown, QStringLiteral("06.12.2026"));
        QLabel notAnEdit;
        QVERIFY(!DatumEditAuswaehlen(&notAnEdit, true, false));
        QCOMPARE(prompter.calls.size(), 1);
    }

    void timeKeptWithoutChange()
    {
        ScriptedPrompter prompter;
        prompter.dialogScripts << [](QDialog&) { return int(QDialog::Accepted); };
        double datum = 45000.75;
        QVERIFY(DatumAuswaehlen(datum, deRahmen));
        QCOMPARE(datum, 45000.75);
    }

    // What the dialog shows: widths, captions, the error box and the month panel.
    void dialog()
    {
        ScriptedPrompter prompter;
        QStringList seen;
        prompter.dialogScripts << [&](QDialog& d) {
            const auto label = [&](const char* name) { return d.findChild<QLabel*>(QLatin1String(name))->text(); };
            const auto edit = [&](const char* name) { return d.findChild<QLineEdit*>(QLatin1String(name))->text(); };
            const auto button = [&](const char* name) { return d.findChild<QPushButton*>(QLatin1String(name)); };
            seen << QString::number(d.width()) << label("MonatJahr") << edit("Datum") << edit("WoTag");
            QTest::keyClick(&d, Qt::Key_Tab);
            seen << QString::number(d.width()) << button("BtnTage")->text();
            QTest::keyClicks(&d, QStringLiteral("+"));
            seen << button("BtnTage")->text() << button("BtnJahre")->text();
            QTest::keyClicks(&d, QStringLiteral("4x"));
            QTest::mouseClick(button("BtnMonate"), Qt::LeftButton);
            seen << edit("Eingabe") << button("BtnMonate")->text();
            QTest::keyPress(&d, Qt::Key_Shift, Qt::ShiftModifier);
            seen << (d.findChild<QWidget*>(QStringLiteral("Monate"))->isVisible() ? "Monate" : "-");
            QTest::keyPress(&d, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
            seen << label("LblErsterLetzter");
            QTest::mouseClick(d.findChild<QToolButton*>(QStringLiteral("b3")), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        double datum = StrToDate(QStringLiteral("05.12.2026"));
        QVERIFY(DatumAuswaehlenStd(datum));
        QCOMPARE(text(datum), QStringLiteral("01.03.2026"));
        QCOMPARE(seen, (QStringList{"250", "5. Dezember 2026", "05.12.2026", "Samstag", "447", "Tag", "Tage",
                                    "Jahre", "", "Monat", "Monate", "Erster des Monats"}));
        QCOMPARE(prompter.messages(), QStringList{"\"+4x\" ist ein ungültiger Wert!"});
        QCOMPARE(prompter.calls.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(prompter.calls.last().flags, mb::IconError);
    }

    // The pop-up opens below the edit; near the screen's right edge it moves left, near its
    // bottom up and beside the edit. Negative places count from the right or bottom edge.
    void popupPlace_data()
    {
        QTest::addColumn<QPoint>("edit");
        QTest::addColumn<QPoint>("popup");
        QTest::newRow("below the edit") << QPoint(10, 10) << QPoint(10, 32);
        QTest::newRow("at the right edge") << QPoint(-200, 10) << QPoint(-625, 32);
        QTest::newRow("near the bottom") << QPoint(10, -40) << QPoint(112, -232);
    }
    void popupPlace()
    {
        QFETCH(QPoint, edit);
        QFETCH(QPoint, popup);
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        const auto onScreen = [&](QPoint p) {
            return QPoint(p.x() < 0 ? s.right() + 1 + p.x() : p.x(), p.y() < 0 ? s.bottom() + 1 + p.y() : p.y());
        };
        QWidget host(nullptr, Qt::FramelessWindowHint);
        host.setGeometry(QRect(onScreen(edit), QSize(102, 22)));
        auto* anchor = new QLineEdit(&host);
        anchor->setGeometry(0, 0, 102, 22);
        host.show();
        QVERIFY(JahrKalenderDatum(anchor, StrToDate(QStringLiteral("24.12.2003"))));
        QCOMPARE(TfvdlKalJahr::current()->pos(), onScreen(popup));
        TfvdlKalJahr::current()->close();
    }

    // Once it has been active, it closes when another window becomes active, and only then.
    void popupCloses_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("closed");
        QTest::newRow("another window active") << true << int(QEvent::WindowDeactivate) << true;
        QTest::newRow("deactivated before it was active") << false << int(QEvent::WindowDeactivate) << false;
        QTest::newRow("another event") << true << int(QEvent::Enter) << false;
    }
    void popupCloses()
    {
        QFETCH(bool, active);
        QFETCH(int, event);
        QLineEdit edit; // the pop-up's parent: it goes with the edit
        QVERIFY(JahrKalenderDatum(&edit, StrToDate(QStringLiteral("24.12.2003"))));
        QPointer<TfvdlKalJahr> kal = TfvdlKalJahr::current();
        if (active) {
            QEvent activated(QEvent::WindowActivate);
            QApplication::sendEvent(kal, &activated);
        }
        QEvent e{QEvent::Type(event)};
        QApplication::sendEvent(kal, &e);
        QTEST(!kal->isVisible(), "closed");
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

QTEST_MAIN(TestCalendars)
#include "tst_calendars.moc"
