#include "toolkit/vdlReg_identity.h"
#include "platform/SystemFacts.h"
#include <QCoreApplication>
#include <QFileInfo>

namespace vdl {

TBenutzer BenutzerDaten;

QString GetWinUserName()
{
    return SystemFacts::current().userName();
}

int GetLocalIPAddress(QString& IP)
{
    IP = SystemFacts::current().hostIPv4();
    if (IP.isEmpty())
        IP = QStringLiteral("127.0.0.1");
    return 0;
}

void GetFileVersionText(const QString& FileName, QString& Version)
{
    Version.clear();
    // Program files here carry no version block; the build gives the program its own.
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString asked = QFileInfo(FileName).canonicalFilePath();
    if (!asked.isEmpty() && asked == own)
        Version = QStringLiteral(VDL_FILE_VERSION);
}

} // namespace vdl
