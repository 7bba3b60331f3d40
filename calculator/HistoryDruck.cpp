#include "calculator/HistoryDruck.h"
#include "toolkit/vdlTools_forms.h"
#include "calculator/Rechner.h"
#include "platform/BandedReport.h"
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "platform/PrinterSession.h"
#include <QListWidget>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vdl {

namespace {

// Band geometry in millimetres from the band's corner.
constexpr double HeaderHeight = 10.8;
constexpr double RowHeight = 4.8;
constexpr double Divider = 83.1;
constexpr double RightBorder = 167.7;

struct ColumnPlaces {
    double count, number, op;
};
// The right column is not the left one shifted: each has its own places.
constexpr ColumnPlaces LeftPlaces{1.1, 15.3, 75.7};
constexpr ColumnPlaces RightPlaces{85.7, 100.8, 160.9};
constexpr double NumberWidth = 59.5;

QFont reportFont(int points, bool bold)
{
    QFont font = DialogFont(12, bold);
    font.setPointSize(points);
    return font;
}

void addCell(ReportBand& band, const HistoryCell& cell, const ColumnPlaces& at, const QFont& regular,
             const QFont& bold)
{
    const QFont& font = cell.bold ? bold : regular;
    band.labels << ReportLabel{at.count, 0, 0, ReportLabel::Left, cell.count, font}
                << ReportLabel{at.number, 0, NumberWidth, ReportLabel::Right, cell.number, font}
                << ReportLabel{at.op, 0, 0, ReportLabel::Left, cell.op, font};
}

// The window whose tape prints beside this one's: the one chosen in its link box.
TRechnerForm* printPartner(const TRechnerForm& window)
{
    return window.memoryWindow();
}

PrintedTape printedTape(const TRechnerForm& window)
{
    PrintedTape tape;
    for (qsizetype i = 0; i < window.core().History.size(); ++i) {
        tape.lines << window.core().History[i].text;
        const QListWidgetItem* item = window.History->item(int(i));
        tape.marked << (item && item->isSelected());
    }
    return tape;
}

QString windowHeader(const TRechnerForm* window, double when)
{
    return window ? headerText(window->core().FSystem, window->core().PnlWaehrung.caption, when) : QString();
}

} // namespace

HistoryCell splitLine(const QString& line)
{
    HistoryCell cell;
    QString rest = line;
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        cell.count = QLatin1Char('#') + rest.left(hash);
        rest = rest.mid(hash + 1);
    }
    if (rest.isEmpty())
        return cell;
    const QString stored = rest.right(1);
    cell.op = RechnerCore::operatorGlyph(stored);
    cell.bold = stored == QLatin1String("*");
    rest.chop(1);
    cell.number = rest.mid(rest.lastIndexOf(QLatin1Char('#')) + 1);
    return cell;
}

QString headerText(int system, const QString& panelCaption, double when)
{
    QString text = FormatDateTime(QStringLiteral("dd.mm.yyyy hh:nn:ss  "), when);
    switch (system) {
    case NumberSystem::Decimal: break;
    case NumberSystem::Currency: text += QStringLiteral("-  ") + panelCaption; break;
    case NumberSystem::Time: text += QStringLiteral("-  (Zeit)"); break;
    case NumberSystem::Date: text += QStringLiteral("-  (Datum)"); break;
    case NumberSystem::Roman: text += QStringLiteral("-  (Römische Zahlen)"); break;
    case NumberSystem::Binary: text += QStringLiteral("-  (Dualsystem)"); break;
    case NumberSystem::Quaternary: text += QStringLiteral("-  (Quartalsyste)"); break;
    case NumberSystem::Octal: text += QStringLiteral("-  (Oktalsystem)"); break;
    case NumberSystem::Hexadecimal: text += QStringLiteral("-  (Hexadezimalsystem)"); break;
    default:
        if (NumberSystem::isBase(system))
            text += QStringLiteral("-  (System zur Basis ") + QString::number(system) + QLatin1Char(')');
    }
    return text;
}

QList<HistoryRow> buildRows(const PrintedTape& first, const PrintedTape* second, bool markedOnly)
{
    const auto printable = [markedOnly](const PrintedTape& tape, qsizetype i) {
        return i < tape.lines.size() && (!markedOnly || tape.marked.value(i));
    };
    const qsizetype length = std::max(first.lines.size(), second ? second->lines.size() : 0);
    QList<HistoryRow> rows;
    for (qsizetype i = 0; i < length; ++i) {
        const bool left = printable(first, i);
        const bool right = second && printable(*second, i);
        if (!left && !right)
            continue;
        HistoryRow row;
        if (left)
            row.left = splitLine(first.lines[i]);
        if (right)
            row.right = splitLine(second->lines[i]);
        rows << row;
    }
    return rows;
}

BandedReport historyReport(const QList<HistoryRow>& rows, const QString& header1, const QString& header2,
                           bool withPartner)
{
    // Without a partner the right column's outer lines are drawn in white, before the
    // divider, so that only the left column is framed.
    const QColor right = withPartner ? QColor(Qt::black) : QColor(Qt::white);
    BandedReport report;
    ReportBand& header = report.header;
    header.height = HeaderHeight;
    header.lines = {{Divider, 0.3, 84.9, 0, right},     {Divider, 10.1, 84.9, 0, right},
                    {RightBorder, 0, 0, 10.6, right},   {0, 0.3, 0, 10.6, Qt::black},
                    {Divider, 0, 0, 10.6, Qt::black},   {0, 0.3, 83.6, 0, Qt::black},
                    {0.3, 10.1, Divider, 0, Qt::black}};
    const QFont headerFont = reportFont(11, true);
    header.labels = {{0, 2.6, Divider, ReportLabel::Centre, header1, headerFont},
                     {Divider, 2.6, RightBorder - Divider, ReportLabel::Centre, header2, headerFont}};

    const QFont regular = reportFont(10, false);
    const QFont bold = reportFont(10, true);
    ReportBand detail;
    detail.height = RowHeight;
    detail.lines = {{RightBorder, 0, 0, 5.0, right}, {0, 0, 0, 5.0, Qt::black}, {Divider, 0, 0, 5.0, Qt::black}};
    report.details.reserve(rows.size());
    for (const HistoryRow& row : rows) {
        ReportBand band = detail;
        addCell(band, row.left, LeftPlaces, regular, bold);
        addCell(band, row.right, RightPlaces, regular, bold);
        report.details << band;
    }
    return report;
}

void setHistoryPage(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
}

bool PrintHistory(TRechnerForm* Rechner, bool Preview, bool MarkedOnly)
{
    if (!Rechner)
        return false;
    const TRechnerForm* partner = printPartner(*Rechner);
    const PrintedTape first = printedTape(*Rechner);
    PrintedTape second;
    if (partner)
        second = printedTape(*partner);
    // One time for every page, and for every new layout of the preview.
    const double when = Clock::now();
    const BandedReport report = historyReport(buildRows(first, partner ? &second : nullptr, MarkedOnly),
                                              windowHeader(Rechner, when), windowHeader(partner, when), partner);

    QPrinter& printer = PrinterSession::instance().printer();
    setHistoryPage(printer);
    printer.setDocName(QStringLiteral("Historie ") + Rechner->windowTitle());
    if (Preview) {
        QPrintPreviewDialog preview(&printer);
        preview.setObjectName(QStringLiteral("Vorschau"));
        preview.setWindowTitle(QStringLiteral("Druckvorschau"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&report](QPrinter* device) { report.render(*device); });
        Prompter::current().runDialog(preview);
        return true;
    }
    if (report.render(printer) > 0)
        return true;
    ShowMessage(QStringLiteral("Der Drucker konnte nicht angesprochen werden. Es wurde nichts gedruckt."),
                QStringLiteral("Fehler"), mb::Ok | mb::IconError);
    return false;
}

} // namespace vdl
