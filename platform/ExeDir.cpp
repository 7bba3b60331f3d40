#include "platform/ExeDir.h"
#include <QCoreApplication>
#include <QFileInfo>

namespace vdl {

namespace {
QString& overridden()
{
    static QString dir;
    return dir;
}

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}
} // namespace

QString ExeDir()
{
    if (!overridden().isEmpty())
        return overridden();
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    // Before the application object exists (or in tools without one), ask the kernel.
    return ProgramDir();
}

QString ProgramDir()
{
    return withSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2));
}

void setExeDir(const QString& dir)
{
    overridden() = dir.isEmpty() ? QString() : withSlash(dir);
}

} // namespace vdl
