#include "info/PrinterInfo.h"
#include "platform/Application.h"
#include "platform/CheckedMath.h"
#include "platform/NumText.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "toolkit/vdlTools_forms.h"
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace vdl {

namespace {

// Kept as one text, as the names are split at commas only: some hold blanks.
const QString TechnologyNames = QStringLiteral("Vektor-Plotter,Raster-Bildschirm,Raster-Drucker,"
                                               "Raster-Kamera (Scanner),Zeichenfolge (Typenraddrucker),"
                                               "Meta-Datei,Bildschirm-Datei (bmp)");

// One line: the label at the left, the value in a second column 120 pixels in.
class InfoDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const QString line = index.data().toString();
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const QRect r = option.rect;
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        painter->drawText(r.adjusted(2, 1, 0, 0), flags, tab < 0 ? line : line.left(tab));
        if (tab >= 0)
            painter->drawText(r.adjusted(120, 1, 0, 0), flags, line.mid(tab + 1));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 16};
    }
};

QString pixels(int size, int count)
{
    return IntToStr(size) + QStringLiteral(" mm (") + IntToStr(count) + QStringLiteral(" Pixel)");
}

QString margin(int size, int res, int offset)
{
    return FormatFloat(QStringLiteral("0.0"), fp::mul(fp::div(size, res), offset)) + QStringLiteral(" mm (")
           + IntToStr(offset) + QStringLiteral(" Pixel)");
}

QString sheet(int physical, int dpi)
{
    return IntToStr(Round(fp::div(fp::mul(physical, 25.4L), dpi)));
}

} // namespace

PrinterCaps printerCapsOf(const QPrinter& printer)
{
    PrinterCaps caps;
    const int dpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect paint = layout.paintRectPixels(dpi);
    const QRect full = layout.fullRectPixels(dpi);
    const QRectF paintMm = layout.paintRect(QPageLayout::Millimeter);
    const QPrinterInfo info(printer);
    caps.name = printer.printerName();
    caps.horzSize = qRound(paintMm.width());
    caps.vertSize = qRound(paintMm.height());
    caps.horzRes = paint.width();
    caps.vertRes = paint.height();
    caps.offsetX = paint.left() - full.left();
    caps.offsetY = paint.top() - full.top();
    caps.logPixelsX = caps.logPixelsY = dpi;
    // A PDF holds colour; a real printer says what it can.
    caps.numColors = info.isNull() || info.supportedColorModes().contains(QPrinter::Color) ? -1 : 2;
    caps.fontCount = int(QFontDatabase::families().size());
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    return caps;
}

PrinterInfoLines printerInfoLines(const PrinterCaps& caps)
{
    PrinterInfoLines out;
    const auto add = [&out](const char* label, const QString& value) {
        out.lines << QString::fromUtf8(label) + QLatin1Char('\t') + value;
    };
    try {
        add("Druckername:", caps.name);
        add("Treiberversion:", IntToStr(caps.driverVersion));
        add("Technologie:", TechnologyNames.split(QLatin1Char(',')).value(caps.technology));
        add("Druckbreite:", pixels(caps.horzSize, caps.horzRes));
        add("Druckhöhe:", pixels(caps.vertSize, caps.vertRes));
        add("Linker Rand:", margin(caps.horzSize, caps.horzRes, caps.offsetX));
        add("Oberer Rand:", margin(caps.vertSize, caps.vertRes, caps.offsetY));
        add("Auflösung horizontal:", IntToStr(caps.logPixelsX) + QStringLiteral(" DPI"));
        add("Auslösung vertikal:", IntToStr(caps.logPixelsY) + QStringLiteral(" DPI"));
        add("Pinselzahl:", IntToStr(caps.numBrushes));
        add("Stiftzahl: ", IntToStr(caps.numPens));
        add("Markiererzahl:", IntToStr(caps.numMarkers));
        add("Farbzahl:", IntToStr(caps.numColors));
        add("Schriftenzahl:", IntToStr(caps.fontCount));
        add("Blattbreite:", sheet(caps.physicalWidth, caps.logPixelsX));
        add("BlattHoehe", sheet(caps.physicalHeight, caps.logPixelsY));
        add("mm pro Pixel horiz", FormatFloat(QStringLiteral("0.0000"), fp::div(25.4L, caps.logPixelsX)));
        add("mm pro Pixel vert", FormatFloat(QStringLiteral("0.0000"), fp::div(25.4L, caps.logPixelsY)));
    } catch (const Error& e) {
        out.error = e.message();
        out.lines << out.error;
    }
    return out;
}

TfPrinterInfo::TfPrinterInfo(const QStringList& lines, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fPrinterInfo"));
    setWindowTitle(QStringLiteral("Drucker-Information"));
    setFont(DialogFont());
    resize(378, 345);

    Info = new QListWidget(this);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setItemDelegate(new InfoDelegate(Info));
    Info->setUniformItemSizes(true);
    Info->addItems(lines);

    auto* fussPanel = new QWidget(this);
    fussPanel->setObjectName(QStringLiteral("FussPanel"));
    fussPanel->setFixedHeight(39);
    auto* kopieren = new QPushButton(QStringLiteral("In &Zwischenablage"), fussPanel);
    kopieren->setObjectName(QStringLiteral("BtnZwischenablage"));
    kopieren->setFixedSize(154, 26);
    kopieren->setAutoDefault(false);
    auto* schliessen = new QPushButton(QStringLiteral("Schli&eßen"), fussPanel);
    schliessen->setObjectName(QStringLiteral("BtnSchliessen"));
    schliessen->setFixedSize(117, 26);
    schliessen->setDefault(true);
    connect(kopieren, &QPushButton::clicked, this, [this] { BtnZwischenablageClick(); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    // The buttons keep to the right when the window is sized; the list takes the rest.
    auto* buttons = new QHBoxLayout(fussPanel);
    buttons->setContentsMargins(0, 8, 0, 5);
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(kopieren);
    buttons->addWidget(schliessen);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(0);
    column->addWidget(Info);
    column->addWidget(fussPanel);
}

void TfPrinterInfo::BtnZwischenablageClick()
{
    QString text;
    for (int i = 0; i < Info->count(); ++i)
        text += Info->item(i)->text() + QStringLiteral("\r\n");
    QGuiApplication::clipboard()->setText(text);
}

void ShowPrinterInfo(QWidget* owner)
{
    // The capabilities as the chosen printer has them fresh, on the paper set up for it.
    PrinterSession& session = PrinterSession::instance();
    QPrinter probe(QPrinter::HighResolution);
    session.applyTo(probe);
    probe.setPageSize(session.printer().pageLayout().pageSize());
    probe.setPageOrientation(session.printer().pageLayout().orientation());
    const PrinterInfoLines info = printerInfoLines(printerCapsOf(probe));
    if (!info.error.isEmpty())
        ShowMessage(info.error, Application::title(), mb::Ok | mb::IconError);
    TfPrinterInfo dialog(info.lines, owner);
    Prompter::current().runDialog(dialog);
}

} // namespace vdl
