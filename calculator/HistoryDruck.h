#pragma once
// A calculator window's tape printed or previewed as a framed paper tape: one column, or two
// when the window is linked, the linked window's tape beside it line by line. The rows are
// built once from the tapes, then laid out on A4 pages with a header on every page.
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace vdl {

class BandedReport;
class TRechnerForm;

// The three labels of one column of a printed row.
struct HistoryCell {
    QString count;  // "#3", or empty
    QString number; // right-aligned
    QString op;     // as drawn: the root sign is "√"
    bool bold = false; // the whole column, on a result line ("*")
};

struct HistoryRow {
    HistoryCell left, right;
};

// A tape as printed: its lines and which of them are marked.
struct PrintedTape {
    QStringList lines;
    QList<bool> marked;
};

// "3#12,5+" gives "#3", "12,5", "+"; a line without "#" leaves the count empty.
HistoryCell splitLine(const QString& line);

// The date and time when (a day number) as "dd.mm.yyyy hh:nn:ss  ", then what names the
// window's number system; panelCaption is the currency panel's text of a currency window.
QString headerText(int system, const QString& panelCaption, double when);

// The rows: both tapes advance together, one line each per row; a position with nothing to
// print in either tape gives no row, one with a line in only one tape leaves the other
// column empty. With markedOnly each tape prints only its marked lines.
QList<HistoryRow> buildRows(const PrintedTape& first, const PrintedTape* second, bool markedOnly);

// The report of the rows: the headers above the two columns; without a partner the right
// column's frame is left out.
BandedReport historyReport(const QList<HistoryRow>& rows, const QString& header1, const QString& header2,
                           bool withPartner);

// Page of the printed tape: A4 portrait with 20 mm margins.
void setHistoryPage(QPagedPaintDevice& device);

// Prints the window's tape on the current printer, or previews it; false when the printer
// refused (the user has been told).
bool PrintHistory(TRechnerForm* Rechner, bool Preview, bool MarkedOnly);

} // namespace vdl
