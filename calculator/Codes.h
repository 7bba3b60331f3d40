#pragma once
// Named codes for what windows, lists and layout files store as numbers and texts: the number
// systems (the codes of FSystem) and the two window types (the texts of FTyp). Fields and files
// keep the numbers and texts; code compares them through the names here.
#include <QString>

namespace vdl {

struct NumberSystem {
    enum Code : int {
        Currency = -4,
        Time = -3,
        Date = -2,
        Roman = -1,
        Binary = 2,
        Quaternary = 4,
        Octal = 8,
        Decimal = 10,
        Hexadecimal = 16,
        Base32 = 32,
    };
    static constexpr int MinBase = 2;
    static constexpr int MaxBase = 32;

    static constexpr bool isBase(int code) { return code >= MinBase && code <= MaxBase; }
    // Decimal numbers with places, a currency's amounts too.
    static constexpr bool hasDecimals(int code) { return code == Decimal || code == Currency; }
    // Digits beyond 9 are letters, typed on the letter keypad too.
    static constexpr bool hasLetterDigits(int code) { return code > Decimal; }
    // The bases the short system list keeps.
    static constexpr bool isMainBase(int code)
    {
        return code == Binary || code == Quaternary || code == Octal || code == Decimal || code == Hexadecimal
               || code == Base32;
    }
};

enum class WindowType { Rechner, Speicher };

// "Rechner" or "Speicher", as FTyp and the window names hold them.
inline QString windowTypeText(WindowType type)
{
    return type == WindowType::Rechner ? QStringLiteral("Rechner") : QStringLiteral("Speicher");
}

// Whether a type text names this type; the case of its letters does not count.
inline bool hasWindowType(const QString& text, WindowType type)
{
    return text.compare(windowTypeText(type), Qt::CaseInsensitive) == 0;
}

} // namespace vdl
