// The date-entry frame as the user meets it: the text after leaving the field, the date
// dialog from a double click, F4, F6 and the "···" button, the day, month and year menus of a
// long press, the year calendar of a right click and the spun date parts.
#include "dates/vdlFDate.h"
#include "dates/vdlKalJahr.h"
#include "dates/vdlKalender.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlDateSpin.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace vdl;

namespace {

// A window with the frame and one more field to leave it for.
struct Host {
    QWidget window;
    TfvdlFDate* frame = new TfvdlFDate(&window);
    QLineEdit* other = new QLineEdit(&window);
    QLineEdit* edit = frame->Datum;

    explicit Host(const QString& text)
    {
        other->move(0, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        edit->setText(text);
    }
};

// The menu a long press opened: its name and its visible items, "" for none.
QString openMenu(TfvdlFDate* frame, QMenu** menu)
{
    for (QMenu* m : frame->findChildren<QMenu*>()) {
        if (m->isVisible()) {
            QStringList items;
            for (QAction* a : m->actions())
                if (a->isVisible())
                    items << a->text();
            *menu = m;
            return m->objectName() + QLatin1Char(' ') + items.first() + QLatin1Char('-') + items.last();
        }
    }
    return QString();
}

// Holds the left button on the field with the caret at Caret until the long press fires.
QString pressAndHold(Host& h, int caret, bool move, QMenu** menu)
{
    QTest::mousePress(h.edit, Qt::LeftButton, {}, QPoint(5, 5));
    if (move)
        QTest::mouseMove(h.edit, QPoint(9, 5));
    if (caret > 0) // the press itself puts the caret at the start
        h.edit->setCursorPosition(caret);
    if (h.frame->Timer->isActive())
        h.frame->TimerTimer();
    return openMenu(h.frame, menu);
}

} // namespace

class TestDateEntry : public QObject {
    Q_OBJECT

private slots:
    void init() { test::pinGerman(); }

    // Enter in the field of a dialog passes through (the field reports it) but never presses
    // the dialog's default button; in a plain field of the same dialog it does.
    void enterInDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inFrame");
        QTest::addColumn<QString>("seen");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true << "Enter im Feld, 12. 05. 2026";
        QTest::newRow("Enter of the number pad") << int(Qt::Key_Enter) << true << "Enter im Feld, 12. 05. 2026";
        QTest::newRow("plain field") << int(Qt::Key_Return) << false << "OK";
    }
    void enterInDialog()
    {
        QFETCH(int, key);
        QFETCH(bool, inFrame);
        QDialog dialog;
        auto* frame = new TfvdlFDate(&dialog);
        auto* plain = new QLineEdit(&dialog);
        plain->move(0, 40);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(0, 80);
        ok->setDefault(true);
        QStringList seen;
        connect(ok, &QPushButton::clicked, &dialog, [&] { seen << "OK"; });
        connect(frame->Datum, &QLineEdit::returnPressed, &dialog, [&] { seen << "Enter im Feld"; });
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* field = inFrame ? frame->Datum : plain;
        field->setFocus();
        frame->Datum->setText(QStringLiteral("12. 05. 2026"));
        QTest::keyClick(field, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        if (inFrame)
            seen << frame->Datum->text();
        QTEST(seen.join(QStringLiteral(", ")), "seen");
        QVERIFY(dialog.isVisible());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("short date") << "1.3.26" << "01. 03. 2026" << QStringList{};
        QTest::newRow("month by name") << "24 dez 2003" << "24. 12. 2003" << QStringList{};
        QTest::newRow("no such day") << "31.2.26" << "31.2.26" << QStringList{"Ungültiges Datum!"};
    }
    void leaving()
    {
        QFETCH(QString, typed);
        ScriptedPrompter prompter;
        Host h(typed);
        h.other->setFocus();
        QTEST(h.edit->text(), "shown");
        QTEST(prompter.messages(), "messages");
        if (!prompter.calls.isEmpty()) {
            QCOMPARE(prompter.calls[0].caption, QStringLiteral("Warnung"));
            QCOMPARE(h.edit->selectedText(), typed);
        }
    }

    // The dialog opens on the field's date (today when empty) and writes the pick back; a
    // text that is no date opens nothing. The next long press opens its menu all the same.
    void dialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("opened"); // the dialog's date, "" when none opened
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("autoWeiter"); // the host moves on after a pick
        QTest::addColumn<QString>("selected"); // in the field with the focus afterwards
        QTest::newRow("double click, OK") << "dblclick" << "" << true << "06.12.2026" << "15. 03. 2026" << false << "";
        QTest::newRow("double click, cancel") << "dblclick" << "" << false << "06.12.2026" << "" << false << "";
        QTest::newRow("F4") << "F4" << "1.3.26" << true << "01.03.2026" << "15. 03. 2026" << false << "";
        QTest::newRow("F6") << "F6" << "1 mär 2026" << true << "01.03.2026" << "15. 03. 2026" << false << "";
        QTest::newRow("button") << "button" << "24. 12. 2003" << true << "24.12.2003" << "15. 03. 2026" << false
                                << "15. 03. 2026";
        QTest::newRow("button, moving on") << "button" << "" << true << "06.12.2026" << "15. 03. 2026" << true
                                           << "weiter";
        QTest::newRow("no date") << "dblclick" << "abc" << true << "" << "abc" << false << "";
    }
    void dialog()
    {
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        ScriptedPrompter prompter;
        QString opened;
        prompter.dialogScripts << [&](QDialog& d) {
            auto& dlg = dynamic_cast<TDateEd&>(d);
            opened = FormatDateTime(QStringLiteral("dd.mm.yyyy"), dlg.date());
            dlg.model().setDate(EncodeDate(2026, 3, 15));
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        };
        Host h(typed);
        QFETCH(bool, autoWeiter);
        h.frame->FAutoWeiter = autoWeiter;
        h.other->setText(QStringLiteral("weiter"));
        if (how == QLatin1String("dblclick"))
            QTest::mouseDClick(h.edit, Qt::LeftButton, {}, QPoint(5, 5));
        else if (how == QLatin1String("button") && h.frame->rect().contains(h.frame->BtnKal->geometry()))
            QTest::mouseClick(h.frame->BtnKal, Qt::LeftButton);
        else
            QTest::keyClick(h.edit, how == QLatin1String("F4") ? Qt::Key_F4 : Qt::Key_F6);
        QTEST(opened, "opened");
        QTEST(h.edit->text(), "shown");
        QTEST(qobject_cast<QLineEdit*>(h.window.focusWidget())->selectedText(), "selected");
        QMenu* menu = nullptr;
        QVERIFY(!pressAndHold(h, 0, false, &menu).isEmpty());
    }

    void longPress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("menu"); // name, first and last item
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("shown");
        QTest::newRow("day") << "01. 03. 2026" << 0 << false << "popTag 01-31" << "15" << "15. 03. 2026";
        QTest::newRow("month") << "01. 03. 2026" << 4 << false << "popMonat 01-12" << "05" << "01. 05. 2026";
        QTest::newRow("year") << "01. 03. 2026" << 7 << false << "popJahr 2020-2031" << "2024" << "01. 03. 2024";
        QTest::newRow("no year yet") << "01. 03. " << 7 << false << "popJahr 2020-2031" << "2024" << "01. 03. 2024";
        QTest::newRow("compact month") << "01.03.2026" << 4 << false << "popMonat 01-12" << "05" << "01. 05. 2026";
        QTest::newRow("compact year") << "01.03.2026" << 8 << false << "popJahr 2020-2031" << "2024" << "01. 03. 2024";
        QTest::newRow("early year") << "01. 03. 0003" << 9 << false << "popJahr 0001-0008" << "0008" << "01. 03. 0008";
        QTest::newRow("late year") << "01. 03. 9998" << 9 << false << "popJahr 9992-9999" << "9999" << "01. 03. 9999";
        QTest::newRow("behind the year") << "01. 03. 2026" << 12 << false << "" << "" << "01. 03. 2026";
        QTest::newRow("mouse moved") << "01. 03. 2026" << 0 << true << "" << "" << "01. 03. 2026";
    }
    void longPress()
    {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(bool, move);
        QFETCH(QString, choice);
        Host h(typed);
        QMenu* menu = nullptr;
        QTEST(pressAndHold(h, caret, move, &menu), "menu");
        if (menu) {
            for (QAction* a : menu->actions())
                if (a->text() == choice)
                    a->trigger();
            menu->hide();
        }
        QTEST(h.edit->text(), "shown");
    }

    void rightClick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("panel");
        QTest::newRow("empty") << "" << 2026 << "";
        QTest::newRow("a date") << "24.12.2003" << 2003 << "24. 12. 2003";
    }
    void rightClick()
    {
        QFETCH(QString, typed);
        Host h(typed);
        QTest::mousePress(h.edit, Qt::RightButton, {}, QPoint(5, 5));
        std::unique_ptr<TfvdlKalJahr> kal(TfvdlKalJahr::current());
        QVERIFY(kal);
        QTEST(kal->model().year(), "year");
        QTEST(kal->model().datePanel(), "panel");
    }

    // Up on the month at the end of January: the last day of February, "02" in the pop-up.
    void spin()
    {
        Host h(QStringLiteral("31. 01. 2024"));
        h.edit->setCursorPosition(5);
        QTest::keyClick(h.edit, Qt::Key_Up);
        QCOMPARE(h.edit->text(), QStringLiteral("29. 02. 2024"));
        QCOMPARE(fvdlDateSpin->p->text(), QStringLiteral("02"));
    }
};

QTEST_MAIN(TestDateEntry)
#include "tst_dateentry.moc"
