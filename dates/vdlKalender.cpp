#include "dates/vdlKalender.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlTools_dates.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <cmath>

namespace vdl {

namespace {

constexpr int CompactWidth = 250, ExpandedWidth = 447, FormHeight = 214;
constexpr int CellW = 30, CellH = 21;
const QString NumPadTasten = QStringLiteral("+-C123456789.0<");

enum class CellLook { Flat, Raised, Sunken };

// One cell of the day grid or the pad, drawn like a key: flat or raised when up, sunken
// with a white label shifted down and right when selected or held.
void paintCell(QPainter& p, const QPalette& pal, QRect r, const QString& text, const QColor& ink,
               CellLook look, int pointSize)
{
    const QColor face = pal.color(QPalette::Button);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor light = pal.color(QPalette::Light);
    p.setPen(Qt::NoPen);
    QColor textColour = ink;
    QRect textRect = r.adjusted(2, 2, -2, -2);
    switch (look) {
    case CellLook::Flat:
        p.fillRect(r.adjusted(0, 0, 1, 1), face);
        break;
    case CellLook::Raised:
        p.fillRect(r, face);
        p.setPen(light);
        p.drawLine(r.bottomLeft(), r.topLeft());
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(Qt::black);
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomRight(), r.bottomLeft());
        p.setPen(shadow);
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        break;
    case CellLook::Sunken:
        p.fillRect(r, shadow);
        p.setPen(face);
        p.drawLine(r.bottomLeft(), r.topLeft());
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(Qt::black);
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomRight(), r.bottomLeft());
        for (int i = 1; i <= 2; ++i) {
            p.drawLine(r.left() + i, r.bottom() - 1, r.left() + i, r.top() + i);
            p.drawLine(r.left() + i, r.top() + i, r.right() - 1, r.top() + i);
        }
        textColour = Qt::white;
        textRect = QRect(r.left() + 2, r.top() + 2, r.width() - 2, r.height() - 2).adjusted(2, 2, -2, -2);
        break;
    }
    QFont f = p.font();
    f.setPointSize(pointSize);
    p.setFont(f);
    p.setPen(textColour);
    p.drawText(textRect, Qt::AlignCenter, text);
}

QRect cellRect(int i, int columns)
{
    return QRect((i % columns) * CellW, (i / columns) * CellH, CellW, CellH);
}

int cellAt(const QPoint& pos, int columns, int rows)
{
    const int c = pos.x() / CellW, r = pos.y() / CellH;
    if (pos.x() < 0 || pos.y() < 0 || c >= columns || r >= rows)
        return -1;
    return r * columns + c;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLineEdit* readOnlyEdit(QWidget* parent, const char* name, QRect geometry, bool bold)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setGeometry(geometry);
    if (bold) {
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
    }
    return e;
}

} // namespace

// The day grid: 7 x 6 cells, Monday to Sunday; a day is taken on the release of any button.
class DayGrid : public QWidget {
public:
    explicit DayGrid(TDateEd* dlg, QWidget* parent) : QWidget(parent), m_dlg(dlg)
    {
        setObjectName(QStringLiteral("Tage"));
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const DateDialogModel& m = m_dlg->m_model;
        for (int i = 0; i < DateDialogModel::Cells; ++i) {
            QColor ink = palette().color(QPalette::WindowText);
            switch (m.cellInk(i)) {
            case DateDialogModel::Ink::Outside: ink = QColor(0, 255, 255); break;
            case DateDialogModel::Ink::Sunday: ink = QColor(255, 0, 0); break;
            case DateDialogModel::Ink::Saturday: ink = QColor(0, 0, 255); break;
            case DateDialogModel::Ink::WindowText: break;
            }
            const CellLook look = m.cellSelected(i) ? CellLook::Sunken
                                  : m_dlg->m_flach ? CellLook::Flat
                                                   : CellLook::Raised;
            paintCell(p, palette(), cellRect(i, 7), m.cellText(i), ink, look, 8);
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const int cell = cellAt(e->position().toPoint(), 7, 6);
        if (cell < 0)
            return;
        m_dlg->m_model.pickCell(cell);
        m_dlg->Aktualisieren();
        if (e->button() == Qt::RightButton)
            m_dlg->openMenu(e->globalPosition().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            m_dlg->accept();
    }

private:
    TDateEd* m_dlg;
};

// The pad: 3 x 5 keys that act on their release, "<" taking back the last character.
class NumPadBox : public QWidget {
public:
    explicit NumPadBox(TDateEd* dlg, QWidget* parent) : QWidget(parent), m_dlg(dlg)
    {
        setObjectName(QStringLiteral("NumPad"));
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        for (int i = 0; i < int(NumPadTasten.size()); ++i) {
            const QChar c = NumPadTasten[i];
            const bool big = c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.');
            paintCell(p, palette(), cellRect(i, 3), QString(c), palette().color(QPalette::WindowText),
                      i == m_taste ? CellLook::Sunken : CellLook::Raised, big ? 12 : 8);
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_taste = cellAt(e->position().toPoint(), 3, 5);
        update();
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        const int held = m_taste;
        m_taste = -1;
        update();
        if (held < 0)
            return;
        const QChar c = NumPadTasten[held];
        m_dlg->m_model.typeChar(c == QLatin1Char('<') ? QChar(u'\b') : c);
        m_dlg->Aktualisieren();
    }

private:
    TDateEd* m_dlg;
    int m_taste = -1; // FTaste
};

TDateEd::TDateEd(double Datum, TDateEdOptionen Optionen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_flach(!(Optionen & deRahmen))
    , m_erweitert(Optionen & deErweitert)
{
    setObjectName(QStringLiteral("DateEd"));
    setWindowTitle(QStringLiteral("Datum auswählen"));

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, CompactWidth, 170);
    const struct {
        const char* name;
        const char* text;
        int x;
        int months, years;
    } steps[] = {{"JahrDown", "«", 4, 0, -1}, {"MonDown", "‹", 25, -1, 0},
                 {"MonUp", "›", 204, 1, 0}, {"JahrUp", "»", 225, 0, 1}};
    for (const auto& s : steps) {
        QToolButton* b = toolButton(panel1, s.name, QString::fromUtf8(s.text), QRect(s.x, 6, 21, 21));
        // Held down, a step repeats after half a second and then five times a second.
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(500);
        b->setAutoRepeatInterval(200);
        const int months = s.months, years = s.years;
        connect(b, &QToolButton::clicked, this, [this, months, years] {
            m_model.step(0, 0, months, years);
            Aktualisieren();
        });
    }
    m_monatJahr = new QLabel(panel1);
    m_monatJahr->setObjectName(QStringLiteral("MonatJahr"));
    m_monatJahr->setGeometry(47, 6, 156, 21);
    m_monatJahr->setAlignment(Qt::AlignCenter);
    m_monatJahr->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = m_monatJahr->font();
    bold.setBold(true);
    m_monatJahr->setFont(bold);
    m_monatJahr->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_monatJahr, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { openMenu(m_monatJahr->mapToGlobal(pos)); });

    const QRect gridRect(20, 32, 7 * CellW, 6 * CellH);
    m_tage = new DayGrid(this, panel1);
    m_tage->setGeometry(gridRect);

    m_monate = new QWidget(panel1);
    m_monate->setObjectName(QStringLiteral("Monate"));
    m_monate->setGeometry(gridRect);
    m_monate->setAutoFillBackground(true);
    m_monate->hide();
    m_ersterLetzter = new QLabel(m_monate);
    m_ersterLetzter->setObjectName(QStringLiteral("LblErsterLetzter"));
    m_ersterLetzter->setGeometry(0, 2, gridRect.width(), 20);
    m_ersterLetzter->setAlignment(Qt::AlignCenter);
    for (int m = 1; m <= 12; ++m) {
        const int i = m - 1;
        QToolButton* b = toolButton(m_monate, "", QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')),
                                    QRect((i % 4) * 52 + 1, 24 + (i / 4) * 34, 52, 32));
        b->setObjectName(QStringLiteral("b%1").arg(m));
        b->setToolTip(MonthName(m, false));
        b->setAutoRaise(true);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        connect(b, &QToolButton::clicked, this, [this, m] {
            if (m_model.monthButton(m))
                accept();
            else
                Aktualisieren();
        });
        m_b[i] = b;
    }

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(CompactWidth, 0, ExpandedWidth - CompactWidth, 170);
    m_eingabe = readOnlyEdit(panel2, "Eingabe", QRect(4, 6, 90, 21), false);
    m_vorschlag = readOnlyEdit(panel2, "Vorschlag", QRect(98, 6, 95, 21), false);
    m_vorschlag->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); }"));
    m_numPad = new NumPadBox(this, panel2);
    m_numPad->setGeometry(4, 32, 3 * CellW, 5 * CellH);
    const char* buttonNames[] = {"BtnHeute", "BtnTage", "BtnWochen", "BtnMonate", "BtnJahre"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(panel2);
        b->setObjectName(QLatin1String(buttonNames[i]));
        b->setGeometry(98, 32 + i * CellH, 95, CellH);
        b->setFocusPolicy(Qt::NoFocus);
        if (i == 0) {
            b->setText(QStringLiteral("Heute"));
            connect(b, &QPushButton::clicked, this, [this] {
                m_model.heute();
                Aktualisieren();
            });
        } else {
            const auto u = DateDialogModel::Unit(i - 1);
            connect(b, &QPushButton::clicked, this, [this, u] { countClick(u); });
            m_count[i - 1] = b;
        }
    }
    m_datum = readOnlyEdit(panel2, "Datum", QRect(4, 142, 90, 21), true);
    m_woTag = readOnlyEdit(panel2, "WoTag", QRect(98, 142, 95, 21), true);

    m_pnlButtons = new QWidget(this);
    m_pnlButtons->setObjectName(QStringLiteral("PnlButtons"));
    m_pnlButtons->setGeometry(0, 176, 194, 30);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbr&echen"), m_pnlButtons);
    abbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    abbrechen->setGeometry(0, 2, 80, 26);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton(QStringLiteral("&OK"), m_pnlButtons);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setGeometry(84, 2, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_btnExpand = toolButton(m_pnlButtons, "BtnExpand", QStringLiteral(">>"), QRect(168, 2, 26, 26));
    m_btnCompress = toolButton(m_pnlButtons, "BtnCompress", QStringLiteral("<<"), QRect(168, 2, 26, 26));
    connect(m_btnExpand, &QToolButton::clicked, this, [this] { setExpanded(true); });
    connect(m_btnCompress, &QToolButton::clicked, this, [this] { setExpanded(false); });

    m_pop = new QMenu(this);
    m_pop->setObjectName(QStringLiteral("Pop"));
    QMenu* erster = m_pop->addMenu(QStringLiteral("Erster"));
    QMenu* letzter = m_pop->addMenu(QStringLiteral("Letzter"));
    m_pop->addSeparator();
    for (int m = 1; m <= 12; ++m) {
        connect(erster->addAction(MonthName(m, false)), &QAction::triggered, this, [this, m] {
            m_model.menuFirst(m);
            Aktualisieren();
        });
        connect(letzter->addAction(MonthName(m, false)), &QAction::triggered, this, [this, m] {
            m_model.menuLast(m);
            Aktualisieren();
        });
        connect(m_pop->addAction(MonthName(m, false)), &QAction::triggered, this, [this, m] {
            m_model.menuMonth(m);
            Aktualisieren();
        });
    }

    // Every key reaches the dialog first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    setExpanded(m_erweitert);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RestoreFormPos(this);
    m_model.setDate(Datum);
    Aktualisieren();
}

void TDateEd::setExpanded(bool on)
{
    m_erweitert = on;
    setFixedSize(on ? ExpandedWidth : CompactWidth, FormHeight);
    m_btnCompress->setVisible(on);
    if (on)
        m_btnCompress->raise();
    centreButtons();
}

void TDateEd::centreButtons()
{
    m_pnlButtons->move(width() / 2 - m_pnlButtons->width() / 2, m_pnlButtons->y());
}

void TDateEd::showEvent(QShowEvent* event)
{
    m_model.resetCaptions();
    setExpanded(m_erweitert);
    Aktualisieren();
    QDialog::showEvent(event);
}

void TDateEd::Aktualisieren()
{
    m_tage->update();
    m_monatJahr->setText(m_model.monatJahr());
    m_monatJahr->setToolTip(m_model.serialText());
    m_datum->setText(m_model.datumText());
    m_woTag->setText(m_model.woTag());
    m_eingabe->setText(m_model.eingabe());
    m_vorschlag->setText(m_model.vorschlag());
    for (int u = 0; u < 4; ++u)
        m_count[u]->setText(m_model.caption(DateDialogModel::Unit(u)));
    m_monate->setVisible(m_model.monthPanelVisible());
    if (m_model.monthPanelVisible())
        m_monate->raise();
    m_ersterLetzter->setText(m_model.ersterLetzterText());
    for (int m = 1; m <= 12; ++m)
        m_b[m - 1]->setChecked(m == m_model.month());
}

void TDateEd::WertFehler(const QString& Text)
{
    Prompter::current().message(Text, QStringLiteral("Fehler"), mb::IconError);
}

void TDateEd::countClick(DateDialogModel::Unit u)
{
    const QString fehler = m_model.applyCount(u);
    Aktualisieren();
    if (!fehler.isEmpty())
        WertFehler(fehler);
}

void TDateEd::act(DateDialogModel::Action a)
{
    switch (a) {
    case DateDialogModel::Action::None: break;
    case DateDialogModel::Action::Refresh: Aktualisieren(); break;
    case DateDialogModel::Action::Ok: accept(); break;
    case DateDialogModel::Action::Cancel: reject(); break;
    case DateDialogModel::Action::ToggleExpand: setExpanded(!m_erweitert); break;
    case DateDialogModel::Action::Error:
        Aktualisieren();
        WertFehler(m_model.errorText());
        break;
    }
}

void TDateEd::openMenu(const QPoint& globalPos)
{
    m_pop->popup(globalPos);
}

bool TDateEd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const DateDialogModel::Action a = m_model.keyDown(k->key(), k->modifiers(), m_erweitert);
        act(a);
        if (a == DateDialogModel::Action::Ok || a == DateDialogModel::Action::Cancel)
            return true;
        // Ctrl and Alt combinations type nothing; Shift+A still types "A".
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            for (QChar c : k->text())
                m_model.typeChar(c);
            Aktualisieren();
        }
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            m_model.keyUp();
            Aktualisieren();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDateEd::done(int r)
{
    SaveFormPos(this);
    QDialog::done(r);
}

bool DatumAuswaehlen(double& Datum, TDateEdOptionen Optionen)
{
    try {
        const double start = std::trunc(Datum) == 0 ? Clock::today() : Datum;
        TDateEd dlg(start, Optionen, QApplication::activeWindow());
        if (Prompter::current().runDialog(dlg) != QDialog::Accepted)
            return false;
        Datum = dlg.date();
        return true;
    } catch (...) {
        return false;
    }
}

bool DatumAuswaehlenStd(double& Datum)
{
    return DatumAuswaehlen(Datum, 0);
}

bool DatumTextAuswaehlen(QString& S, bool Punkte)
{
    try {
        // Read back in digits even when the month was typed by name.
        QString text = QStringLiteral("dd.mm.yyyy");
        double d;
        if (!ParseDate(S, Var(0), text, 1950) || !TryStrToDate(text, d))
            return false;
        if (!DatumAuswaehlenStd(d))
            return false;
        S = FormatDateTime(Punkte ? QStringLiteral("dd.mm.yyyy") : QStringLiteral("dd. mm. yyyy"), d);
        return true;
    } catch (...) {
        return false;
    }
}

bool DatumEditAuswaehlen(QWidget* Control, bool Punkte, bool KurzesJahr)
{
    auto* edit = qobject_cast<QLineEdit*>(Control);
    if (!edit)
        return false;
    QString s = edit->text();
    if (!DatumTextAuswaehlen(s, Punkte))
        return false;
    if (KurzesJahr && s.size() == 10)
        s = s.left(6) + s.mid(8, 2);
    edit->setText(s);
    return true;
}

} // namespace vdl
