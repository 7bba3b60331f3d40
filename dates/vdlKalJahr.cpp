#include "dates/vdlKalJahr.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include <cmath>

namespace vdl {

namespace {

constexpr int FixedWidth = 30, DayWidth = 18, RowHeight = 16;
QPointer<TfvdlKalJahr> g_newest;

QRect cellRect(int col, int row)
{
    const int x = col == 0 ? 0 : FixedWidth + 1 + (col - 1) * (DayWidth + 1);
    return QRect(x, row * (RowHeight + 1), col == 0 ? FixedWidth : DayWidth, RowHeight);
}

QColor fromTColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QToolButton* flatButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(geometry);
    return b;
}

QLabel* panelLabel(QWidget* parent, const char* name, QRect geometry)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

} // namespace

// Twelve months by 31 days, painted like a flat string grid with one fixed column.
class YearGrid : public QWidget {
public:
    explicit YearGrid(TfvdlKalJahr* cal, QWidget* parent) : QWidget(parent), m_cal(cal)
    {
        setObjectName(QStringLiteral("Grid"));
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const YearCalendarModel& m = m_cal->m_model;
        p.fillRect(rect(), palette().color(QPalette::Mid));
        QFont regular = font(), bold = font();
        bold.setBold(true);
        for (int r = 0; r < YearCalendarModel::Rows; ++r) {
            for (int c = 0; c < YearCalendarModel::Columns; ++c) {
                const QRect cell = cellRect(c, r);
                QColor bg = palette().color(QPalette::Button);
                QColor ink = palette().color(QPalette::WindowText);
                if (m.isDayCell(c, r)) {
                    bg = QColor::fromRgb(m.background(c, r));
                    switch (m.ink(c, r)) {
                    case YearCalendarModel::Ink::WindowText: break;
                    case YearCalendarModel::Ink::HighlightText: ink = palette().color(QPalette::HighlightedText); break;
                    case YearCalendarModel::Ink::Blue: ink = QColor(0, 0, 255); break;
                    case YearCalendarModel::Ink::Aqua: ink = QColor(0, 255, 255); break;
                    case YearCalendarModel::Ink::Red: ink = QColor(255, 0, 0); break;
                    case YearCalendarModel::Ink::LightRed: ink = fromTColor(LightenColor(0x0000FF)); break;
                    }
                }
                p.setFont(c == 0 || m.bold(c, r) ? bold : regular);
                p.fillRect(cell, bg);
                p.setPen(ink);
                p.drawText(cell.adjusted(0, 1, 0, 0), Qt::AlignHCenter | Qt::AlignTop, m.cellText(c, r));
            }
        }
        if (hasFocus()) {
            QStyleOptionFocusRect o;
            o.initFrom(this);
            o.rect = cellRect(m.col(), m.row());
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        int c, r;
        if (cellAt(e->position().toPoint(), c, r)) {
            m_cal->m_model.hover(c, r);
            m_cal->Aktualisieren();
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        int c, r;
        if (e->button() == Qt::LeftButton && cellAt(e->position().toPoint(), c, r) && m_cal->m_model.selectCell(c, r))
            m_cal->Aktualisieren();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            m_cal->pick();
    }

private:
    static bool cellAt(const QPoint& pos, int& c, int& r)
    {
        for (r = 0; r < YearCalendarModel::Rows; ++r) {
            for (c = 0; c < YearCalendarModel::Columns; ++c) {
                if (cellRect(c, r).contains(pos))
                    return true;
            }
        }
        return false;
    }

    TfvdlKalJahr* m_cal;
};

TfvdlKalJahr::TfvdlKalJahr(int Jahr, QLineEdit* Anchor)
    : QWidget(Anchor ? Anchor->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_model(Jahr)
    , FEdit(Anchor)
{
    setObjectName(QStringLiteral("fvdlKalJahr"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(625, 232);

    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1->setGeometry(rect());

    m_pJahr = new QWidget(panel1);
    m_pJahr->setObjectName(QStringLiteral("pJahr"));
    m_pJahr->setGeometry(1, 1, width() - 2, 22);
    QFont bold = font();
    bold.setBold(true);
    m_pJahr->setFont(bold);
    m_pJahr->installEventFilter(this);

    m_datum = panelLabel(m_pJahr, "Panel2", QRect(2, 3, 79, 19));
    m_bOpt = flatButton(m_pJahr, "bOpt", QStringLiteral("···"), QRect(80, 2, 23, 20));
    m_bOpt->setToolTip(QStringLiteral("Mit Tagen rechnen"));
    m_tage = panelLabel(m_pJahr, "Panel3", QRect(82, 3, 79, 19));
    m_tage->setStyleSheet(QStringLiteral("color: gray;"));
    m_tage->setToolTip(QStringLiteral("Tage nach dem 30. 12. 1899"));
    m_tage->hide();

    auto* zurueck = flatButton(m_pJahr, "SpeedButton1", QStringLiteral("<"), QRect(248, 3, 37, 18));
    m_lJahr = new QLabel(m_pJahr);
    m_lJahr->setObjectName(QStringLiteral("LJahr"));
    m_lJahr->setGeometry(286, 3, 44, 18);
    m_lJahr->setAlignment(Qt::AlignCenter);
    auto* vor = flatButton(m_pJahr, "SpeedButton2", QStringLiteral(">"), QRect(331, 3, 37, 18));
    connect(zurueck, &QToolButton::clicked, this, [this] {
        m_model.stepYear(-1);
        Aktualisieren();
    });
    connect(vor, &QToolButton::clicked, this, [this] {
        m_model.stepYear(1);
        Aktualisieren();
    });

    m_pTage = new QWidget(m_pJahr);
    m_pTage->setObjectName(QStringLiteral("pTage"));
    m_pTage->setGeometry(m_pJahr->width() - 140, 0, 140, 22);
    m_pTage->hide();
    m_edit1 = new QLineEdit(m_pTage);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(1, 4, 38, 15);
    m_edit1->setFrame(false);
    m_edit1->setFont(font());
    auto* bTage = flatButton(m_pTage, "bTage", QStringLiteral("&Tage"), QRect(38, 2, 33, 20));
    auto* bVor = flatButton(m_pTage, "bVor", QStringLiteral("&Vor"), QRect(71, 2, 26, 20));
    auto* bRueck = flatButton(m_pTage, "bRueck", QStringLiteral("&Zurück"), QRect(97, 2, 43, 20));
    connect(bTage, &QToolButton::clicked, this, [this] {
        m_model.gotoDayNumber(dayCount());
        Aktualisieren();
    });
    connect(bVor, &QToolButton::clicked, this, [this] {
        m_model.moveDays(dayCount());
        Aktualisieren();
    });
    connect(bRueck, &QToolButton::clicked, this, [this] {
        m_model.moveDays(-dayCount());
        Aktualisieren();
    });
    connect(m_bOpt, &QToolButton::clicked, this, [this] {
        m_bOpt->hide();
        m_tage->show();
        m_pTage->show();
    });

    m_grid = new YearGrid(this, panel1);
    m_grid->setGeometry(2, 25, 621, 205);

    // The calendar sees every key first, also while the day count has the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    Aktualisieren();
}

TfvdlKalJahr* TfvdlKalJahr::current()
{
    return g_newest;
}

long long TfvdlKalJahr::dayCount() const
{
    return StrToIntDef(m_edit1->text(), 0);
}

void TfvdlKalJahr::Aktualisieren()
{
    m_lJahr->setText(IntToStr(m_model.year()));
    m_datum->setText(m_model.datePanel());
    m_tage->setText(m_model.serialPanel());
    m_grid->update();
}

void TfvdlKalJahr::pick()
{
    const QString text = m_model.pickText();
    if (text.isEmpty())
        return;
    if (FEdit) {
        FEdit->setText(text);
        SelectAllText(FEdit);
    }
    close();
}

void TfvdlKalJahr::placeBesideAnchor()
{
    const QScreen* screen = FEdit ? FEdit->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    if (!FEdit) {
        move(s.center() - rect().center());
        return;
    }
    QPoint p = FEdit->mapToGlobal(QPoint(0, FEdit->height()));
    // Near the bottom it moves up and aside, so the edit stays visible.
    if (s.y() + s.height() < p.y() + height()) {
        p.setY(s.y() + s.height() - height());
        p.setX(p.x() + FEdit->width());
    }
    if (s.x() + s.width() < p.x() + width())
        p.setX(s.x() + s.width() - width());
    move(p);
    QCursor::setPos(p);
}

void TfvdlKalJahr::showEvent(QShowEvent* e)
{
    placeBesideAnchor();
    QWidget::showEvent(e);
    activateWindow();
    m_grid->setFocus();
}

bool TfvdlKalJahr::event(QEvent* e)
{
    // Closes as soon as another window becomes active, once it has been active itself.
    if (e->type() == QEvent::WindowActivate)
        m_wasActive = true;
    else if (e->type() == QEvent::WindowDeactivate && m_wasActive)
        close();
    return QWidget::event(e);
}

bool TfvdlKalJahr::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool editActive = focusWidget() == m_edit1;
        const YearCalendarModel::Action a = m_model.keyDown(k->key(), editActive);
        if (a == YearCalendarModel::Action::Pick) {
            pick();
            return true;
        }
        if (a == YearCalendarModel::Action::Close) {
            close();
            return true;
        }
        const QString text = k->text();
        const bool typed = k->key() == Qt::Key_Backspace || (!text.isEmpty() && text[0] >= QLatin1Char(' '));
        if (editActive) {
            // Characters go into the day count; every other key only moves the calendar.
            if (typed && watched == m_edit1)
                return false;
        } else if (typed) {
            for (QChar c : text)
                m_model.typeChar(c);
        }
        Aktualisieren();
        return true;
    }
    if (watched == m_pJahr && e->type() == QEvent::MouseButtonPress) {
        FDragStart = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
        FDragLeft = x();
        FDragTop = y();
    } else if (watched == m_pJahr && e->type() == QEvent::MouseMove) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->buttons() == Qt::LeftButton && m->modifiers() == Qt::NoModifier)
            move(QPoint(FDragLeft, FDragTop) + m->globalPosition().toPoint() - FDragStart);
    }
    return QWidget::eventFilter(watched, e);
}

bool JahrKalenderZeigen(int Jahr, QLineEdit* Anchor)
{
    auto* kal = new TfvdlKalJahr(Jahr, Anchor);
    g_newest = kal;
    kal->show();
    return true;
}

bool JahrKalenderDatum(QLineEdit* Anchor, double Datum)
{
    if (std::trunc(Datum) == 0)
        Datum = Clock::today();
    int y, m, d;
    DecodeDate(Datum, y, m, d);
    auto* kal = new TfvdlKalJahr(y, Anchor);
    kal->model().showDate(Datum);
    kal->Aktualisieren();
    g_newest = kal;
    kal->show();
    return true;
}

} // namespace vdl
