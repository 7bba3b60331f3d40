#pragma once
// The image plugins this test process has loaded so far, by file name ("libqjpeg.so").
#include <QFile>
#include <QStringList>

namespace vdl::test {

inline QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf("/imageformats/");
        const QString name = QString::fromUtf8(line.mid(at + 14));
        if (at >= 0 && !found.contains(name))
            found << name;
    }
    return found;
}

} // namespace vdl::test
