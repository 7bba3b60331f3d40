#include "platform/BandedReport.h"
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace vdl {

namespace {
constexpr double LineWidth = 0.2; // mm
constexpr double MillimetresPerInch = 25.4;
} // namespace

int BandedReport::rowsPerPage(double pageHeight, double detailHeight) const
{
    if (detailHeight <= 0)
        return 1;
    // A little slack, so that a height just at the page's end still counts as fitting.
    const int rows = int(std::floor((pageHeight - header.height) / detailHeight + 1e-9));
    return rows < 1 ? 1 : rows;
}

int BandedReport::render(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    // Millimetres become device dots; the painter itself is not scaled, or the fonts, given
    // in points, would be scaled with it.
    const double dotsX = device.logicalDpiX() / MillimetresPerInch;
    const double dotsY = device.logicalDpiY() / MillimetresPerInch;
    const double pageHeight = device.pageLayout().paintRect(QPageLayout::Millimeter).height();
    const double detailHeight = details.isEmpty() ? 0 : details.first().height;
    const int perPage = rowsPerPage(pageHeight, detailHeight);

    int pages = 0;
    qsizetype row = 0;
    do {
        if (pages > 0 && !device.newPage()) {
            painter.end();
            return 0;
        }
        ++pages;
        drawBand(painter, header, 0, dotsX, dotsY);
        double top = header.height;
        for (int n = 0; n < perPage && row < details.size(); ++n, ++row) {
            drawBand(painter, details[row], top, dotsX, dotsY);
            top += details[row].height;
        }
    } while (row < details.size());
    return painter.end() ? pages : 0;
}

void BandedReport::drawBand(QPainter& painter, const ReportBand& band, double top, double dotsX, double dotsY)
{
    for (const ReportLine& line : band.lines) {
        painter.setPen(QPen(line.colour, LineWidth * dotsX, Qt::SolidLine, Qt::FlatCap));
        const QPointF from(line.left * dotsX, (top + line.top) * dotsY);
        painter.drawLine(from, from + QPointF(line.width * dotsX, line.height * dotsY));
    }
    painter.setPen(Qt::black);
    for (const ReportLabel& label : band.labels) {
        if (label.text.isEmpty())
            continue;
        painter.setFont(label.font);
        const double height = painter.fontMetrics().height();
        const double x = label.left * dotsX;
        const double y = (top + label.top) * dotsY;
        int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
        QRectF box(x, y, label.width * dotsX, height);
        if (label.align == ReportLabel::Right)
            flags |= Qt::AlignRight;
        else if (label.align == ReportLabel::Centre)
            flags |= Qt::AlignHCenter;
        else
            flags |= Qt::AlignLeft;
        painter.drawText(box, flags, label.text);
    }
}

} // namespace vdl
