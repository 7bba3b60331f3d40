#include "platform/StringList.h"
#include "platform/CommaText.h"
#include "platform/Cp1252.h"
#include <algorithm>

namespace vdl {

int StringList::add(const QString& s, qintptr object)
{
    m_items.append({s, object});
    return count() - 1;
}

void StringList::insert(int index, const QString& s, qintptr object)
{
    m_items.insert(index, {s, object});
}

int StringList::indexOf(const QString& s) const
{
    const QString key = Cp1252::upper(s);
    for (int i = 0; i < count(); ++i) {
        if (Cp1252::upper(m_items[i].text) == key)
            return i;
    }
    return -1;
}

void StringList::sort(const std::function<bool(const QString&, const QString&)>& less)
{
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const Item& a, const Item& b) { return less(a.text, b.text); });
}

QStringList StringList::strings() const
{
    QStringList list;
    list.reserve(count());
    for (const Item& item : m_items)
        list << item.text;
    return list;
}

void StringList::setStrings(const QStringList& list)
{
    m_items.clear();
    for (const QString& s : list)
        add(s);
}

QString StringList::commaText() const
{
    return ToCommaText(strings());
}

void StringList::setCommaText(const QString& text)
{
    setStrings(ParseCommaText(text));
}

QString StringList::text() const
{
    QString t;
    for (const Item& item : m_items)
        t += item.text + QLatin1String("\r\n");
    return t;
}

} // namespace vdl
