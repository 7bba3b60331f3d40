#include "calculator/LinkChoices.h"
#include "calculator/WindowModel.h"
#include <algorithm>
#include <cstring>

namespace vdl {

namespace {

QString nameOf(const WindowModel& model, int number)
{
    const WindowEntry* window = model.find(number);
    return window ? window->name : QString();
}

} // namespace

int LinkChoices::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_numbers.size()) + 1;
}

QVariant LinkChoices::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row > m_numbers.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return row == 0 ? QStringLiteral("(kein Speicher)") : m_names[row - 1];
    case Qt::UserRole: return row == 0 ? 0 : m_numbers[row - 1];
    default: return {};
    }
}

int LinkChoices::rowOf(int number) const
{
    return number == 0 ? 0 : int(m_numbers.indexOf(number)) + 1;
}

void LinkChoices::setName(qsizetype i, const QString& name)
{
    if (m_names[i] == name)
        return;
    m_names[i] = name;
    const QModelIndex row = index(int(i) + 1);
    emit dataChanged(row, row);
}

void LinkChoices::show(const WindowModel& model, const QList<int>& wanted, const QSet<int>* renamed)
{
    if (!renamed) {
        for (qsizetype i = 0; i < m_numbers.size(); ++i)
            setName(i, nameOf(model, m_numbers[i]));
    } else {
        for (const int number : *renamed) {
            if (const qsizetype i = m_numbers.indexOf(number); i >= 0)
                setName(i, nameOf(model, number));
        }
    }
    // Mostly the list stands as it was, or a new window joins its end: the start they share is
    // passed over in one comparison. (An empty list is never handed to memcmp: its data may be
    // null, which Qt's own list comparison does not check.)
    qsizetype i = 0;
    if (!m_numbers.isEmpty() && m_numbers.size() <= wanted.size()
        && std::memcmp(m_numbers.constData(), wanted.constData(), m_numbers.size() * sizeof(int)) == 0)
        i = m_numbers.size();
    else
        i = std::mismatch(m_numbers.cbegin(), m_numbers.cend(), wanted.cbegin(), wanted.cend()).first - m_numbers.cbegin();
    if (i == m_numbers.size() && i == wanted.size())
        return;
    qsizetype j = i;
    while (i < m_numbers.size()) {
        if (j < wanted.size() && m_numbers.at(i) == wanted.at(j)) {
            ++i;
            ++j;
        } else if (!wanted.contains(m_numbers.at(i))) {
            beginRemoveRows(QModelIndex(), int(i) + 1, int(i) + 1);
            m_numbers.removeAt(i);
            m_names.removeAt(i);
            endRemoveRows();
        } else {
            // Another order: from here on the list is made anew.
            beginRemoveRows(QModelIndex(), int(i) + 1, int(m_numbers.size()));
            m_numbers.resize(i);
            m_names.resize(i);
            endRemoveRows();
            break;
        }
    }
    if (j == wanted.size())
        return;
    // The rest at once: one insertion for the box, not one for each window.
    // Lists mostly offer the windows in the model's order: each name is looked for right after
    // the one before, and searched for only when it is not there.
    beginInsertRows(QModelIndex(), int(m_numbers.size()) + 1, int(m_numbers.size() + wanted.size() - j));
    const WindowEntry* const end = model.entries().constData() + model.entries().size();
    const WindowEntry* next = end;
    for (; j < wanted.size(); ++j) {
        if (next == end || next->number != wanted[j])
            next = model.find(wanted[j]);
        m_numbers << wanted[j];
        m_names << (next ? next->name : QString());
        next = next ? next + 1 : end;
    }
    endInsertRows();
}

} // namespace vdl
