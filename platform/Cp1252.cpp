#include "platform/Cp1252.h"
#include <array>

namespace vdl::Cp1252 {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1. The five undefined bytes keep their
// own code points so that any file survives a read and a write unchanged.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Upper and lower case of the code page's letters beyond ASCII and Latin-1's plain
// 0x20 offset: š/Š, œ/Œ, ž/Ž, ÿ/Ÿ.
struct CasePair {
    char16_t lower, upper;
};
constexpr std::array<CasePair, 4> kExtraCase = {{
    {0x0161, 0x0160}, {0x0153, 0x0152}, {0x017E, 0x017D}, {0x00FF, 0x0178},
}};

} // namespace

QChar toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? QChar(kHigh[byte - 0x80]) : QChar(byte);
}

bool fromUnicode(QChar c, unsigned char& byte)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    for (int i = 0; i < int(kHigh.size()); ++i) {
        if (kHigh[i] == u) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

QString decode(const QByteArray& bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        s[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return s;
}

QByteArray encode(const QString& text, char replacement)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        unsigned char b;
        if (fromUnicode(text[i], b)) {
            out.append(static_cast<char>(b));
        } else {
            out.append(replacement);
            // One replacement per character, not per UTF-16 half.
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
    }
    return out;
}

bool canEncode(const QString& text)
{
    unsigned char b;
    for (QChar c : text) {
        if (!fromUnicode(c, b))
            return false;
    }
    return true;
}

QChar upper(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return QChar(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) // à..þ without ÷
        return QChar(u - 0x20);
    for (const auto& p : kExtraCase) {
        if (p.lower == u)
            return QChar(p.upper);
    }
    return c;
}

QChar lower(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return QChar(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) // À..Þ without ×
        return QChar(u + 0x20);
    for (const auto& p : kExtraCase) {
        if (p.upper == u)
            return QChar(p.lower);
    }
    return c;
}

QString upper(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = upper(c);
    return r;
}

QString lower(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = lower(c);
    return r;
}

} // namespace vdl::Cp1252
