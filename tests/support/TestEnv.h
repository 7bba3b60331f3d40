#pragma once
// Settings every test program starts from: German separators and a fixed "now"; values
// written in C notation, read the same under every locale.
#include "platform/Clock.h"
#include "platform/Regional.h"
#include <QFile>
#include <charconv>
#include <cstring>

namespace vdl::test {

// Sunday 06.12.2026 12:00:00 is "now" in every test that does not pin another time.
inline QDateTime pinnedNow()
{
    return QDateTime(QDate(2026, 12, 6), QTime(12, 0));
}

inline void pinGerman()
{
    Regional::set(Regional::german());
    Clock::pin(pinnedNow());
}

inline void pinEnglish()
{
    Regional r = Regional::german();
    r.decimalSeparator = QLatin1Char('.');
    r.thousandSeparator = QLatin1Char(',');
    Regional::set(r);
    Clock::pin(pinnedNow());
}

// "2.675", "1e-300": the long double nearest to a C-notation text, whatever LC_NUMERIC says.
inline long double ld(const char* text)
{
    long double v = 0;
    std::from_chars(text, text + std::strlen(text), v);
    return v;
}

// A file's bytes, "(keine Datei)" when there is none to read.
inline QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(keine Datei)");
}

// Puts a file in place as a test's starting point; false when that failed.
inline bool putFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

} // namespace vdl::test
