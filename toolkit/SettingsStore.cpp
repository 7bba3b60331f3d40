#include "toolkit/SettingsStore.h"
#include "platform/Cp1252.h"
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <algorithm>
#include <utility>

namespace vdl::SettingsStore {
namespace {

QString g_dir;

struct Section {
    QString path; // without leading or trailing "\"
    QList<std::pair<QString, QString>> values;
};
using Document = QList<Section>;

QString normalKey(const QString& key)
{
    qsizetype from = 0, to = key.size();
    while (from < to && key[from] == QLatin1Char('\\'))
        ++from;
    while (to > from && key[to - 1] == QLatin1Char('\\'))
        --to;
    return key.mid(from, to - from);
}

bool sameText(const QString& a, const QString& b)
{
    return a.size() == b.size() && Cp1252::upper(a) == Cp1252::upper(b);
}

// Escapes: "\\", "\r", "\n", and in names "\=" and "\[" (a name must not end early or look like a
// section). A backslash before any other character stands for itself, so hand-written paths
// such as C:\Daten read as they look.
bool escapable(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('r') || c == QLatin1Char('n') || c == QLatin1Char('=')
        || c == QLatin1Char('[') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString escape(const QString& s, bool isName)
{
    QString out;
    out.reserve(s.size());
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
    return out;
}

// Reads from pos up to the first unescaped stop character (or the end); pos is left on it.
QString unescape(const QString& s, qsizetype& pos, QChar stop)
{
    QString out;
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
    for (Section& s : doc)
        if (sameText(s.path, path))
            return &s;
    return nullptr;
}

qsizetype findValue(const Section& s, const QString& name)
{
    for (qsizetype i = 0; i < s.values.size(); ++i)
        if (sameText(s.values[i].first, name))
            return i;
    return -1;
}

Document load(bool currentUser)
{
    Document doc;
    QFile f(fileName(currentUser));
    if (!f.open(QIODevice::ReadOnly))
        return doc;
    Section* current = nullptr;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            // A section repeated by hand joins the first one of its name.
            const QString path = normalKey(line.mid(1, line.size() - 2));
            current = findSection(doc, path);
            if (!current) {
                doc.append({path, {}});
                current = &doc.last();
            }
            continue;
        }
        qsizetype pos = 0;
        const QString name = unescape(line, pos, QLatin1Char('='));
        if (!current || pos >= line.size())
            continue; // no section yet, or no '=': not a value line
        ++pos;
        if (findValue(*current, name) < 0)
            current->values.append({name, unescape(line, pos, QLatin1Char('\n'))});
    }
    return doc;
}

bool save(bool currentUser, const Document& doc)
{
    QString text;
    for (const Section& s : doc) {
        text += QLatin1String("[\\") + s.path + QLatin1String("]\n");
        for (const auto& [name, value] : s.values)
            text += escape(name, true) + QLatin1Char('=') + escape(value, false) + QLatin1Char('\n');
    }
    QSaveFile f(fileName(currentUser));
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0 && f.commit();
}

// Runs change on the freshly read file under the lock and saves when change returns true.
template <typename Change>
bool modify(bool currentUser, Change change)
{
    if (!QDir().mkpath(dir()))
        return false;
    QLockFile lock(fileName(currentUser) + QLatin1String(".lock"));
    // An instance that hangs must not block this one forever; the write is dropped then.
    if (!lock.tryLock(10000))
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
        if (!s) {
            doc.append({path, {}});
            s = &doc.last();
        }
        const qsizetype i = findValue(*s, name);
        if (i < 0)
            s->values.append({name, value});
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
        if (!s) {
            doc.append({path, {}});
            s = &doc.last();
        }
        bool added = false;
        for (qsizetype i = 0; i < names.size() && i < values.size(); ++i) {
            if (findValue(*s, names[i]) < 0) {
                s->values.append({names[i], values[i]});
                added = true;
            }
        }
        return added;
    });
}

void deleteValue(bool currentUser, const QString& key, const QString& name)
{
    const QString path = normalKey(key);
    modify(currentUser, [&](Document& doc) {
        Section* s = findSection(doc, path);
        const qsizetype i = s ? findValue(*s, name) : -1;
        if (i < 0)
            return false;
        s->values.removeAt(i); // the key itself stays, as in the registry
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
        if (std::none_of(doc.cbegin(), doc.cend(),
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
