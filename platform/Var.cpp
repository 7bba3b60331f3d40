#include "platform/Var.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"

namespace vdl {

Var Var::date(double dayNumber)
{
    Var v(dayNumber);
    v.m_type = Type::Date;
    return v;
}

long double Var::toFloat() const
{
    switch (m_type) {
    case Type::Empty: return 0;
    case Type::Text: return StrToFloat(m_text);
    default: return m_num;
    }
}

QString Var::toString() const
{
    switch (m_type) {
    case Type::Empty: return QString();
    case Type::Int: return IntToStr(static_cast<long long>(m_num));
    case Type::Float: return FloatToStr(m_num);
    case Type::Date: return DateToStr(double(m_num));
    case Type::Text: return m_text;
    }
    return QString();
}

} // namespace vdl
