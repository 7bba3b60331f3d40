#include "toolkit/SettingsStore.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vdl::SettingsStore {
namespace {

QString g_dir;

struct Section {
    QString path; // without leading or trailing "\"
    QList<std::pair<QString, QString>> values;
    QHash<QString, qsizetype> index; // folded name -> position in values
};
// Looked up through folded names: a linear search per line made loading quadratic.
struct Document {
    QList<Section> sections;
    QHash<QString, qsizetype> index; // folded path -> position in sections
};

QString normalKey(const QString& key)
{
    qsizetype from = 0, to = key.size();
    while (from < to && key[from] == QLatin1Char('\\'))
        ++from;
    while (to > from && key[to - 1] == QLatin1Char('\\'))
        --to;
    return key.mid(from, to - from);
}

// Escapes: "\\", "\r", "\n", and in names "\=" and "\[" (a name must not end early or look like a
// section). A backslash before any other character stands for itself, so hand-written paths
// such as C:\Daten read as they look.
bool escapable(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('r') || c == QLatin1Char('n') || c == QLatin1Char('=')
        || c == QLatin1Char('[') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

void appendEscaped(QString& out, const QString& s, bool isName)
{
    const auto plain = [isName](QChar c) {
        return c != QLatin1Char('\\') && c != QLatin1Char('\r') && c != QLatin1Char('\n')
            && !(isName && (c == QLatin1Char('=') || c == QLatin1Char('[')));
    };
    if (std::all_of(s.cbegin(), s.cend(), plain)) {
        out += s;
        return;
    }
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\\')) {
            // The '=' after a name follows its last character.
            const QChar next = i + 1 < s.size() ? s[i + 1] : (isName ? QLatin1Char('=') : QChar());
            out += escapable(next) ? QLatin1String("\\\\") : QLatin1String("\\");
        } else if (isName && (c == QLatin1Char('=') || c == QLatin1Char('[')))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
}

// Reads from pos up to the first unescaped stop character (or the end); pos is left on it.
QString unescape(QStringView s, qsizetype& pos, QChar stop)
{
    // Most texts hold no backslash: taken in one piece, which keeps loading a large file quick.
    const qsizetype from = pos;
    while (pos < s.size() && s[pos] != stop && s[pos] != QLatin1Char('\\'))
        ++pos;
    QString out = s.mid(from, pos - from).toString();
    for (; pos < s.size() && s[pos] != stop; ++pos) {
        const QChar c = s[pos];
        if (c == QLatin1Char('\\') && pos + 1 < s.size()) {
            const QChar next = s[pos + 1];
            if (next == QLatin1Char('r') || next == QLatin1Char('n') || next == QLatin1Char('\\')
                || next == QLatin1Char('=') || next == QLatin1Char('[')) {
                out += next == QLatin1Char('r') ? QChar(u'\r') : next == QLatin1Char('n') ? QChar(u'\n') : next;
                ++pos;
                continue;
            }
        }
        out += c;
    }
    return out;
}

Section* findSection(Document& doc, const QString& path)
{
    const qsizetype i = doc.index.value(Cp1252::upper(path), -1);
    return i < 0 ? nullptr : &doc.sections[i];
}

Section& addSection(Document& doc, const QString& path)
{
    doc.index.insert(Cp1252::upper(path), doc.sections.size());
    doc.sections.append({path, {}, {}});
    return doc.sections.last();
}

qsizetype findValue(const Section& s, const QString& name)
{
    return s.index.value(Cp1252::upper(name), -1);
}

void addValue(Section& s, const QString& name, const QString& value)
{
    s.index.insert(Cp1252::upper(name), s.values.size());
    s.values.append({name, value});
}

void removeValue(Section& s, qsizetype i)
{
    s.values.removeAt(i);
    s.index.clear();
    for (qsizetype k = 0; k < s.values.size(); ++k)
        s.index.insert(Cp1252::upper(s.values[k].first), k);
}

// A section line; trailing blanks left by a hand edit do not make it a value line.
bool sectionLine(QStringView line, QString& path)
{
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == QLatin1Char(' ') || line[end - 1] == QLatin1Char('\t')))
        --end;
    if (!line.startsWith(QLatin1Char('[')) || end < 2 || line[end - 1] != QLatin1Char(']'))
        return false;
    path = normalKey(line.mid(1, end - 2).toString());
    return true;
}

Document load(bool currentUser)
{
    Document doc;
    QFile f(fileName(currentUser));
    if (!f.open(QIODevice::ReadOnly))
        return doc;
    Section* current = nullptr;
    const QString text = QString::fromUtf8(f.readAll());
    for (qsizetype start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QString path;
        if (sectionLine(line, path)) {
            // A section repeated by hand joins the first one of its name.
            current = findSection(doc, path);
            if (!current)
                current = &addSection(doc, path);
            continue;
        }
        qsizetype pos = 0;
        const QString name = unescape(line, pos, QLatin1Char('='));
        if (!current || pos >= line.size())
            continue; // no section yet, or no '=': not a value line
        ++pos;
        if (findValue(*current, name) < 0)
            addValue(*current, name, unescape(line, pos, QLatin1Char('\n')));
    }
    return doc;
}

bool save(bool currentUser, const Document& doc)
{
    QString text;
    for (const Section& s : doc.sections) {
        text += QLatin1String("[\\") + s.path + QLatin1String("]\n");
        for (const auto& [name, value] : s.values) {
            appendEscaped(text, name, true);
            text += QLatin1Char('=');
            appendEscaped(text, value, false);
            text += QLatin1Char('\n');
        }
    }
    return AtomicFile::replace(fileName(currentUser), text.toUtf8());
}

// Held while a writer reads, changes and saves the file. The system's lock queues the writers
// and lets none of them give up; it ends with the process, so a crashed instance leaves no
// stale lock behind.
class WriterLock {
public:
    explicit WriterLock(const QString& name)
        : m_fd(::open(QFile::encodeName(name).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
            }
        }
    }
    ~WriterLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Runs change on the freshly read file under the lock and saves when change returns true.
template <typename Change>
bool modify(bool currentUser, Change change)
{
    if (!QDir().mkpath(dir()))
        return false;
    const WriterLock lock(fileName(currentUser) + QLatin1String(".lock"));
    if (!lock.held())
        return false;
    Document doc = load(currentUser);
    return !change(doc) || save(currentUser, doc);
}

} // namespace

QString dir()
{
    if (!g_dir.isEmpty())
        return g_dir;
    const QString env = qEnvironmentVariable("VDL_SETTINGS_DIR");
    if (!env.isEmpty())
        return env;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (config.isEmpty() ? QDir::homePath() + QLatin1String("/.config") : config) + QLatin1String("/vdl");
}

void setDir(const QString& dir)
{
    g_dir = dir;
}

QString fileName(bool currentUser)
{
    return dir() + (currentUser ? QLatin1String("/HKEY_CURRENT_USER.ini") : QLatin1String("/HKEY_LOCAL_MACHINE.ini"));
}

QString value(bool currentUser, const QString& key, const QString& name)
{
    return valuesOf(currentUser, key, {name}).first();
}

QStringList valuesOf(bool currentUser, const QString& key, const QStringList& names)
{
    Document doc = load(currentUser);
    const Section* s = findSection(doc, normalKey(key));
    QStringList found;
    for (const QString& name : names) {
        const qsizetype i = s ? findValue(*s, name) : -1;
        found << (i < 0 ? QString() : s->values[i].second);
    }
    return found;
}

bool setValue(bool currentUser, const QString& key, const QString& name, const QString& value)
{
    // A line break in a key path would break the section line apart.
    if (key.contains(QLatin1Char('\n')) || key.contains(QLatin1Char('\r')))
        return false;
    const QString path = normalKey(key);
    return modify(currentUser, [&](Document& doc) {
        Section* s = findSection(doc, path);
        if (!s)
            s = &addSection(doc, path);
        const qsizetype i = findValue(*s, name);
        if (i < 0)
            addValue(*s, name, value);
        else
            s->values[i].second = value;
        return true;
    });
}

bool addMissingValues(bool currentUser, const QString& key, const QStringList& names, const QStringList& values)
{
    if (key.contains(QLatin1Char('\n')) || key.contains(QLatin1Char('\r')))
        return false;
    const QString path = normalKey(key);
    // Read first without the lock: at a later start everything is there and nothing is locked.
    const QStringList present = valuesOf(currentUser, key, names);
    if (std::none_of(present.cbegin(), present.cend(), [](const QString& v) { return v.isEmpty(); }))
        return true;
    return modify(currentUser, [&](Document& doc) {
        Section* s = findSection(doc, path);
        if (!s)
            s = &addSection(doc, path);
        bool added = false;
        for (qsizetype i = 0; i < names.size() && i < values.size(); ++i) {
            if (findValue(*s, names[i]) < 0) {
                addValue(*s, names[i], values[i]);
                added = true;
            }
        }
        return added;
    });
}

bool deleteValue(bool currentUser, const QString& key, const QString& name)
{
    const QString path = normalKey(key);
    return modify(currentUser, [&](Document& doc) {
        Section* s = findSection(doc, path);
        const qsizetype i = s ? findValue(*s, name) : -1;
        if (i < 0)
            return false;
        removeValue(*s, i); // the key itself stays, as in the registry
        return true;
    });
}

bool values(bool currentUser, const QString& key, QStringList& names, QStringList& values)
{
    Document doc = load(currentUser);
    const QString path = normalKey(key);
    const Section* s = findSection(doc, path);
    if (!s) {
        // A key that holds nothing but sub-keys exists too.
        const QString below = Cp1252::upper(path) + QLatin1Char('\\');
        if (std::none_of(doc.sections.cbegin(), doc.sections.cend(),
                         [&](const Section& o) { return Cp1252::upper(o.path).startsWith(below); }))
            return false;
    }
    names.clear();
    if (s)
        for (const auto& [name, value] : s->values) {
            names.append(name);
            values.append(value);
        }
    return true;
}

} // namespace vdl::SettingsStore
