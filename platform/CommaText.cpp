#include "platform/CommaText.h"

namespace vdl {

namespace {
bool isBlank(QChar c) { return c.unicode() <= 0x20; }
const QChar kQuote = QLatin1Char('"');
const QChar kComma = QLatin1Char(',');
} // namespace

QStringList ParseCommaText(const QString& text)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        QString item;
        if (text[i] == kQuote) {
            for (++i; i < n; ++i) {
                if (text[i] == kQuote) {
                    if (i + 1 < n && text[i + 1] == kQuote) {
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                }
                item += text[i];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]) && text[i] != kComma)
                ++i;
            item = text.mid(start, i - start);
        }
        items << item;
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == kComma) {
            if (i + 1 == n)
                items << QString();
            do
                ++i;
            while (i < n && isBlank(text[i]));
        }
    }
    return items;
}

QString ToCommaText(const QStringList& items)
{
    QStringList parts;
    for (const QString& item : items) {
        bool quote = item.isEmpty();
        for (QChar c : item)
            quote = quote || isBlank(c) || c == kQuote || c == kComma;
        if (quote)
            parts << kQuote + QString(item).replace(kQuote, QStringLiteral("\"\"")) + kQuote;
        else
            parts << item;
    }
    return parts.join(kComma);
}

} // namespace vdl
