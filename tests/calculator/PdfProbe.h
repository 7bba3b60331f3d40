#pragma once
// Reads a printed PDF back as a reader would see it, with the poppler tools: pages, text,
// fonts, word places and the page as a picture.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace vdl::test {

inline QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("(%1 failed: %2)").arg(tool, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPages(const QString& pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString pdfText(const QString& pdf, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return runTool(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
}

// The text runs of a page in reading order, as pdftohtml groups them; bold ones as "*text*".
inline QStringList pdfRuns(const QString& pdf, int page = 1)
{
    const QString pageArg = QString::number(page);
    const QString xml = runTool(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-i"),
                                                              QStringLiteral("-stdout"), QStringLiteral("-f"), pageArg,
                                                              QStringLiteral("-l"), pageArg, pdf});
    QStringList runs;
    const QRegularExpression text(QStringLiteral("<text [^>]*>(<b>)?([^<]*)"));
    for (auto it = text.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        const QString run = m.captured(2).trimmed();
        runs << (m.captured(1).isEmpty() ? run : QLatin1Char('*') + run + QLatin1Char('*'));
    }
    return runs;
}

// The page at 10 dots per millimetre, grey.
inline QImage pdfPicture(const QString& pdf, int page = 1)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("p"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                                         QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                                         QStringLiteral("-l"), QString::number(page), pdf, base});
    return QImage(base + QStringLiteral(".pgm"));
}

// The places as text, "20.0 103.1", each within 0.15 mm of the expected one shown as that.
inline QString placesNear(const QList<double>& actual, const QList<double>& expected)
{
    QStringList out;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const double shown = i < expected.size() && qAbs(actual[i] - expected[i]) <= 0.15 ? expected[i] : actual[i];
        out << QString::number(shown, 'f', 1);
    }
    return out.join(QLatin1Char(' '));
}

// The expected places (mm) that no edge comes within tolerance of.
inline QString missingPlaces(const QList<double>& edges, const QList<double>& expected, double tolerance)
{
    QStringList missing;
    for (double place : expected) {
        if (std::none_of(edges.begin(), edges.end(), [&](double e) { return qAbs(e - place) <= tolerance; }))
            missing << QString::number(place, 'f', 1);
    }
    return missing.join(QLatin1Char(' '));
}

// The middle of the ink between the heights top and bottom and between left and right (mm).
inline double inkMiddle(const QImage& picture, double top, double bottom, double left, double right)
{
    int first = -1, last = -1;
    for (int x = int(left * 10); x < int(right * 10); ++x)
        for (int y = int(top * 10); y < int(bottom * 10); ++y)
            if (qGray(picture.pixel(x, y)) < 160) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return first < 0 ? -1 : (first + last + 1) / 20.0;
}

// Where dark runs cross the picture's row at y mm: the middle of each run, in mm.
inline QList<double> darkAcross(const QImage& picture, double y)
{
    QList<double> at;
    const int row = int(y * 10);
    int start = -1;
    for (int x = 0; x <= picture.width(); ++x) {
        const bool dark = x < picture.width() && qGray(picture.pixel(x, row)) < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            at << (start + x - 1) / 20.0;
            start = -1;
        }
    }
    return at;
}

// Ink between the heights top and bottom (mm), as stretches left to right: where each starts
// and ends, in mm; stretches less than gap mm apart count as one.
inline QList<double> inkAcross(const QImage& picture, double top, double bottom, double gap = 0.8)
{
    QList<double> edges;
    int last = -1000;
    for (int x = 0; x < picture.width(); ++x) {
        bool dark = false;
        for (int y = int(top * 10); y < int(bottom * 10) && !dark; ++y)
            dark = qGray(picture.pixel(x, y)) < 160;
        if (!dark)
            continue;
        if (x - last > gap * 10) {
            if (!edges.isEmpty())
                edges << (last + 1) / 10.0;
            edges << x / 10.0;
        }
        last = x;
    }
    if (!edges.isEmpty())
        edges << (last + 1) / 10.0;
    return edges;
}

} // namespace vdl::test
