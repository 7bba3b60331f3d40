#include "info/vdlSysInfo.h"
#include "platform/Prompter.h"
#include "toolkit/vdlReg_identity.h"
#include "toolkit/vdlTools_forms.h"
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vdl {

QPointer<TfvdlSysInfo> fvdlSysInfo;

namespace {

const QString Separator(10, QLatin1Char(' '));

QWidget* tab(QTabWidget* pages, const char* name, const QString& caption, QTableWidget*& grid, const char* gridName)
{
    auto* sheet = new QWidget;
    sheet->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(6, 6, 6, 6);
    grid = new QTableWidget(50, 2, sheet);
    grid->setObjectName(QLatin1String(gridName));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setColumnWidth(0, 150);
    // The value column always fills the grid.
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(grid);
    pages->addTab(sheet, caption);
    return sheet;
}

// The caption column is fixed: drawn like a button face, never selected.
void setRow(QTableWidget* grid, int row, const SysInfoRow& r)
{
    if (row > grid->rowCount() - 1)
        grid->setRowCount(grid->rowCount() + 10);
    auto* caption = new QTableWidgetItem(r.Caption);
    caption->setFlags(Qt::ItemIsEnabled);
    caption->setBackground(grid->palette().button());
    grid->setItem(row, 0, caption);
    auto* value = new QTableWidgetItem(r.Value);
    if (grid->objectName() == QLatin1String("GrdBenutzer") && r.Caption == Separator) {
        value->setBackground(grid->palette().button());
        value->setTextAlignment(Qt::AlignCenter);
    }
    grid->setItem(row, 1, value);
}

void fillGrid(QTableWidget* grid, const QList<SysInfoRow>& rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        setRow(grid, int(i), rows[i]);
}

} // namespace

TfvdlSysInfo::TfvdlSysInfo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("fvdlSysInfo"));
    setWindowTitle(QStringLiteral("System-Informationen"));
    setFont(DialogFont());
    resize(537, 443);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = tab(PageControl1, "TabSheet1", QStringLiteral("System"), GrdHardware, "GrdHardware");
    TabSheet2 = tab(PageControl1, "TabSheet2", QStringLiteral("Software"), GrdSoftware, "GrdSoftware");
    TabSheet3 = tab(PageControl1, "TabSheet3", QStringLiteral("Benutzer"), GrdBenutzer, "GrdBenutzer");
    layout->addWidget(PageControl1);

    Buttons = new QWidget(this);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    Buttons->setFixedHeight(37);
    auto* row = new QHBoxLayout(Buttons);
    row->setContentsMargins(0, 8, 0, 0);
    row->addStretch();
    BtnZwischenablage = new QPushButton(QStringLiteral("In &Zwischenablage"), Buttons);
    BtnZwischenablage->setObjectName(QStringLiteral("BtnZwischenablage"));
    BtnZwischenablage->setFixedSize(139, 29);
    BtnZwischenablage->setAutoDefault(false);
    connect(BtnZwischenablage, &QPushButton::clicked, this, &TfvdlSysInfo::BtnZwischenablageClick);
    BtnSchliessen = new QPushButton(QStringLiteral("Schli&eßen"), Buttons);
    BtnSchliessen->setObjectName(QStringLiteral("BtnSchliessen"));
    BtnSchliessen->setFixedSize(115, 29);
    BtnSchliessen->setDefault(true);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(BtnZwischenablage);
    row->addSpacing(6);
    row->addWidget(BtnSchliessen);
    layout->addWidget(Buttons);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TfvdlSysInfo::TimerTimer);
    Timer->start();
}

void TfvdlSysInfo::showEvent(QShowEvent* event)
{
    if (!m_filled) {
        m_filled = true;
        FormShow();
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TfvdlSysInfo::FormShow()
{
    Model.FillHardware();
    Model.FillSoftware(QCoreApplication::applicationFilePath());
    Model.FillBenutzer(FKennung, FName);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), Model.BenutzerVisible);
    fillGrid(GrdHardware, Model.Hardware);
    fillGrid(GrdSoftware, Model.Software);
    fillGrid(GrdBenutzer, Model.Benutzer);
}

void TfvdlSysInfo::TimerTimer()
{
    for (int row : Model.refresh())
        GrdHardware->item(row, 1)->setText(Model.Hardware[row].Value);
}

void TfvdlSysInfo::BtnZwischenablageClick()
{
    QGuiApplication::clipboard()->setText(Model.clipboardText());
}

void ShowSysInfo()
{
    TfvdlSysInfo dialog;
    fvdlSysInfo = &dialog;
    dialog.FKennung = BenutzerDaten.Kennung;
    dialog.FName = BenutzerDaten.Name;
    if (dialog.FKennung.isEmpty() && dialog.FName.isEmpty())
        dialog.PageControl1->setTabVisible(dialog.PageControl1->indexOf(dialog.TabSheet3), false);
    Prompter::current().runDialog(dialog);
    fvdlSysInfo = nullptr;
}

} // namespace vdl
