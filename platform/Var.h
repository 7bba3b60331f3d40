#pragma once
// The variant the toolkit's routines take: empty, integer, float, date (day number) or text.
#include <QString>
#include <concepts>

namespace vdl {

class Var {
public:
    enum class Type { Empty, Int, Float, Date, Text };

    Var() = default;
    Var(int v) : m_type(Type::Int), m_num(v) {}
    Var(long long v) : m_type(Type::Int), m_num(static_cast<long double>(v)) {}
    // Any other integer type (long, unsigned, size_t) is an integer too, not an ambiguous call.
    template <std::integral T>
        requires(!std::same_as<T, int> && !std::same_as<T, long long> && !std::same_as<T, bool>)
    Var(T v) : m_type(Type::Int), m_num(static_cast<long double>(v)) {}
    Var(double v) : m_type(Type::Float), m_num(v) {}
    Var(long double v) : m_type(Type::Float), m_num(v) {}
    Var(const QString& s) : m_type(Type::Text), m_text(s) {}
    Var(const char* s) : m_type(Type::Text), m_text(QString::fromUtf8(s)) {}
    static Var date(double dayNumber);

    Type type() const { return m_type; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNumeric() const { return m_type == Type::Int || m_type == Type::Float || m_type == Type::Date; }
    bool isDate() const { return m_type == Type::Date; }
    bool isText() const { return m_type == Type::Text; }

    // Text through StrToFloat (regional separator, ConvertError on failure); empty gives 0.
    long double toFloat() const;
    // Numbers through FloatToStr, dates through DateToStr.
    QString toString() const;

private:
    Type m_type = Type::Empty;
    long double m_num = 0;
    QString m_text;
};

} // namespace vdl
