// Date fields: spinning the part under the caret, the exit check, the spin pop-up.
#include "../support/TestEnv.h"
#include "platform/Prompter.h"
#include "toolkit/vdlDateSpin.h"
#include "toolkit/vdlTools_dateedit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace vdl;

class TestDateEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::pinGerman(); }
    void cleanup() { SetKeyboardQuery(nullptr); }

    // Up and Down on a date field: the text after the spin and the spin pop-up's text; and
    // the text a field shows when it is left.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto spun = [](const QString& text, int caret, int direction, bool ctrl = false) {
            const DateSpin spin = SpinDateText(text, caret, direction, ctrl);
            return (spin.texts.isEmpty() ? text : spin.texts.last()) + '|' + spin.popup;
        };
        QTest::newRow("day wraps up") << spun("31.01.2004", 0, 1) << "01.01.2004|01";
        QTest::newRow("day with ctrl carries") << spun("31.01.2004", 0, 1, true) << "01.02.2004|01.02.2004";
        QTest::newRow("day wraps down") << spun("01.03.2004", 1, -1) << "31.03.2004|31";
        QTest::newRow("day with alt carries") << spun("01.03.2004", 2, -1, true) << "29.02.2004|29.02.2004";
        QTest::newRow("month keeps last day") << spun("31.01.2004", 3, 1) << "29.02.2004|02";
        QTest::newRow("month caps the day, leap") << spun("30.01.2004", 4, 1) << "29.02.2004|02";
        QTest::newRow("month caps the day") << spun("30.01.2003", 4, 1) << "28.02.2003|02";
        QTest::newRow("december wraps in year") << spun("15.12.2004", 4, 1) << "15.01.2004|01";
        QTest::newRow("december with ctrl") << spun("15.12.2004", 4, 1, true) << "15.01.2005|01";
        QTest::newRow("year up to 9999") << spun("31.12.9998", 6, 1) << "31.12.9999|9999";
        QTest::newRow("year below 0") << spun("01.01.0000", 9, -1) << "01.01.9999|9999";
        QTest::newRow("year keeps 29 Feb") << spun("29.02.2004", 7, 1) << "29.02.2005|2005";
        QTest::newRow("short year grows") << spun("01.02.03", 7, 1) << "01.02.0004|04";
        QTest::newRow("year 0 shows whole") << spun("01.01.0001", 8, -1) << "01.01.0000|01.01.0000";
        QTest::newRow("other layout stays") << spun("1.2.2003", 0, 1) << "1.2.2003|1.2.2003";
        QTest::newRow("no date") << spun("abc", 0, 1) << "abc|";
        QTest::newRow("year 9999 is no date") << spun("31.12.9999", 7, 1) << "31.12.9999|";
        QTest::newRow("spaced day") << spun("24. 12. 2003", 2, 1) << "25. 12. 2003|25";
        QTest::newRow("spaced year") << spun("24. 12. 2003", 7, 1) << "24. 12. 2004|2004";
        QTest::newRow("ctrl on day of year 0") << spun("15.06.0000", 0, 1, true) << "15.06.0000|15.06.0000";
        QTest::newRow("ctrl below year 1") << spun("01.01.0001", 0, -1, true) << "01.01.0001|01.01.0001";
        QTest::newRow("month carry below year 0") << spun("15.01.0000", 4, -1, true) << "15.12.9999|12";
        QTest::newRow("compact") << NormalizeDateText("24.12.03", true, "", false) << "24.12.2003";
        QTest::newRow("compact short") << NormalizeDateText("24.12.03", true, "", true) << "24.12.03";
        QTest::newRow("spaced never short") << NormalizeDateText("24.12.03", false, "", true) << "24. 12. 2003";
        QTest::newRow("pivot 50") << NormalizeDateText("1.2.50", false, "", false) << "01. 02. 1950";
        QTest::newRow("invalid") << NormalizeDateText("31.02.2004", false, "", false) << "";
        QTest::newRow("month by name") << NormalizeDateText("24 dez 2003", false, "", false) << "24. 12. 2003";
        QTest::newRow("day from today") << NormalizeDateText("5", false, "", false) << "05. 12. 2026";
        QTest::newRow("day from default") << NormalizeDateText("5", false, "01.03.2004", false) << "05. 03. 2004";
        QTest::newRow("default no date") << NormalizeDateText("5", false, "31.02.2004", false) << "05. 12. 2026";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void checkDateEdit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("empty") << "" << 0 << true << "" << QStringList();
        QTest::newRow("normalised") << "24.12.03" << 0 << true << "24. 12. 2003" << QStringList();
        QTest::newRow("tag 1 compact") << "24.12.03" << 1 << true << "24.12.2003" << QStringList();
        QTest::newRow("invalid kept") << "31.02.2004" << 0 << false << "31.02.2004"
                                      << QStringList{"Ungültiges Datum!"};
    }
    void checkDateEdit()
    {
        QFETCH(QString, text);
        QFETCH(int, tag);
        ScriptedPrompter prompter;
        QLineEdit edit;
        edit.setProperty("Tag", tag);
        edit.setText(text);
        edit.setModified(true);
        QTEST(CheckDateEdit(&edit, nullptr, false, QString(), false), "ok");
        QTEST(edit.text(), "shown");
        QVERIFY(!edit.isModified());
        QTEST(prompter.messages(), "messages");
        if (!prompter.calls.isEmpty())
            QCOMPARE(prompter.calls[0].caption + QString::number(prompter.calls[0].flags), "Warnung16");
    }

    // Keys reach the field; the caret stays and nothing is selected.
    void arrowKeys_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("held");
        QTest::addColumn<QString>("result");
        QTest::newRow("day up") << 1 << int(Qt::Key_Up) << 0 << "01.01.2004";
        QTest::newRow("day up, ctrl") << 1 << int(Qt::Key_Up) << shift::Ctrl << "01.02.2004";
        QTest::newRow("month down, alt") << 4 << int(Qt::Key_Down) << shift::Alt << "31.12.2003";
        QTest::newRow("shift counts not") << 4 << int(Qt::Key_Down) << shift::Shift << "31.12.2004";
    }
    void arrowKeys()
    {
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(int, held);
        SetKeyboardQuery([held] { return held; });
        QLineEdit edit(QStringLiteral("31.01.2004"));
        AttachDateEdit(&edit);
        edit.setSelection(caret, 2);
        QTest::keyClick(&edit, Qt::Key(key));
        QTEST(edit.text(), "result");
        QCOMPARE(edit.cursorPosition(), caret);
        QVERIFY(!edit.hasSelectedText());
        QVERIFY(fvdlDateSpin);
        QVERIFY(!fvdlDateSpin->isActiveWindow());
    }

    void leavingTheField()
    {
        QDialog form;
        auto* date = new QLineEdit(&form);
        auto* skipped = new QLineEdit(&form);
        skipped->setEnabled(false);
        auto* other = new QLineEdit(&form);
        auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &form);
        AttachDateEdit(date, cancel);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        date->setFocus();
        date->setText(QStringLiteral("24.12.03"));
        // Another window or a pop-up taking the focus is no leaving of the field.
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(date, &out);
        }
        cancel->setFocus();
        QCOMPARE(date->text(), QStringLiteral("24.12.03"));

        date->setFocus();
        int key = Qt::Key_Return;
        EnterAsTab(date, key); // an edit is no form
        QCOMPARE(key, int(Qt::Key_Return));
        EnterAsTab(&form, key);
        QCOMPARE(key, 0);
        QVERIFY(other->hasFocus());
        QCOMPARE(date->text(), QStringLiteral("24. 12. 2003"));
    }

    // Enter on a combo box moves on and leaves the text as it was, even from a box that
    // clears itself when left; an empty one takes a first item in brackets, signalled once.
    void enterOnComboBox_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("chosen"); // the item chosen before Enter, -1 none
        QTest::addColumn<QString>("typed"); // then typed into an editable box
        QTest::addColumn<QString>("after");
        const QStringList links{"(kein Speicher)", "Speicher2"};
        QTest::newRow("typed text") << true << links << 1 << "Kas" << "Kas";
        QTest::newRow("empty, first in brackets") << true << links << -1 << "" << "(kein Speicher)";
        QTest::newRow("empty, first without") << true << QStringList{"Speicher2", "(kein Speicher)"} << -1 << "" << "";
        QTest::newRow("item chosen") << false << links << 1 << "" << "Speicher2";
        QTest::newRow("none chosen, first in brackets") << false << links << -1 << "" << "(kein Speicher)";
        QTest::newRow("none chosen, first without") << false << QStringList{"Euro", "(alle)"} << -1 << "" << "";
    }
    void enterOnComboBox()
    {
        QFETCH(bool, editable);
        QFETCH(QStringList, items);
        QFETCH(int, chosen);
        QFETCH(QString, typed);
        QDialog form;
        auto* combo = new QComboBox(&form);
        auto* other = new QLineEdit(&form);
        combo->setEditable(editable);
        combo->addItems(items);
        combo->setCurrentIndex(chosen);
        if (!typed.isEmpty())
            combo->setEditText(typed);
        // The box loses its text when it is left; what it signals after that is kept.
        QStringList signalled;
        connect(combo, &QComboBox::currentTextChanged, &form, [&](const QString& text) { signalled << text; });
        QObject watching; // goes before the form and its widgets
        connect(qApp, &QApplication::focusChanged, &watching, [&](QWidget* old) {
            if (old == combo || (old && old == combo->lineEdit()))
                combo->isEditable() ? combo->clearEditText() : combo->setCurrentIndex(-1);
            signalled.clear();
        });
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        combo->setFocus();
        int key = Qt::Key_Enter;
        EnterAsTab(&form, key);
        QCOMPARE(key, 0);
        QVERIFY(other->hasFocus());
        QTEST(combo->currentText(), "after");
        QCOMPARE(signalled, QStringList{combo->currentText()});
    }

    void spinPopup()
    {
        const int parked = QGuiApplication::primaryScreen()->geometry().height() + 1;
        ShowDateSpin(QStringLiteral("05"));
        const int dayWidth = fvdlDateSpin->width();
        ShowDateSpin(QStringLiteral("2004"));
        QVERIFY(fvdlDateSpin->width() > dayWidth);
        QCOMPARE(fvdlDateSpin->height(), 42);
        QCOMPARE(fvdlDateSpin->p->text(), QStringLiteral("2004"));
        const QPoint cursor = QCursor::pos();
        QCOMPARE(fvdlDateSpin->pos(), cursor - QPoint(fvdlDateSpin->width() / 2, 21));

        // Spins in quick succession keep it up until half a second after the last one.
        QTest::qWait(300);
        ShowDateSpin(QString());
        QCOMPARE(fvdlDateSpin->p->text(), QStringLiteral("2004"));
        ShowDateSpin(QStringLiteral("12"));
        QElapsedTimer since;
        since.start();
        QTest::qWait(300);
        QVERIFY(fvdlDateSpin->y() < parked || since.elapsed() >= 500); // a busy machine may be late
        QTRY_COMPARE_WITH_TIMEOUT(fvdlDateSpin->y(), parked, 10000);
        QVERIFY(fvdlDateSpin->isVisible());
    }
};

QTEST_MAIN(TestDateEdit)
#include "tst_dateedit.moc"
