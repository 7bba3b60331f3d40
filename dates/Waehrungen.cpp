#include "dates/Waehrungen.h"

#include "dates/CurrencyStore.h"
#include "dates/WaehrungEdit.h"
#include "platform/Prompter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>

namespace vdl {

namespace {
constexpr int Border = 8, BarHeight = 32;
}

QList<CurrencyRow> CurrencyRows()
{
    StringList names;
    QStringList values;
    CurrencyStore::read(names, values);
    QList<CurrencyRow> rows;
    for (int k = 0; k < names.count(); ++k) {
        const QStringList items = CurrencyStore::split(values.value(int(names.object(k))));
        rows.append({names[k], items.value(0), items.value(1), items.value(2)});
    }
    return rows;
}

bool ShowCurrencyList()
{
    TfWaehrungen dlg;
    return Prompter::current().runDialog(dlg) == QDialog::Accepted;
}

TfWaehrungen::TfWaehrungen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fWaehrungen"));
    setWindowTitle(QStringLiteral("Währungen"));
    resize(410, 252);
    setMinimumSize(410, 210);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setColumnCount(4);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Währungsbezeichnung"), QStringLiteral("Kürzel"),
                                       QStringLiteral("Kurs"), QStringLiteral("Datum")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setColumnWidth(1, 50);
    m_grid->setColumnWidth(2, 90);
    m_grid->setColumnWidth(3, 90);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { BtnAendernClick(); });

    m_panel1 = new QWidget(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    const struct {
        const char* name;
        const char* text;
        int left, width;
    } buttons[] = {{"BtnHinzufuegen", "Hi&nzufügen", 0, 101},
                   {"BtnAendern", "&Ändern", 106, 90},
                   {"BtnLoeschen", "&Löschen", 201, 90},
                   {"BtnSchliessen", "Schli&eßen", 296, 90}};
    QPushButton* b[4];
    for (int i = 0; i < 4; ++i) {
        b[i] = new QPushButton(QString::fromUtf8(buttons[i].text), m_panel1);
        b[i]->setObjectName(QLatin1String(buttons[i].name));
        b[i]->setGeometry(buttons[i].left, 6, buttons[i].width, 26);
        b[i]->setAutoDefault(false);
    }
    connect(b[0], &QPushButton::clicked, this, [this] {
        if (AddCurrency())
            LoadCurrencies();
    });
    connect(b[1], &QPushButton::clicked, this, [this] { BtnAendernClick(); });
    connect(b[2], &QPushButton::clicked, this, [this] { BtnLoeschenClick(); });
    connect(b[3], &QPushButton::clicked, this, &QDialog::accept);
}

void TfWaehrungen::showEvent(QShowEvent* e)
{
    LoadCurrencies();
    m_grid->setCurrentCell(0, 0);
    QDialog::showEvent(e);
}

void TfWaehrungen::resizeEvent(QResizeEvent* e)
{
    m_grid->setGeometry(Border, Border, width() - 2 * Border, height() - 2 * Border - BarHeight);
    m_panel1->setGeometry(Border, height() - Border - BarHeight, width() - 2 * Border, BarHeight);
    // The buttons keep their distance to the right edge.
    const int shift = m_panel1->width() - 394;
    const int lefts[] = {0, 106, 201, 296};
    const auto kids = m_panel1->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < kids.size(); ++i)
        kids[i]->move(lefts[i] + shift, 6);
    QDialog::resizeEvent(e);
}

bool TfWaehrungen::eventFilter(QObject* watched, QEvent* e)
{
    // The name column takes whatever the fixed columns leave.
    if (watched == m_grid->viewport() && e->type() == QEvent::Resize)
        m_grid->setColumnWidth(0, m_grid->viewport()->width() - 50 - 90 - 90 - 3);
    return QDialog::eventFilter(watched, e);
}

void TfWaehrungen::keyPressEvent(QKeyEvent* e)
{
    // No cancel button: Esc leaves the list open.
    if (e->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(e);
}

void TfWaehrungen::LoadCurrencies()
{
    const int current = m_grid->currentRow();
    const QList<CurrencyRow> rows = CurrencyRows();
    m_grid->clearContents();
    // An empty table still shows one blank row.
    m_grid->setRowCount(std::max<int>(1, int(rows.size())));
    for (int k = 0; k < rows.size(); ++k) {
        const CurrencyRow& r = rows[k];
        const QString cells[] = {r.name, r.kuerzel, r.kurs, r.datum};
        for (int c = 0; c < 4; ++c)
            m_grid->setItem(k, c, new QTableWidgetItem(cells[c]));
        m_grid->item(k, 0)->setData(Qt::UserRole, r.name);
    }
    if (current >= 0)
        m_grid->setCurrentCell(std::min(current, m_grid->rowCount() - 1), 0);
}

QString TfWaehrungen::markedName() const
{
    const QTableWidgetItem* item = m_grid->item(m_grid->currentRow(), 0);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void TfWaehrungen::BtnAendernClick()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    const auto cell = [&](int c) { return m_grid->item(row, c) ? m_grid->item(row, c)->text() : QString(); };
    if (EditCurrency(markedName(), cell(1), cell(2), cell(3)))
        LoadCurrencies();
}

void TfWaehrungen::BtnLoeschenClick()
{
    if (m_grid->currentRow() < 0)
        return;
    if (ShowMessage(QStringLiteral("Wollen sie die markierte Währung wirklich löschen?"), QStringLiteral("Warnung"),
                    mb::YesNo | mb::IconQuestion) != mb::IdYes)
        return;
    const QString name = markedName();
    if (!name.isEmpty())
        CurrencyStore::remove(name);
    LoadCurrencies();
}

} // namespace vdl
