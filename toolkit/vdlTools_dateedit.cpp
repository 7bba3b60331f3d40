#include "toolkit/vdlTools_dateedit.h"

#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Var.h"
#include "toolkit/vdlDateSpin.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"
#include "toolkit/vdlTools_strings.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace vdl {

namespace {

QString padded(int value, int width) { return IntToStr(value).rightJustified(width, QLatin1Char('0')); }

// Positions count from 1, as the layouts are described.
int numberAt(const QString& text, int pos, int length)
{
    return StrToIntDef(Trim(text.mid(pos - 1, length)), 0);
}

// Overwrites as many characters as Value has, so a short year grows to four digits.
QString writeAt(const QString& text, int pos, const QString& value)
{
    return text.left(pos - 1) + value + text.mid(pos - 1 + value.size());
}

bool dotAt(const QString& text, int pos) { return text.size() >= pos && text[pos - 1] == QLatin1Char('.'); }

std::function<int()>& keyboardQuery()
{
    static std::function<int()> query;
    return query;
}

} // namespace

DateSpin SpinDateText(const QString& Text, int Caret, int Direction, bool CtrlOrAlt)
{
    DateSpin spin;
    if (!IsDateText(Text, false))
        return spin;
    int monthPos, yearPos;
    if (dotAt(Text, 3) && dotAt(Text, 6)) {
        monthPos = 4;
        yearPos = 7;
    } else if (dotAt(Text, 3) && dotAt(Text, 7)) {
        monthPos = 5;
        yearPos = 9;
    } else {
        spin.popup = Text;
        return spin;
    }
    QString t = Text;
    const auto write = [&](int pos, int value, int width) {
        t = writeAt(t, pos, padded(value, width));
        spin.texts << t;
    };
    int day = numberAt(Text, 1, 2), month = numberAt(Text, monthPos, 2), year = numberAt(Text, yearPos, 4);
    int shown;
    if (Caret < 3 && CtrlOrAlt) {
        // The whole date moves a day; a date outside the years 1 to 9999 stays as it is.
        double date;
        if (!TryStrToDate(Text, date)) {
            spin.popup = Text;
            return spin;
        }
        DecodeDate(date + Direction, year, month, day);
        if (year < 1 || year > 9999) {
            spin.popup = Text;
            return spin;
        }
        write(monthPos, month, 2);
        write(1, day, 2);
        write(yearPos, year, 4);
        spin.popup = t;
        return spin;
    }
    if (Caret < 3) {
        day += Direction;
        if (day < 1)
            day = DaysInMonth(month, year);
        else if (day > DaysInMonth(month, year))
            day = 1;
        write(1, day, 2);
        shown = day;
    } else if (Caret < monthPos + 2) {
        const bool wasLastDay = day == DaysInMonth(month, year);
        month += Direction;
        if (month < 1) {
            month = 12;
            --year;
        } else if (month > 12) {
            month = 1;
            ++year;
        }
        if (year < 0)
            year = 9999;
        const int length = DaysInMonth(month, year);
        write(monthPos, month, 2);
        write(1, wasLastDay ? length : std::min(day, length), 2);
        if (CtrlOrAlt)
            write(yearPos, year, 4);
        shown = month;
    } else {
        year += Direction;
        if (year < 0)
            year = 9999;
        write(yearPos, year, 4);
        shown = year;
    }
    spin.popup = shown == 0 ? t : padded(shown, shown < 100 ? 2 : 4);
    return spin;
}

QString NormalizeDateText(const QString& Text, bool DotFormat, const QString& DefaultText, bool ShortYear)
{
    Var reference; // today
    double date;
    if (IsDateText(DefaultText, false) && TryStrToDate(DefaultText, date))
        reference = Var::date(date);
    // Always a numeric month, also when it was typed by name.
    QString result = DotFormat ? QStringLiteral("dd.mm.yyyy") : QStringLiteral("dd. mm. yyyy");
    if (!ParseDate(Text, reference, result, 1950))
        return QString();
    if (ShortYear && result.size() == 10)
        result = result.left(6) + result.mid(8);
    return result;
}

bool CheckDateEdit(QLineEdit* Edit, QWidget* SkipWhenFocused, bool DotFormat, const QString& DefaultText,
                   bool ShortYear)
{
    bool ok = true;
    if (!ControlHasFocus(SkipWhenFocused) && !Edit->text().isEmpty()) {
        DotFormat = DotFormat || Edit->property("Tag").toInt() == 1;
        const QString result = NormalizeDateText(Edit->text(), DotFormat, DefaultText, ShortYear);
        if (result.isEmpty()) {
            ShowMessage(QStringLiteral("Ungültiges Datum!"), QStringLiteral("Warnung"), mb::Ok | mb::IconError);
            SelectAllText(Edit);
            ok = false;
        } else {
            Edit->setText(result);
        }
    }
    Edit->setModified(false);
    return ok;
}

void DateEditKeyDown(QLineEdit* Edit, int& Key)
{
    if (Key != Qt::Key_Up && Key != Qt::Key_Down)
        return;
    const int direction = Key == Qt::Key_Up ? 1 : -1;
    Key = 0;
    if (!IsDateText(Edit->text(), false))
        return;
    const int caret = Edit->hasSelectedText() ? Edit->selectionStart() : Edit->cursorPosition();
    const DateSpin spin = SpinDateText(Edit->text(), caret, direction, CtrlOrAltDown());
    // Each part is written on its own, as the change hook of the field expects.
    for (const QString& t : spin.texts)
        Edit->setText(t);
    if (!spin.popup.isEmpty())
        ShowDateSpin(spin.popup);
    Edit->setCursorPosition(caret);
}

namespace {

class DateEditFilter : public QObject {
public:
    DateEditFilter(QLineEdit* edit, QWidget* skip, bool dotFormat, const QString& defaultText, bool shortYear)
        : QObject(edit), m_edit(edit), m_skip(skip), m_dotFormat(dotFormat), m_default(defaultText),
          m_shortYear(shortYear)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            DateEditKeyDown(m_edit, key);
            return key == 0;
        }
        return RunOnFieldExit(m_edit, event,
                              [this] { CheckDateEdit(m_edit, m_skip, m_dotFormat, m_default, m_shortYear); });
    }

private:
    QLineEdit* m_edit;
    QWidget* m_skip;
    bool m_dotFormat;
    QString m_default;
    bool m_shortYear;
};

} // namespace

void AttachDateEdit(QLineEdit* Edit, QWidget* SkipWhenFocused, bool DotFormat, const QString& DefaultText,
                    bool ShortYear)
{
    Edit->installEventFilter(new DateEditFilter(Edit, SkipWhenFocused, DotFormat, DefaultText, ShortYear));
}

bool IsFieldFocusMove(const QEvent* Event)
{
    if (Event->type() != QEvent::FocusIn && Event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(Event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool RunOnFieldExit(QLineEdit* Edit, QEvent* Event, const std::function<void()>& Exit)
{
    // The check's own message or selection moves the focus as well.
    static const char* const busy = "vdlLeaving";
    if (Event->type() != QEvent::FocusOut || !IsFieldFocusMove(Event) || Edit->property(busy).toBool())
        return false;
    Edit->setProperty(busy, true);
    static_cast<QObject*>(Edit)->event(Event);
    Exit();
    Edit->setProperty(busy, false);
    return true;
}

// The next control in the tab order of the focused control's window.
void FocusNextControl(QWidget* Form)
{
    QWidget* current = Form ? Form->focusWidget() : nullptr;
    if (!current)
        return;
    for (QWidget* w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
        if (w->window() == current->window() && w->isEnabled() && w->isVisible() && !w->focusProxy()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

namespace {

// The combo box that has the focus in form, itself or through its edit; nullptr for none.
QComboBox* activeComboBox(const QWidget* form)
{
    QWidget* focus = form->focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo;
    auto* combo = focus ? qobject_cast<QComboBox*>(focus->parentWidget()) : nullptr;
    return combo && combo->lineEdit() == focus ? combo : nullptr;
}

} // namespace

void EnterAsTab(QObject* Sender, int& Key)
{
    auto* form = qobject_cast<QWidget*>(Sender);
    if ((Key != Qt::Key_Return && Key != Qt::Key_Enter) || !form || ParentForm(form) != form)
        return;
    Key = 0;
    QPointer<QComboBox> combo = activeComboBox(form);
    if (!combo) {
        FocusNextControl(form);
        return;
    }
    // A combo box keeps the text it had, whatever leaving it did to it; an empty one takes a
    // first item in brackets such as "(kein Speicher)". Its change signal comes once.
    QString text = combo->currentText();
    int index = combo->currentIndex();
    FocusNextControl(form);
    if (!combo)
        return;
    if (text.isEmpty() && combo->count() > 0 && combo->itemText(0).startsWith(QLatin1Char('('))) {
        text = combo->itemText(0);
        index = 0;
    }
    bool changed = false;
    const QMetaObject::Connection watch =
        QObject::connect(combo, &QComboBox::currentTextChanged, combo, [&changed] { changed = true; });
    if (combo->isEditable())
        combo->setEditText(text);
    else
        combo->setCurrentIndex(index);
    QObject::disconnect(watch);
    if (!changed)
        emit combo->currentTextChanged(combo->currentText());
}

int GetShiftKeys()
{
    if (keyboardQuery())
        return keyboardQuery()();
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    return (m & Qt::ShiftModifier ? shift::Shift : 0) | (m & Qt::AltModifier ? shift::Alt : 0)
         | (m & Qt::ControlModifier ? shift::Ctrl : 0);
}

bool CtrlOrAltDown()
{
    return (GetShiftKeys() & (shift::Ctrl | shift::Alt)) != 0;
}

void SetKeyboardQuery(std::function<int()> query)
{
    keyboardQuery() = std::move(query);
}

bool ControlHasFocus(const QWidget* Control)
{
    return Control && Control->hasFocus();
}

} // namespace vdl
