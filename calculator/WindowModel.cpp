#include "calculator/WindowModel.h"
#include "calculator/Codes.h"
#include <algorithm>

namespace vdl {

WindowModel::WindowModel(QObject* parent) : QObject(parent) {}

namespace {

// The windows stand in the order they were made, and so by number.
template <typename Entries>
auto findIn(Entries& entries, int number) -> decltype(&*entries.begin())
{
    const auto it = std::lower_bound(entries.begin(), entries.end(), number,
                                     [](const WindowEntry& window, int n) { return window.number < n; });
    return it == entries.end() || it->number != number ? nullptr : &*it;
}

} // namespace

WindowEntry* WindowModel::entry(int number)
{
    return findIn(m_entries, number);
}

const WindowEntry* WindowModel::find(int number) const
{
    return findIn(m_entries, number);
}

int WindowModel::add(const QString& Type, const QString& Name)
{
    const int number = ++m_counter;
    // A name of its own: type and number, counted on where a renamed or loaded window
    // already has that name.
    QString name = Name;
    for (int k = number; name.isEmpty() || (Name.isEmpty() && numberOf(name) != 0); ++k)
        name = Type + QString::number(k);
    WindowEntry added{number, name, Type};
    added.choices.reserve(m_entries.size());
    for (WindowEntry& other : m_entries) {
        other.choices << number;
        added.choices << other.number;
        m_change.touched.insert(other.number);
    }
    m_entries << added;
    m_change.touched.insert(number);
    m_change.windows = true;
    m_pending = true;
    announce();
    return number;
}

bool WindowModel::remove(int number)
{
    const WindowEntry* gone = find(number);
    if (!gone)
        return false;
    m_entries.removeAt(gone - m_entries.constData());
    for (WindowEntry& other : m_entries) {
        if (other.memory == number) {
            other.memory = 0;
            other.autoTransfer = false;
            m_change.touched.insert(other.number);
        }
    }
    // It leaves the lists when the change is announced: all windows that close in one batch
    // leave them in one pass, and when all close, no list is left to search.
    m_closed.insert(number);
    m_change.touched.remove(number);
    m_change.renamed.remove(number);
    m_change.windows = true;
    m_pending = true;
    announce();
    return true;
}

void WindowModel::dropClosed()
{
    if (m_closed.isEmpty())
        return;
    for (WindowEntry& other : m_entries) {
        if (other.choices.removeIf([this](int n) { return m_closed.contains(n); }) > 0)
            m_change.touched.insert(other.number);
    }
    m_closed.clear();
}

bool WindowModel::link(int number, int memory)
{
    WindowEntry* window = entry(number);
    if (!window || (memory != 0 && (!find(memory) || !window->choices.contains(memory))))
        return false;
    // Only one's own list is shown; the memory's list must keep what the memory has chosen.
    if (WindowEntry* former = entry(window->memory); former && !former->choices.contains(number)) {
        former->choices << number;
        m_change.touched.insert(former->number);
    }
    if (WindowEntry* chosen = entry(memory); chosen && chosen->memory != number && chosen->choices.removeOne(number))
        m_change.touched.insert(chosen->number);
    window->memory = memory;
    if (memory == 0)
        window->autoTransfer = false;
    else if (isMemoryType(number))
        window->autoTransfer = true; // a memory that links onward passes everything on
    m_change.touched.insert(number);
    m_pending = true;
    announce();
    return true;
}

bool WindowModel::linkByName(const QString& name, const QString& memoryName)
{
    const int number = numberOf(name);
    const int memory = numberOf(memoryName);
    return number && memory && link(number, memory);
}

bool WindowModel::setAutoTransfer(int number, bool on)
{
    WindowEntry* window = entry(number);
    if (!window || window->autoTransfer == on || (on && window->memory == 0))
        return false;
    window->autoTransfer = on;
    m_change.touched.insert(number);
    m_pending = true;
    announce();
    return true;
}

bool WindowModel::closesCircle(int number, int memory) const
{
    bool circle = false;
    walk(memory, [&](int next) { return !(circle = next == number); });
    return circle || (memory != 0 && memory == number);
}

WindowModel::NameCheck WindowModel::checkName(int number, const QString& Name) const
{
    const QString name = Name.trimmed();
    if (name.isEmpty())
        return NameCheck::Empty;
    const WindowEntry* window = find(number);
    for (const WindowEntry& other : m_entries) {
        if (other.name == name && (!window || other.name != window->name))
            return NameCheck::Taken;
    }
    return NameCheck::Free;
}

bool WindowModel::rename(int number, const QString& Name)
{
    const QString name = Name.trimmed();
    const WindowEntry* window = find(number);
    if (!window || checkName(number, name) != NameCheck::Free)
        return false;
    if (window->name == name)
        return true;
    const QString old = window->name;
    QSet<int> renamed;
    for (WindowEntry& other : m_entries) {
        if (other.name == old) {
            other.name = name;
            renamed.insert(other.number);
        }
    }
    // Their captions, and every list that offers one of them.
    for (const WindowEntry& other : std::as_const(m_entries)) {
        if (renamed.contains(other.number)
            || std::any_of(other.choices.cbegin(), other.choices.cend(), [&](int n) { return renamed.contains(n); }))
            m_change.touched.insert(other.number);
    }
    m_change.renamed.unite(renamed);
    m_change.windows = true;
    m_pending = true;
    announce();
    return true;
}

void WindowModel::announce()
{
    if (m_batches > 0 || !m_pending)
        return;
    dropClosed();
    m_pending = false;
    m_announced = std::exchange(m_change, {});
    emit changed();
}

int WindowModel::numberOf(const QString& name) const
{
    for (const WindowEntry& window : m_entries) {
        if (window.name == name)
            return window.number;
    }
    return 0;
}

int WindowModel::memoryOf(int number) const
{
    const WindowEntry* window = find(number);
    return window ? window->memory : 0;
}

bool WindowModel::isMemoryType(int number) const
{
    const WindowEntry* window = find(number);
    return window && hasWindowType(window->type, WindowType::Speicher);
}

void WindowModel::walk(int start, const std::function<bool(int)>& visit, QSet<int> passed) const
{
    if (!find(start))
        return;
    passed.insert(start);
    for (int memory = memoryOf(start); memory && !passed.contains(memory); memory = memoryOf(memory)) {
        passed.insert(memory);
        if (!visit(memory))
            return;
    }
}

} // namespace vdl
