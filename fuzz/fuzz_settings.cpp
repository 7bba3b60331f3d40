// The settings reader on any file, and a write into it.
//
// Input: the bytes of the current user's settings file. Every section header in it is read
// back; then a value is written into the first section (or a new key when there is none):
// its name is the first value line's text before '=', its value the input's last line. A
// write changes that one value and nothing else, and reads back unchanged.
#include "fuzz/FuzzInput.h"
#include "toolkit/SettingsStore.h"
#include <QDir>
#include <QFile>
#include <QMap>
#include <cstdlib>
#include <unistd.h>

using namespace vdl;
using namespace vdl::fuzz;
namespace store = vdl::SettingsStore;

namespace {

struct Snapshot {
    QStringList names, values;
    bool exists = false;
};

// The name a key has in the file: without leading or trailing backslashes, case ignored.
QString keyIdentity(const QString& key)
{
    qsizetype from = 0, to = key.size();
    while (from < to && key[from] == QLatin1Char('\\'))
        ++from;
    while (to > from && key[to - 1] == QLatin1Char('\\'))
        --to;
    return Cp1252::upper(key.mid(from, to - from));
}

Snapshot read(const QString& key)
{
    Snapshot s;
    s.exists = store::values(true, key, s.names, s.values);
    return s;
}

const QString& folder()
{
    // tmpfs where there is one: every run saves the file.
    static const QString dir = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString d = base + QStringLiteral("/vdl-fuzz-settings-") + QString::number(getpid());
        QDir().mkpath(d);
        store::setDir(d);
        std::atexit([] { QDir(store::dir()).removeRecursively(); });
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    folder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(store::fileName(true));
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
              "the settings file is written");
    }

    const QString text = QString::fromUtf8(bytes);
    QStringList keys;
    QString name;
    bool haveName = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && keys.size() < 16)
            keys << line.mid(1, line.size() - 2);
        else if (!haveName && !keys.isEmpty() && line.contains(QLatin1Char('='))) {
            name = line.left(line.indexOf(QLatin1Char('=')));
            haveName = true;
        }
    }
    const QString value = text.section(QLatin1Char('\n'), -1);

    QMap<QString, Snapshot> before;
    for (const QString& key : std::as_const(keys)) {
        const Snapshot s = read(key);
        check(s.exists, "a section in the file exists", key);
        check(s.names.size() == s.values.size(), "one value per name", key);
        // Reading one value at a time agrees with reading the section.
        const QStringList one = store::valuesOf(true, key, s.names);
        check(one == s.values, "valuesOf agrees with values", key);
        before.insert(keyIdentity(key), s);
    }

    const QString key = keys.isEmpty() ? QStringLiteral("\\Software\\Fuzz") : keys.first();
    if (key.contains(QLatin1Char('\r')) || key.contains(QLatin1Char('\n'))) {
        check(!store::setValue(true, key, name, value), "a key with a line break is refused", key);
        return 0;
    }
    check(store::setValue(true, key, name, value), "setValue saves", key);
    check(store::value(true, key, name) == value, "a written value reads back", name + QLatin1Char('=') + value);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() == keyIdentity(key))
            continue;
        const Snapshot after = read(it.key());
        check(after.exists && after.names == it->names && after.values == it->values,
              "a write leaves the other sections alone", it.key());
    }
    // In its own section every other value stays, in its place.
    const Snapshot written = read(key);
    const Snapshot& old = before.value(keyIdentity(key));
    qsizetype at = 0;
    for (qsizetype i = 0; i < old.names.size(); ++i) {
        if (Cp1252::upper(old.names[i]) == Cp1252::upper(name))
            continue;
        while (at < written.names.size() && written.names[at] != old.names[i])
            ++at;
        check(at < written.names.size() && written.values[at] == old.values[i], "a write keeps the other values",
              old.names[i]);
    }

    store::deleteValue(true, key, name);
    check(store::value(true, key, name).isEmpty(), "a deleted value is gone", name);
    return 0;
}
