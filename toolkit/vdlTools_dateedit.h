#pragma once
// A single-line edit as a date field: normalised when left, day, month or year under the caret
// spun with Up and Down (shown in the date-spin pop-up), Enter as a move to the next control,
// and the keyboard and focus queries these need.
#include <QString>
#include <QStringList>

#include <functional>

class QEvent;
class QLineEdit;
class QObject;
class QWidget;

namespace vdl {

// What Up or Down does to a date text: every text the edit gets, in order (empty when the
// text stays), and what the pop-up shows ('' when nothing is shown). Caret counts from 0.
// Texts laid out "dd.mm.yyyy" or "dd. mm. yyyy" spin the part under the caret; another
// valid date stays and is shown whole.
struct DateSpin {
    QStringList texts;
    QString popup;
};
DateSpin SpinDateText(const QString& Text, int Caret, int Direction, bool CtrlOrAlt);

// The date Text stands for, as "dd. mm. yyyy" (a month typed by name too) or "dd.mm.yyyy"
// with DotFormat; ShortYear cuts a compact result to "dd.mm.yy". Missing parts come from
// DefaultText when that is a date, else from today. '' when Text is no valid date.
QString NormalizeDateText(const QString& Text, bool DotFormat, const QString& DefaultText, bool ShortYear);

// The exit check: writes the normalised date back, or shows "Ungültiges Datum!", selects the
// whole text and gives false. An empty text, or SkipWhenFocused holding the focus, passes
// unchanged. An edit with the property "Tag" 1 always gets the compact layout. The modified
// flag is cleared in every case.
bool CheckDateEdit(QLineEdit* Edit, QWidget* SkipWhenFocused, bool DotFormat, const QString& DefaultText,
                   bool ShortYear);
// For the edit's key handler: Qt::Key_Up and Qt::Key_Down are always consumed (Key := 0) and
// spin a date; other keys are left.
void DateEditKeyDown(QLineEdit* Edit, int& Key);
// Change hook of a date field with its last valid date; no hint display is installed.
inline void DateEditHint(QLineEdit*, double) {}

// Everything a date field needs on one edit: Up and Down spin, leaving it runs CheckDateEdit.
// A focus change caused by another window (or the check's own message) does not count as
// leaving.
void AttachDateEdit(QLineEdit* Edit, QWidget* SkipWhenFocused = nullptr, bool DotFormat = false,
                    const QString& DefaultText = QString(), bool ShortYear = false);

// True for a focus event that enters or leaves a control within its window; a focus change
// caused by another window or a pop-up menu is neither.
bool IsFieldFocusMove(const QEvent* Event);
// For an edit's event filter: when Event takes the focus from the edit to another control of
// its window, the edit first handles it itself (it drops its selection then), then Exit runs,
// once, even when it moves the focus itself; true when the event was handled so.
bool RunOnFieldExit(QLineEdit* Edit, QEvent* Event, const std::function<void()>& Exit);
// Moves the focus to the next control of Form's tab order, as Tab would.
void FocusNextControl(QWidget* Form);

// Called from a form's key handler: Qt::Key_Return or Qt::Key_Enter with the form as Sender
// moves to the next control and sets Key to 0. A combo box left so keeps its text (an empty
// one takes its first item when that begins with "(") and signals its text once.
void EnterAsTab(QObject* Sender, int& Key);

// Keys held at the moment of the call: Shift 1, Alt 2, Ctrl 4.
namespace shift {
constexpr int Shift = 1, Alt = 2, Ctrl = 4;
}
int GetShiftKeys();
bool CtrlOrAltDown();
// Tests play held keys; nullptr asks the window system again.
void SetKeyboardQuery(std::function<int()> query);

bool ControlHasFocus(const QWidget* Control); // false for nullptr

} // namespace vdl
