#include "calculator/HistoryText.h"
#include "platform/Cp1252.h"
#include "platform/NumText.h"
#include "platform/Regional.h"
#include <algorithm>
#include <limits>

namespace vdl {

namespace {

constexpr qsizetype Columns = 30;

// The decimal exponent after an "E": an optional sign and digits. Values far beyond any
// number's range stop growing, so that no digit row can overflow it.
bool readExponent(QStringView text, qint64& exponent)
{
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    if (i == text.size())
        return false;
    exponent = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
        exponent = std::min<qint64>(exponent * 10 + (text[i].unicode() - '0'), 1000000000);
    }
    if (negative)
        exponent = -exponent;
    return true;
}

// "1,5E-7" -> "0,00000015", "1E20" -> "100000000000000000000": an entry takes no exponent,
// so a number written that way is written out. A number whose first significant digit lies
// beyond what a calculator value can hold is refused (a line dropped from another program
// may carry any exponent, and written out it would fill the memory).
enum class Exponent { None, WrittenOut, OutOfRange };
Exponent writeOutExponent(QString& text)
{
    constexpr qint64 highest = std::numeric_limits<long double>::max_exponent10; // 1E4932
    constexpr qint64 lowest = -4951; // the smallest value, 3,6E-4951
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    qint64 exponent = 0;
    if (e <= 0 || !readExponent(QStringView(text).mid(e + 1), exponent))
        return Exponent::None;
    const QChar sep = Regional::current().decimalSeparator;
    QString mantissa = text.left(e);
    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    const qsizetype point = mantissa.indexOf(sep);
    QString digits = mantissa;
    if (point >= 0)
        digits.remove(point, 1);
    if (digits.isEmpty())
        return Exponent::None;
    for (QChar c : std::as_const(digits))
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Exponent::None;
    const qsizetype whole = (point < 0 ? mantissa.size() : point) + exponent;
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == QLatin1Char('0'))
        ++zeros;
    const qint64 first = whole - 1 - zeros; // power of ten of the first significant digit
    if (first > highest || first < lowest)
        return Exponent::OutOfRange;
    if (whole <= 0)
        digits = QLatin1Char('0') + sep + QString(-whole, QLatin1Char('0')) + digits;
    else if (whole >= digits.size())
        digits += QString(whole - digits.size(), QLatin1Char('0'));
    else
        digits.insert(whole, sep);
    text = (negative ? QStringLiteral("-") : QString()) + digits;
    return Exponent::WrittenOut;
}

// A sign, then only what an entry takes as part of a number: digits, the letter digits of
// bases and roman numerals, separators and the ';' of integer lists.
bool isEnterable(const QString& text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                           || (c >= QLatin1Char('A') && c <= QLatin1Char('X'));
        if (!digit && c != QLatin1Char(',') && c != QLatin1Char('.') && c != QLatin1Char(';'))
            return false;
    }
    return true;
}

} // namespace

TapeLineParts splitTapeLine(const QString& line)
{
    TapeLineParts parts;
    if (line.isEmpty())
        return parts;
    parts.op = line.right(1);
    const QString rest = line.left(line.size() - 1);
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (hash < 0) {
        parts.body = rest;
    } else {
        parts.count = rest.left(hash);
        parts.body = rest.mid(hash + 1);
    }
    return parts;
}

QString tapeLineColumns(const QString& line)
{
    QString text = line;
    if (!text.isEmpty())
        text.insert(text.size() - 1, QLatin1Char(' '));
    else
        text = QStringLiteral(" ");
    if (text.size() >= Columns)
        return text.right(Columns);
    return QString(Columns - text.size(), QLatin1Char(' ')) + text;
}

QByteArray historyFileBytes(const QList<RechnerCore::TapeLine>& lines)
{
    QByteArray bytes;
    bytes.reserve(lines.size() * (Columns + 2));
    for (const RechnerCore::TapeLine& line : lines) {
        // Operator bytes and the body's characters alike land on their code-page byte.
        bytes += Cp1252::encode(tapeLineColumns(line.text));
        bytes += "\r\n";
    }
    return bytes;
}

QString historyClipboardText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        const QString columns = tapeLineColumns(line);
        text += columns.left(columns.size() - 1) + RechnerCore::operatorGlyph(columns.right(1))
                + QLatin1String("\r\n");
    }
    return text;
}

QString tapeLineNumber(const QString& line, int system)
{
    QString text = splitTapeLine(line).body;
    // "(10 %) 5": the amount after its percentage; "Rest 2": the remainder after modulo.
    if (text.startsWith(QLatin1Char('('))) {
        const qsizetype close = text.indexOf(QLatin1String(") "));
        if (close >= 0)
            text.remove(0, close + 2);
    }
    if (text.startsWith(QLatin1String("Rest ")))
        text.remove(0, 5);
    // A date is shown "01. 02. 2000"; its blanks are no end of the number.
    text.replace(QLatin1String(". "), QLatin1String("."));
    // The number ends at the first blank: a currency, " Tage" or the " = " of a percentage
    // or ggT line may follow.
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        text.truncate(blank);
    if (text.endsWith(QLatin1String("Tage")))
        text.chop(4);
    // A function call gives its argument: "sin(30", "ggT(4;6)".
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open >= 0) {
        text.remove(0, open + 1);
        if (text.endsWith(QLatin1Char(')')))
            text.chop(1);
    }
    // From base 15 on, 'E' is a digit and the text is read as it stands.
    if (system < 15 && writeOutExponent(text) == Exponent::OutOfRange)
        return QString();
    return isEnterable(text) ? text : QString();
}

} // namespace vdl
