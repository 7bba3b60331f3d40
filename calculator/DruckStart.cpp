#include "calculator/DruckStart.h"
#include "calculator/HistoryDruck.h"
#include "calculator/Rechner.h"
#include "info/PrinterInfo.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlTools_forms.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QStyle>

namespace vdl {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap picture,
                    const QRect& place)
{
    auto* b = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    b->setAutoDefault(false); // no button answers Enter
    return b;
}

} // namespace

TfDruckStart::TfDruckStart(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fDruckStart"));
    setWindowTitle(QStringLiteral("Standard-Druckdialog-Basis"));
    setFont(DialogFont());
    setFixedSize(452, 149);

    auto* formPanel = new QWidget(this);
    formPanel->setObjectName(QStringLiteral("FormPanel"));
    formPanel->setGeometry(rect());
    // The panel sits on the lower edge inside the 8-pixel border.
    auto* fussPanel = new QWidget(formPanel);
    fussPanel->setObjectName(QStringLiteral("FussPanel"));
    fussPanel->setGeometry(8, 149 - 8 - 143, 436, 143);

    auto* group = new QGroupBox(QStringLiteral("Drucker"), fussPanel);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(0, 4, 435, 102);
    group->setFont(DialogFont(12, true));

    CbxDrucker = new QComboBox(group);
    CbxDrucker->setObjectName(QStringLiteral("CbxDrucker"));
    CbxDrucker->setGeometry(20, 24, 398, 22);
    QPushButton* details =
        button(group, "BtnDetails", QStringLiteral("De&tails"), QStyle::SP_MessageBoxInformation, {192, 58, 107, 29});
    QPushButton* einrichten = button(group, "BtnEinrichten", QStringLiteral("Ein&richten"),
                                     QStyle::SP_FileDialogDetailedView, {308, 58, 109, 29});
    const QFont regular = DialogFont(); // set, not only inherited, so the group box's bold stops here
    for (QWidget* w : {static_cast<QWidget*>(CbxDrucker), static_cast<QWidget*>(details),
                       static_cast<QWidget*>(einrichten)})
        w->setFont(regular);
    QPushButton* abbrechen = button(fussPanel, "BtnAbbrechen", QStringLiteral("Abbre&chen"),
                                    QStyle::SP_DialogCancelButton, {83, 113, 109, 29});
    QPushButton* vorschau = button(fussPanel, "BtnVorschau", QStringLiteral("&Vorschau"),
                                   QStyle::SP_FileDialogContentsView, {203, 113, 109, 29});
    QPushButton* drucken = button(fussPanel, "BtnDrucken", QStringLiteral("&Drucken"), QStyle::SP_DialogOkButton,
                                  {325, 113, 109, 29});

    RestoreFormPos(this);
    PrinterSession& session = PrinterSession::instance();
    CbxDrucker->addItems(session.printerNames());
    CbxDrucker->setCurrentIndex(session.printerIndex());

    // A choice in the list is the current printer at once, also when the dialog is cancelled.
    connect(CbxDrucker, &QComboBox::activated, this, [](int index) { PrinterSession::instance().setPrinterIndex(index); });
    connect(einrichten, &QPushButton::clicked, this, [this] { BtnEinrichtenClick(); });
    connect(details, &QPushButton::clicked, this, [this] { ShowPrinterInfo(this); });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(vorschau, &QPushButton::clicked, this, [this] { DoPrint(true, MarkedOnly); });
    connect(drucken, &QPushButton::clicked, this, [this] { DoPrint(false, MarkedOnly); });
}

void TfDruckStart::BtnEinrichtenClick()
{
    ShowPrinterSetup(this);
    // The set-up may have switched to another printer.
    CbxDrucker->setCurrentIndex(PrinterSession::instance().printerIndex());
}

void TfDruckStart::DoPrint(bool Preview, bool MarkedOnly)
{
    if (HistoryMode && !PrintHistory(Rechner, Preview, MarkedOnly))
        return;
    done(QDialog::Accepted);
}

void TfDruckStart::done(int r)
{
    SaveFormPos(this);
    QDialog::done(r);
}

void ShowPrintDialog(TRechnerForm* Rechner, bool HistoryMode, bool MarkedOnly)
{
    TfDruckStart dialog;
    dialog.Rechner = Rechner;
    dialog.HistoryMode = HistoryMode;
    dialog.MarkedOnly = MarkedOnly;
    Prompter::current().runDialog(dialog);
}

void ShowPrinterSetup(QWidget* parent)
{
    QPrintDialog dialog(&PrinterSession::instance().printer(), parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    // It sets the printer up here, it does not print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
            cancel->setText(QStringLiteral("Abbrechen"));
    }
    Prompter::current().runDialog(dialog);
}

} // namespace vdl
