// The window's layout: panels, lists and the keypad. Everything a memory window shows lies
// in the left 170 pixels; the keys start at 178, outside a memory window.
#include "calculator/Rechner.h"
#include "calculator/KeyTable.h"
#include "calculator/LinkChoices.h"
#include "calculator/TapeDelegate.h"
#include "platform/Application.h"
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vdl {

namespace {

constexpr int KeyWidth = 30;
constexpr int KeyHeight = 26;

// Pixels of the keypad grid: columns 32 apart from 178, rows as the keys stand.
constexpr int KeyColumnLeft = 178;
constexpr int KeyColumnStep = 32;
constexpr int keyRowTop[] = {36, 64, 92, 120, 148, 178, 208};

QLabel* makeLabel(const QString& text, QWidget* parent, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Lists that open as a list below the box, at most ListRows entries high with a scroll bar,
// instead of a pop-up as high as all its entries.
class DropDownStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

constexpr int ListRows = 20;

// A list whose drop-down part is made when it is first needed, not when the list gets its
// style: a window has four lists, and most are never opened. Made later, it takes the style
// the list has then.
class DropDownList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::StyleChange && !findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly)) {
            QWidget::changeEvent(event);
            return;
        }
        QComboBox::changeEvent(event);
    }
};

QComboBox* makeList(const char* name, QWidget* parent, const QRect& geometry)
{
    // One style for every list of every window, made from the program's own.
    static QPointer<QStyle> dropDown;
    if (!dropDown) {
        dropDown = new DropDownStyle(QStyleFactory::create(QApplication::style()->name()));
        dropDown->setParent(qApp);
    }
    auto* list = new DropDownList(parent);
    list->setObjectName(QLatin1String(name));
    list->setStyle(dropDown);
    list->setMaxVisibleItems(ListRows);
    list->setGeometry(geometry);
    // Its size is its own: shown for the first time, it would otherwise ask the window for a
    // layout pass.
    list->setFixedSize(geometry.size());
    return list;
}

} // namespace

TRechnerForm::TRechnerForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RechnerForm"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    resize(sizeHint());

    buildPanels();
    buildKeys();
    buildMenus();
    installKeyPreview(this);
    setFocusProxy(History);

    connect(&m_core, &RechnerCore::changed, this, &TRechnerForm::render);
    connect(&m_core, &RechnerCore::tapeFocusRequested, this, [this] { History->setFocus(); });
    connect(&m_core, &RechnerCore::currencyPopupRequested, this, &TRechnerForm::showCurrencyPopup);
    render();
}

TRechnerForm::~TRechnerForm() = default;

void TRechnerForm::buildPanels()
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(4, 4, 166, 22);
    Panel3->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Panel3->setAutoFillBackground(true);
    Panel3->setBackgroundRole(QPalette::Base);
    Panel3->setAcceptDrops(true);
    EingabeOp = new QLabel(Panel3);
    EingabeOp->setObjectName(QStringLiteral("EingabeOp"));
    EingabeOp->setGeometry(3, 2, 24, 18);
    EingabeOp->setFixedSize(EingabeOp->size()); // a new text then asks for no new layout
    EingabeOp->setToolTip(QStringLiteral("Aktiver Operator"));
    EingabeOp->setTextFormat(Qt::PlainText);
    EingabeOp->setAcceptDrops(true);
    Eingabe = new QLabel(Panel3);
    Eingabe->setObjectName(QStringLiteral("Eingabe"));
    Eingabe->setGeometry(27, 2, 134, 18);
    Eingabe->setFixedSize(Eingabe->size());
    Eingabe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Eingabe->setTextFormat(Qt::PlainText); // entries are never markup, whatever a user types
    Eingabe->setToolTip(QStringLiteral("Eingabe"));
    Eingabe->setAcceptDrops(true);

    EAnzeige = new QLabel(this);
    EAnzeige->setObjectName(QStringLiteral("EAnzeige"));
    EAnzeige->setGeometry(4, 28, 166, 24);
    EAnzeige->setFixedSize(EAnzeige->size());
    EAnzeige->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    EAnzeige->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EAnzeige->setTextFormat(Qt::PlainText);
    EAnzeige->setMargin(2);
    EAnzeige->setToolTip(QStringLiteral("Ergebnis"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(12);
    EAnzeige->setFont(bold);
    QPalette yellow = EAnzeige->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 170));
    yellow.setColor(QPalette::WindowText, Qt::blue);
    EAnzeige->setPalette(yellow);
    EAnzeige->setAutoFillBackground(true);

    Label1 = makeLabel(QStringLiteral("System:"), this, 4, 56);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("Rechensystem - Aut. Umsetzung: Rechte Maustaste"));
    Syst = makeList("Syst", this, QRect(4, 70, 76, 20));
    Syst->setToolTip(QStringLiteral("Rechensystem"));
    makeLabel(QStringLiteral("Dez.Stellen:"), this, 84, 56);
    DezSt = makeList("DezSt", this, QRect(84, 70, 86, 20));
    DezSt->addItems(RechnerCore::dezStItems());
    Label3 = makeLabel(QStringLiteral("Speicher:"), this, 4, 98);
    Label3->setObjectName(QStringLiteral("Label3"));
    Kombi = makeList("Kombi", this, QRect(52, 94, 118, 20));
    m_choices = new LinkChoices(Kombi);
    Kombi->setModel(m_choices);

    Label5 = new QLabel(QStringLiteral(" Winkelmaß:"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(178, 10, 92, 14);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Winkel = makeList("Winkel", this, QRect(274, 7, 62, 20));
    Winkel->addItems(RechnerCore::winkelItems());

    // The tape panel: the currency panel above the tape, shown only with a currency.
    auto* pnlHist = new QWidget(this);
    pnlHist->setObjectName(QStringLiteral("PnlHist"));
    pnlHist->setGeometry(4, 117, 166, 158);
    auto* layout = new QVBoxLayout(pnlHist);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    PnlWaehrung = new QLabel(pnlHist);
    PnlWaehrung->setObjectName(QStringLiteral("PnlWaehrung"));
    PnlWaehrung->setFixedHeight(17);
    PnlWaehrung->setAlignment(Qt::AlignCenter);
    PnlWaehrung->setTextFormat(Qt::PlainText); // the abbreviation is the user's own text
    PnlWaehrung->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PnlWaehrung->hide();
    History = new QListWidget(pnlHist);
    History->setObjectName(QStringLiteral("History"));
    History->setProperty("Tag", 2929);
    History->setToolTip(QStringLiteral("Historie"));
    History->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    History->setSelectionMode(QAbstractItemView::ExtendedSelection);
    History->setUniformItemSizes(true);
    History->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    History->setItemDelegate(new TapeDelegate(History));
    layout->addWidget(PnlWaehrung);
    layout->addWidget(History);
    connect(History, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { reenterTapeLine(History->row(item)); });

    AutoPanel = new QFrame(this);
    AutoPanel->setObjectName(QStringLiteral("AutoPanel"));
    AutoPanel->setGeometry(178, 240, 158, 34);
    AutoPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* label4 = new QLabel(QStringLiteral("Speicherautomatik eingeschaltet!"), AutoPanel);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setAlignment(Qt::AlignCenter);
    label4->setWordWrap(true);
    auto* autoLayout = new QVBoxLayout(AutoPanel);
    autoLayout->setContentsMargins(2, 2, 2, 2);
    autoLayout->addWidget(label4);
    AutoPanel->hide();

    connect(Syst, &QComboBox::activated, this, [this](int i) { guarded([&] { m_core.SystSelected(i); }); });
    connect(DezSt, &QComboBox::activated, this, [this](int i) { guarded([&] { m_core.DezStSelected(i); }); });
    connect(Winkel, &QComboBox::activated, this, [this](int i) { guarded([&] { m_core.WinkelSelected(i); }); });
    // `activated` comes from the user only; the program's own index changes link nothing.
    connect(Kombi, &QComboBox::activated, this, [this] { guarded([&] { KombiChange(); }); });
}

void TRechnerForm::buildKeys()
{
    for (const KeyRow& row : keyTable()) {
        auto* key = new QPushButton(this);
        key->setObjectName(QString::fromLatin1(row.name));
        key->setGeometry(KeyColumnLeft + row.column * KeyColumnStep, keyRowTop[row.row], KeyWidth, KeyHeight);
        key->setFocusPolicy(Qt::TabFocus);
        key->setToolTip(QString::fromUtf8(row.hint));
        const QIcon picture = keyPicture(row.key);
        if (!picture.isNull()) {
            key->setIcon(picture);
            key->setIconSize(QSize(22, 16));
        }
        // In the window's 11 pixels, "×" and "÷" come out smaller and paler than "+" and "-";
        // at these sizes they match them.
        if (row.key == RechnerCore::BMult || row.key == RechnerCore::BDiv) {
            QFont larger = font();
            larger.setPixelSize(row.key == RechnerCore::BMult ? 14 : 13);
            key->setFont(larger);
        }
        const RechnerCore::Key k = row.key;
        connect(key, &QPushButton::clicked, this, [this, k] { guarded([&] { m_core.ButtonClick(k); }); });
        keys[k] = key;
    }
}

void TRechnerForm::installKeyPreview(QWidget* widget)
{
    // Pop-up menus and open lists are windows of their own and keep their keys.
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (child->window() == widget->window())
            child->installEventFilter(this);
}

void TRechnerForm::guarded(const std::function<void()>& handler)
{
    // Errors must not cross the event loop: show them like any uncaught error.
    try {
        handler();
    } catch (const std::exception& e) {
        Application::showException(e);
    }
}

void TRechnerForm::InputProcessing(const QString& Text, bool FromButton)
{
    // Whoever hands the window a text (keypad, frame, another window) gets the error shown
    // in the application's error box; the rest of the text is dropped, nothing else changes.
    guarded([&] { m_core.InputProcessing(Text, FromButton); });
}

void TRechnerForm::SetTyp(const QString& Typ)
{
    m_core.SetTyp(Typ);
    FormActivate();
}

void TRechnerForm::SelectCurrency(int Index)
{
    m_core.SelectCurrency(Index);
}

} // namespace vdl
