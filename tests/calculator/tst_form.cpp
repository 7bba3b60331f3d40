// The calculator window as a user meets it: keys with their captions and hints, clicks and
// typed keys and what the displays and the tape then show, key layers, lists and menus.
#include "calculator/Rechner.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include <QComboBox>
#include <QScrollBar>
#include <QAbstractItemView>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

namespace {

QPushButton* key(TRechnerForm& form, const QString& name)
{
    return form.keys[RechnerCore::keyByName(name)];
}

void click(TRechnerForm& form, const QString& names)
{
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::mouseClick(key(form, name), Qt::LeftButton);
}

// Types into the widget with the focus; {Enter}, {Esc}, {Back}, {Ctrl+A} and {Shift+%}
// stand for those keys, every other character is typed as it is.
void type(QWidget* target, const QString& keys)
{
    static const QRegularExpression token(QStringLiteral("\\{([^}]+)\\}|(.)"));
    for (const QRegularExpressionMatch& m : token.globalMatch(keys)) {
        const QString special = m.captured(1);
        if (special == QLatin1String("Enter"))
            QTest::keyClick(target, Qt::Key_Return);
        else if (special == QLatin1String("Esc"))
            QTest::keyClick(target, Qt::Key_Escape);
        else if (special == QLatin1String("Back"))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (special == QLatin1String("Ctrl+A"))
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
        else if (special == QLatin1String("Shift+%"))
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Percent, QStringLiteral("%"), Qt::ShiftModifier);
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, m.captured(2), Qt::NoModifier);
    }
}

QString tape(const TRechnerForm& form)
{
    QStringList lines;
    for (int i = 0; i < form.History->count(); ++i) {
        const int colour = form.History->item(i)->data(Qt::UserRole).toInt();
        lines << form.History->item(i)->text() + (colour == 32768 ? "{grün}" : colour == 255 ? "{rot}" : "");
    }
    return lines.join(QStringLiteral(" | "));
}

// The keys a user sees at the six places the layers share: "%", "÷", "×", "-", "," and the
// tape key.
QString shownAtPlaces(TRechnerForm& form)
{
    static const QPoint places[] = {{211, 149}, {275, 37}, {275, 65}, {275, 93}, {243, 149}, {179, 209}};
    QStringList names;
    for (QPoint at : places) {
        for (QPushButton* k : form.keys)
            if (k->isVisible() && k->geometry().contains(at))
                names << k->objectName();
    }
    return names.join(QLatin1Char(' '));
}

// Every place of the keypad (7 rows of 5) shows one key, whichever layer is in front.
QString keypadFilled(TRechnerForm& form)
{
    int shown = 0;
    QList<QPoint> places;
    for (QPushButton* k : form.keys) {
        if (!k->isVisible())
            continue;
        ++shown;
        if (!places.contains(k->pos()))
            places << k->pos();
    }
    return QStringLiteral("%1 keys at %2 places").arg(shown).arg(places.size());
}

// What a key's caption looks like: the box around its ink and how much ink there is (the sum
// of how much darker than a key without caption each pixel is).
struct Ink {
    QRect box;
    int amount = 0;
};

Ink inkOf(QPushButton* key)
{
    QPushButton blank(key->parentWidget());
    blank.setGeometry(key->geometry());
    blank.show();
    const QImage image = key->grab().toImage();
    const QImage face = blank.grab().toImage();
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int darker = QColor(face.pixel(x, y)).lightness() - QColor(image.pixel(x, y)).lightness();
            ink.amount += std::max(0, darker);
            if (darker > 70)
                ink.box |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The greyed items of a menu and its submenus.
QString greyed(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions()) {
        if (a->menu())
            items << greyed(a->menu());
        else if (!a->isSeparator() && !a->isEnabled())
            items << a->text();
    }
    items.removeAll(QString());
    return items.join(QStringLiteral(", "));
}

void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY(index >= 0);
    emit list->activated(index); // as the user's choice
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TRechnerForm> form;

private slots:
    void initTestCase() { pinGerman(); }
    void init()
    {
        form = std::make_unique<TRechnerForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->History->setFocus();
    }
    void cleanup() { form.reset(); }

    void window()
    {
        QCOMPARE(form->size(), QSize(347, 279));
        QCOMPARE(QFontInfo(form->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(form->Kombi->itemText(0), QStringLiteral("(kein Speicher)"));
        QCOMPARE(form->Syst->currentText(), QStringLiteral("10"));
        QCOMPARE(form->DezSt->currentText(), QStringLiteral("Standard"));
        QCOMPARE(form->Winkel->currentText(), QStringLiteral("Rad"));
        QCOMPARE(form->Winkel->toolTip(), QStringLiteral("Bogenmaß: ¼ Kreis = ½ Pi"));
        choose(form->Winkel, QStringLiteral("Deg"));
        QCOMPARE(form->Winkel->toolTip(), QStringLiteral("Grad: ¼ Kreis = 90°"));
        choose(form->Winkel, QStringLiteral("Grad"));
        QCOMPARE(form->Winkel->toolTip(), QStringLiteral("Neugrad: ¼ Kreis = 100°"));
        choose(form->DezSt, QStringLiteral("0,00"));
        type(form->History, QStringLiteral("10/3="));
        QCOMPARE(form->EAnzeige->text(), QStringLiteral("3,33"));
        QVERIFY(form->PnlWaehrung->isHidden());
        QVERIFY(form->AutoPanel->isHidden());
        // Everything a memory window shows lies within its 182 pixels.
        for (QWidget* w : {static_cast<QWidget*>(form->Panel3), static_cast<QWidget*>(form->EAnzeige),
                           static_cast<QWidget*>(form->Syst), static_cast<QWidget*>(form->DezSt),
                           static_cast<QWidget*>(form->Kombi), static_cast<QWidget*>(form->History)})
            QVERIFY2(w->mapTo(form.get(), QPoint(w->width(), 0)).x() <= 174, qPrintable(w->objectName()));
        for (QPushButton* k : form->keys) {
            QVERIFY(k->x() >= 178 && k->x() + k->width() <= 347 && k->y() + k->height() <= 279);
            QCOMPARE(k->focusPolicy(), Qt::TabFocus);
        }
    }

    void keys()
    {
        // Every key shows a caption or a picture; memory keys wait for a link, ggT and kgV
        // for a list.
        for (QPushButton* k : form->keys) {
            QVERIFY2(k->text().isEmpty() != k->icon().isNull(), qPrintable(k->objectName()));
            QCOMPARE(k->isEnabled(),
                     !QStringList({"BMPlus", "BMMin", "BMR", "BMC", "BggT", "Bkgv"}).contains(k->objectName()));
        }
        QCOMPARE(key(*form, QStringLiteral("BMin"))->text(), QStringLiteral("\u2013"));
        QCOMPARE(key(*form, QStringLiteral("BSin"))->toolTip(), QStringLiteral("Sinus (Winkelmaß beachten!)"));
    }

    // The operators "×" and "÷" are as large and as dark as "+" and "-".
    void operatorCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("×") << "BMult";
        QTest::newRow("÷") << "BDiv";
    }
    void operatorCaptions()
    {
        QFETCH(QString, name);
        const Ink plus = inkOf(key(*form, QStringLiteral("BPlus")));
        const Ink minus = inkOf(key(*form, QStringLiteral("BMin")));
        const Ink ink = inkOf(key(*form, name));
        const QString sizes = QStringLiteral("%1x%2 beside + %3x%4")
                                  .arg(ink.box.width()).arg(ink.box.height()).arg(plus.box.width()).arg(plus.box.height());
        QVERIFY2(ink.box.width() >= plus.box.width() && ink.box.height() >= plus.box.height(), qPrintable(sizes));
        QVERIFY2(ink.box.width() <= plus.box.width() + 2 && ink.box.height() <= plus.box.height() + 2, qPrintable(sizes));
        const QString amounts = QStringLiteral("ink %1 beside + %2, - %3").arg(ink.amount).arg(plus.amount).arg(minus.amount);
        QVERIFY2(ink.amount * 10 >= plus.amount * 9 && ink.amount >= minus.amount, qPrintable(amounts));
        QVERIFY2(ink.amount <= plus.amount * 5 / 2, qPrintable(amounts)); // no blot either
    }

    // The system list opens with about twenty of its 35 entries and a scroll bar for the
    // rest, never as one list as high as the screen.
    void systemListRows()
    {
        QComboBox* list = form->Syst;
        QCOMPARE(list->count(), 35);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int rows = view->viewport()->height() / view->sizeHintForRow(0);
        QVERIFY2(rows >= 15 && rows <= 20, qPrintable(QString::number(rows)));
        QVERIFY(view->verticalScrollBar()->isVisible());
        list->hidePopup();
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("lines");
        QTest::newRow("digits") << "B1 B2 BKom B5" << "12,5" << "" << "" << "";
        QTest::newRow("dash sends minus") << "B9 BMin" << "" << "-" << "9" << "9-";
        QTest::newRow("clear all") << "B8 BPlus BC" << "" << "" << "" << "8+ | Ergebnis gelöscht!{grün}";
        QTest::newRow("root") << "B1 B6 BWurzel" << "" << "√" << "2" << "2√";
    }
    void clicks()
    {
        QFETCH(QString, keys);
        click(*form, keys);
        QTEST(form->Eingabe->text(), "entry");
        QTEST(form->EingabeOp->text(), "op");
        QTEST(form->EAnzeige->text(), "display");
        QTEST(tape(*form), "lines");
    }

    void floatErrorShowsBox()
    {
        ScriptedPrompter prompter;
        click(*form, QStringLiteral("B1 BDiv B0 BIst"));
        QCOMPARE(prompter.messages(), QStringList{QStringLiteral("Gleitkommadivision durch Null")});
        QCOMPARE(prompter.calls.first().caption, QStringLiteral("vdlRechner"));
        QCOMPARE(form->EAnzeige->text(), QStringLiteral("1"));
        QCOMPARE(tape(*form), QStringLiteral("1÷"));

        // A text handed to the window stops at the error; the rest of it is dropped.
        form->InputProcessing(QStringLiteral("0=5"), false);
        QCOMPARE(prompter.messages().size(), 2);
        QCOMPARE(prompter.calls.last().flags, 16);
        QCOMPARE(form->EAnzeige->text(), QStringLiteral("1"));
        QCOMPARE(form->Eingabe->text(), QStringLiteral("00")); // the refused entry stays
    }

    void layers_data()
    {
        QTest::addColumn<QList<int>>("held");
        QTest::addColumn<QString>("shown");
        QTest::newRow("shift") << QList<int>{Qt::Key_Shift} << "BWievProz BMod BMult BMin BPunkt BHist";
        QTest::newRow("ctrl") << QList<int>{Qt::Key_Control} << "BProzIH BWurzel BHoch BFak BPunkt BHistDruck";
        QTest::newRow("ctrl then shift")
            << QList<int>{Qt::Key_Control, Qt::Key_Shift} << "BWievProz BMod BMult BMin BPunkt BHist";
    }
    void layers()
    {
        QFETCH(QList<int>, held);
        for (int k : held)
            QTest::keyPress(form->History, Qt::Key(k));
        QTEST(shownAtPlaces(*form), "shown");
        QCOMPARE(keypadFilled(*form), QStringLiteral("35 keys at 35 places"));
        for (int k : held)
            QTest::keyRelease(form->History, Qt::Key(k));
        QCOMPARE(shownAtPlaces(*form), QStringLiteral("BProz BDiv BMult BMin BKom BHist"));
        QCOMPARE(keypadFilled(*form), QStringLiteral("35 keys at 35 places"));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("system");
        QTest::newRow("enter") << "5+3{Enter}" << "" << "" << "8" << "10";
        QTest::newRow("escape clears entry") << "5+3{Esc}" << "" << "+" << "5" << "10";
        QTest::newRow("ctrl letters dropped") << "12{Ctrl+A}" << "12" << "" << "" << "10";
        QTest::newRow("no code-page byte") << "1ł2" << "12" << "" << "" << "10";
        QTest::newRow("what percentage") << "50{Shift+%}" << "" << "?%" << "50 = 100 %" << "10";
        QTest::newRow("euro is what percentage") << "50€" << "" << "?%" << "50 = 100 %" << "10";
        QTest::newRow("r switches to roman") << "r" << "" << "" << "" << "Römisch";
    }
    void typing()
    {
        QFETCH(QString, keys);
        type(form->History, keys);
        QTEST(form->Eingabe->text(), "entry");
        QTEST(form->EingabeOp->text(), "op");
        QTEST(form->EAnzeige->text(), "display");
        QTEST(form->Syst->currentText(), "system");
    }

    // Keys act when pressed, before they are let go; a lower-case letter is the digit of its
    // upper case where the system has it.
    void typedInSystem_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("pressOnly");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("display");
        QTest::newRow("lower-case a in base 16") << "16" << "a" << false << "A" << "";
        QTest::newRow("lower and upper case in base 16") << "16" << "fB9" << false << "FB9" << "";
        QTest::newRow("a is no digit of base 8") << "8" << "a7" << false << "7" << "";
        QTest::newRow("digit on press") << "10" << "7" << true << "7" << "";
        QTest::newRow("operator and Enter on press") << "10" << "5+3\r" << true << "" << "8";
        QTest::newRow("lower-case a on press") << "16" << "a" << true << "A" << "";
    }
    void typedInSystem()
    {
        QFETCH(QString, system);
        QFETCH(QString, keys);
        QFETCH(bool, pressOnly);
        choose(form->Syst, system);
        form->History->setFocus();
        for (const QChar c : keys) {
            const QTest::KeyAction action = pressOnly ? QTest::Press : QTest::Click;
            if (c == QLatin1Char('\r'))
                QTest::sendKeyEvent(action, form->History, Qt::Key_Return, QString(c), Qt::NoModifier);
            else
                QTest::sendKeyEvent(action, form->History, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTEST(form->Eingabe->text(), "entry");
        QTEST(form->EAnzeige->text(), "display");
    }

    // ggT and kgV are enabled exactly while the entry holds a list, from the window's start;
    // the keys that would end the list meanwhile are not.
    void listKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("system"); // chosen afterwards, which clears the entry
        QTest::addColumn<QString>("enabled"); // of ggT, kgV, +, =, sin
        QTest::newRow("new window") << "" << "" << "+ = sin";
        QTest::newRow("a number") << "12" << "" << "+ = sin";
        QTest::newRow("a list") << "12;18" << "" << "ggT kgV";
        QTest::newRow("list begun") << "12;" << "" << "ggT kgV";
        QTest::newRow("list cleared") << "12;18{Esc}" << "" << "+ = sin";
        QTest::newRow("list, then base 16") << "12;18" << "16" << "+ =";
        QTest::newRow("list, then roman") << "12;" << "Römisch" << "+ =";
    }
    void listKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, system);
        type(form->History, keys);
        if (!system.isEmpty())
            choose(form->Syst, system);
        QStringList enabled;
        const QList<QPair<QString, QString>> shown{
            {"BggT", "ggT"}, {"Bkgv", "kgV"}, {"BPlus", "+"}, {"BIst", "="}, {"BSin", "sin"}};
        for (const auto& [name, label] : shown)
            if (key(*form, name)->isEnabled())
                enabled << label;
        QTEST(enabled.join(QLatin1Char(' ')), "enabled");
    }

    // While a list has the keyboard, its keys reach no calculation, also those it does not take.
    void keysOnAList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("keys");
        for (const char* list : {"DezSt", "Winkel", "Syst", "Kombi"})
            for (const char* keys : {"{Enter}", "{Back}", "{Esc}", "*"})
                QTest::addRow("%s %s", list, keys) << list << keys;
    }
    void keysOnAList()
    {
        QFETCH(QString, list);
        QFETCH(QString, keys);
        type(form->History, QStringLiteral("7+8"));
        auto* box = form->findChild<QComboBox*>(list);
        box->setFocus();
        QCOMPARE(QApplication::focusWidget(), box);
        type(box, keys);
        QCOMPARE(tape(*form) + "|" + form->EingabeOp->text() + form->Eingabe->text() + "|" + form->EAnzeige->text(),
                 QStringLiteral("7+|+8|7"));
    }

    void keysReachTheirControl()
    {
        // Lists and menus keep their keys; a blank clicks the key reached with Tab.
        form->Syst->setFocus();
        type(form->Syst, QStringLiteral("7"));
        type(form->PAutoMemo(), QStringLiteral("8"));
        type(form->HauptMenue[0], QStringLiteral("9"));
        QPushButton* five = key(*form, QStringLiteral("B5"));
        five->setFocus();
        QTest::keyClick(five, Qt::Key_Space);
        QCOMPARE(form->Eingabe->text(), QStringLiteral("5"));
    }

    void systems_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("digits"); // captions of B0..B9, "_" for a greyed key
        QTest::addColumn<bool>("decimal");
        QTest::newRow("roman") << "Römisch" << "_ I _ _ L X V M D C" << false;
        QTest::newRow("date") << "Datum" << "0 1 2 3 4 5 6 7 8 9" << false;
        QTest::newRow("decimal") << "10" << "0 1 2 3 4 5 6 7 8 9" << true;
    }
    void systems()
    {
        QFETCH(QString, system);
        choose(form->Syst, QStringLiteral("Römisch"));
        choose(form->Syst, system);
        QStringList digits;
        for (int d = 0; d <= 9; ++d) {
            const QPushButton* k = form->keys[RechnerCore::B0 + d];
            digits << (k->isEnabled() ? k->text() : QStringLiteral("_"));
        }
        QTEST(digits.join(QLatin1Char(' ')), "digits");
        QFETCH(bool, decimal);
        QCOMPARE(form->DezSt->isEnabled(), decimal);
        QCOMPARE(form->DezSt->palette().color(QPalette::Button) == form->palette().color(QPalette::Base), decimal);
        QCOMPARE(form->Winkel->isHidden(), !decimal);
        QCOMPARE(key(*form, QStringLiteral("BSin"))->isEnabled(), decimal);
        QCOMPARE(form->DezSt->currentText(), decimal ? QStringLiteral("Standard") : QStringLiteral("Ganzzahlen"));
        // The date system shows the point where the comma stood.
        QCOMPARE(shownAtPlaces(*form).contains(QLatin1String("BPunkt")), system == QLatin1String("Datum"));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("items");
        QTest::newRow("Datei") << "&Datei" << "";
        QTest::newRow("Bearbeiten") << "&Bearbeiten" << "";
        QTest::newRow("PAutoMemo") << "PAutoMemo" << "Einschalten, Ausschalten";
        QTest::newRow("PSpeicher") << "PSpeicher" << "Speicher &trennen, Speicher &löschen, Einschalten, Ausschalten";
        QTest::newRow("AutoSysPopup") << "AutoSysPopup" << "Dezimalsystem, Math. Datum"; // hidden outside dates
    }
    void menus()
    {
        QFETCH(QString, menu);
        QMap<QString, QMenu*> menus{{QStringLiteral("PAutoMemo"), form->PAutoMemo()},
                                    {QStringLiteral("PSpeicher"), form->PSpeicher()},
                                    {QStringLiteral("AutoSysPopup"), form->AutoSysPopup()}};
        for (QMenu* m : form->HauptMenue)
            menus[m->title()] = m;
        QVERIFY(menus.contains(menu));
        emit menus[menu]->aboutToShow(); // as the user opens it
        QTEST(greyed(menus[menu]), "items");
    }

    void options()
    {
        choose(form->Syst, QStringLiteral("3"));
        emit form->HauptMenue[1]->aboutToShow();
        QVERIFY(!form->mNurHauptSysteme->isEnabled());
        choose(form->Syst, QStringLiteral("10"));
        emit form->HauptMenue[1]->aboutToShow();
        QVERIFY(form->mNurHauptSysteme->isEnabled());
        form->mNurHauptSysteme->trigger();
        QCOMPARE(form->Syst->count(), 10);
        QCOMPARE(form->Syst->currentText(), QStringLiteral("10"));
        QVERIFY(form->mNurHauptSysteme->isChecked());
    }

    void noEnglishText()
    {
        static const QRegularExpression english(
            QStringLiteral("\\b(File|Edit|Clear|Memory|Print|Save|Delete|Close|Cancel|Result|Input|Settings|"
                           "Help|Open|Exit|Copy|Paste|Options|History|Automatic|Currency|Degree|Window)\\b"));
        QStringList texts;
        form->PAutoMemo(); // builds the pop-ups, whose texts count too
        for (QWidget* w : form->findChildren<QWidget*>()) {
            texts << w->toolTip();
            if (auto* label = qobject_cast<QLabel*>(w))
                texts << label->text();
            if (auto* list = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
        }
        for (QAction* a : form->findChildren<QAction*>())
            texts << a->text() << a->toolTip();
        for (const QString& text : std::as_const(texts))
            QVERIFY2(!english.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
