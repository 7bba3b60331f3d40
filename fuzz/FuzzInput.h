#pragma once
// What the fuzz targets share: the input read front to back as header bytes, numbers and
// texts, a fixed environment (pinned clock, scripted message boxes) so that every run of an
// input behaves the same, and a check that aborts with a readable reason.
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <clocale>
#include <cstring>

namespace vdl::fuzz {

// Reads the input in order; past its end every read gives 0 or an empty text.
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    int32_t int32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(byte()) << (8 * i);
        return int32_t(v);
    }

    double float64()
    {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= uint64_t(byte()) << (8 * i);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    // Any value the 80-bit format can hold (normal, denormal, zero, infinity, NaN with any
    // payload), but never one of the encodings no arithmetic produces: the explicit integer
    // bit is set exactly when the exponent is not zero.
    long double float80()
    {
        uint64_t mantissa = 0;
        for (int i = 0; i < 8; ++i)
            mantissa |= uint64_t(byte()) << (8 * i);
        const uint16_t signAndExponent = uint16_t(byte() | (byte() << 8));
        const uint64_t integerBit = uint64_t(1) << 63;
        if (signAndExponent & 0x7FFF)
            mantissa |= integerBit;
        else
            mantissa &= ~integerBit;
        unsigned char raw[sizeof(long double)] = {};
        std::memcpy(raw, &mantissa, 8);
        std::memcpy(raw + 8, &signAndExponent, 2);
        long double v;
        std::memcpy(&v, raw, sizeof v);
        return v;
    }

    // The bytes up to the next `stop` (dropped) or the end, as Windows-1252 text.
    QString text(char stop = '\n')
    {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != uint8_t(stop))
            ++m_pos;
        const size_t end = m_pos;
        if (m_pos < m_size)
            ++m_pos;
        return Cp1252::decode(QByteArray(reinterpret_cast<const char*>(m_data + start), qsizetype(end - start)));
    }

    // Everything not read yet, as raw bytes.
    QByteArray rest()
    {
        const QByteArray bytes(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return bytes;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// German separators (',' decimal, '.' grouping) or English ones ('.' and ',').
inline void useSeparators(bool english)
{
    Regional r = Regional::german();
    if (english) {
        r.decimalSeparator = QLatin1Char('.');
        r.thousandSeparator = QLatin1Char(',');
    }
    Regional::set(r);
}

// The fixed surroundings of every input: the C library in the user's locale (as the program
// runs once Qt has started), a pinned "now" and message boxes that answer with their default
// button. Returns the prompter, its record emptied.
inline ScriptedPrompter& environment()
{
    static ScriptedPrompter* prompter = [] {
        std::setlocale(LC_ALL, "");
        Clock::pin(QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        return new ScriptedPrompter;
    }();
    prompter->calls.clear();
    return *prompter;
}

[[noreturn]] inline void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "check failed: %s [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool ok, const char* what, const QString& detail = QString())
{
    if (!ok)
        fail(what, detail);
}

} // namespace vdl::fuzz
