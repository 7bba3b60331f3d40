#include "dates/vdlFDate.h"

#include "dates/vdlKalJahr.h"
#include "dates/vdlKalender.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_dateedit.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"
#include "toolkit/vdlTools_strings.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace vdl {

namespace {

constexpr int LongPress = 750; // ms the left button is held still on the field

// The text as "dd. mm. yyyy" when it is a date (a month typed by name too), else unchanged.
QString displayForm(const QString& text)
{
    const QString normal = NormalizeDateText(text, false, QString(), false);
    return normal.isEmpty() ? text : normal;
}

} // namespace

TfvdlFDate::TfvdlFDate(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fvdlFDate"));
    setFont(DialogFont());
    resize(119, 22);

    Datum = new QLineEdit(this);
    Datum->setObjectName(QStringLiteral("Datum"));
    // The right button opens the year calendar, not the edit's own menu.
    Datum->setContextMenuPolicy(Qt::NoContextMenu);
    Datum->installEventFilter(this);
    connect(Datum, &QLineEdit::textChanged, this, &TfvdlFDate::DatumChange);

    BtnKal = new QToolButton(this);
    BtnKal->setObjectName(QStringLiteral("BtnKal"));
    BtnKal->setText(QStringLiteral("···"));
    QFont bold = BtnKal->font();
    bold.setBold(true);
    BtnKal->setFont(bold);
    BtnKal->setFocusPolicy(Qt::NoFocus);
    connect(BtnKal, &QToolButton::clicked, this, &TfvdlFDate::BtnKalClick);

    Timer = new QTimer(this);
    Timer->setSingleShot(true);
    Timer->setInterval(LongPress);
    connect(Timer, &QTimer::timeout, this, &TfvdlFDate::TimerTimer);
}

void TfvdlFDate::resizeEvent(QResizeEvent*)
{
    // The field takes the width, the button stays at the right edge.
    Datum->setGeometry(2, 0, width() - 17, height());
    BtnKal->setGeometry(width() - 17, 1, 17, height() - 1);
}

bool TfvdlFDate::DatumGueltig() const
{
    return !Datum->text().isEmpty() && IsDateText(Datum->text(), false);
}

double TfvdlFDate::DatumLesen() const
{
    double date = 0;
    if (!DatumGueltig() || !TryStrToDate(displayForm(Datum->text()), date))
        return 0;
    return date;
}

void TfvdlFDate::DatumEnter()
{
    SelectAllText(Datum);
}

void TfvdlFDate::DatumExit()
{
    if (CheckDateEdit(Datum, FSkipCtrl, false, QString(), false))
        FLetztesDatum = DatumLesen();
}

void TfvdlFDate::DatumChange()
{
    Timer->stop();
    DateEditHint(Datum, FLetztesDatum);
    if (FOnDatum && DatumGueltig())
        FOnDatum(this);
}

bool TfvdlFDate::openDialog()
{
    // Qt delivers the second press of a double click before the double click itself, so
    // stopping the timer here is all it takes: no later press is swallowed, and the next
    // long press opens its menu.
    Timer->stop();
    DatumEditAuswaehlen(Datum, false, false);
    bool moved = false;
    if (DatumGueltig() && FAutoWeiter) {
        FocusNextControl(ParentForm(this));
        moved = true;
    }
    ProcessAppMessages();
    return moved;
}

void TfvdlFDate::DatumDblClick()
{
    openDialog();
}

void TfvdlFDate::BtnKalClick()
{
    if (!openDialog())
        SelectAllText(Datum);
}

QLineEdit* TfvdlFDate::activeEdit() const
{
    QWidget* form = TopParentForm(const_cast<TfvdlFDate*>(this));
    return form ? qobject_cast<QLineEdit*>(form->focusWidget()) : nullptr;
}

void TfvdlFDate::TimerTimer()
{
    Timer->stop();
    QLineEdit* edit = activeEdit();
    if (!edit)
        return;
    const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QPoint at = QCursor::pos();
    if (caret < 3) {
        popTag()->popup(at);
    } else if (caret <= 6) {
        popMonat()->popup(at);
    } else if (caret <= 11) {
        // The years around the one in the field (read from a compact date as well), or
        // around this year; only years a date can have are offered.
        int year = StrToIntDef(Trim(displayForm(edit->text()).mid(8, 4)), 0);
        if (year == 0)
            year = YearOfDate(0);
        const QList<QAction*> items = popJahr()->actions();
        for (int i = 0; i < items.size(); ++i) {
            const int y = year - 6 + i;
            items[i]->setText(IntToStr(y).rightJustified(4, QLatin1Char('0')));
            items[i]->setVisible(y >= 1 && y <= 9999);
        }
        popJahr()->popup(at);
    }
}

QMenu* TfvdlFDate::makeMenu(QMenu*& menu, const char* name, int count, int start)
{
    if (menu)
        return menu;
    menu = new QMenu(this);
    menu->setObjectName(QLatin1String(name));
    for (int i = 1; i <= count; ++i)
        menu->addAction(IntToStr(i).rightJustified(2, QLatin1Char('0')));
    const int length = start == 8 ? 4 : 2;
    connect(menu, &QMenu::triggered, this,
            [this, start, length](QAction* item) { choose(start, length, item->text()); });
    return menu;
}

QMenu* TfvdlFDate::popTag()
{
    return makeMenu(m_popTag, "popTag", 31, 0);
}

QMenu* TfvdlFDate::popMonat()
{
    return makeMenu(m_popMonat, "popMonat", 12, 4);
}

QMenu* TfvdlFDate::popJahr()
{
    return makeMenu(m_popJahr, "popJahr", 12, 8);
}

void TfvdlFDate::choose(int start, int length, const QString& caption)
{
    QLineEdit* edit = activeEdit();
    if (!edit)
        return;
    // Day, month and year stand at fixed places only in the display form; a compact date
    // would be corrupted by the replacement.
    const QString normal = displayForm(edit->text());
    if (normal != edit->text())
        edit->setText(normal);
    edit->setSelection(start, length);
    edit->insert(caption);
}

void TfvdlFDate::keyPressEvent(QKeyEvent* event)
{
    // The edit has passed Enter on; it ends here instead of reaching the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool TfvdlFDate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Datum)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EnterAsTab(Datum, key);
        } else if (key == Qt::Key_F4 || key == Qt::Key_F6) {
            DatumDblClick();
            return true;
        } else {
            DateEditKeyDown(Datum, key);
        }
        return key == 0;
    }
    case QEvent::FocusIn:
        if (IsFieldFocusMove(event)) {
            if (OnDatumEnter)
                OnDatumEnter();
            else
                DatumEnter();
        }
        break;
    case QEvent::FocusOut:
        return RunOnFieldExit(Datum, event, [this] { DatumExit(); });
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            m_pressAt = me->position().toPoint();
            Timer->start(LongPress);
        } else if (me->button() == Qt::RightButton) {
            if (DatumGueltig())
                JahrKalenderDatum(Datum, DatumLesen());
            else
                JahrKalenderZeigen(YearOfDate(0), Datum);
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        if (static_cast<QMouseEvent*>(event)->position().toPoint() != m_pressAt)
            Timer->stop();
        break;
    case QEvent::MouseButtonRelease:
        Timer->stop();
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            DatumDblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace vdl
