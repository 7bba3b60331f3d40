#pragma once
// A small banded report: a header band at the top of every page, then one detail band per row,
// as many as fit, page after page. Bands hold lines and one-line text labels, placed in
// millimetres from the band's corner. There is no footer and no page number.
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace vdl {

struct ReportLine {
    double left = 0, top = 0; // mm from the band's corner
    double width = 0, height = 0; // one of them 0: a horizontal or a vertical line
    QColor colour = Qt::black;
};

struct ReportLabel {
    enum Align { Left, Right, Centre };
    // Left: the text starts at left. Right: it ends at left + width. Centre: it is centred
    // over left .. left + width. A text never wraps and is never cut.
    double left = 0, top = 0, width = 0;
    Align align = Left;
    QString text;
    QFont font;
};

struct ReportBand {
    double height = 0; // mm; elements may reach beyond it, nothing is clipped
    QList<ReportLine> lines;
    QList<ReportLabel> labels;
};

class BandedReport {
public:
    ReportBand header;
    QList<ReportBand> details;

    // Bands of this height that fit below the header on a page of usable height pageHeight.
    int rowsPerPage(double pageHeight, double detailHeight) const;
    // Draws every page on the device, inside its margins, and returns the number of pages:
    // at least one, the header alone when there are no rows; 0 when the device refuses to
    // start or to finish.
    int render(QPagedPaintDevice& device) const;

private:
    static void drawBand(QPainter& painter, const ReportBand& band, double top, double dotsX, double dotsY);
};

} // namespace vdl
