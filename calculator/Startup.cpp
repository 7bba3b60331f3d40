#include "calculator/Startup.h"
#include "platform/AtomicFile.h"
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vdl::Startup {

QStringList manifestLines()
{
    // Line 15 is indented with blanks where its neighbours use tabs; the file has always been so.
    return {
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"),
        QStringLiteral("<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"),
        QStringLiteral("\t<assemblyIdentity"),
        QStringLiteral("\t\tversion=\"1.0.0.0\""),
        QStringLiteral("\t\tprocessorArchitecture=\"X86\""),
        QStringLiteral("\t\tname=\"CompanyName.ProductName.YourApp\""),
        QStringLiteral("\t\ttype=\"win32\""),
        QStringLiteral("\t/>"),
        QStringLiteral("\t<description>Hier steht Ihre Anwendungsbeschreibung.</description>"),
        QStringLiteral("\t<dependency>"),
        QStringLiteral("\t\t<dependentAssembly>"),
        QStringLiteral("\t\t\t<assemblyIdentity"),
        QStringLiteral("\t\t\t\ttype=\"win32\""),
        QStringLiteral("\t\t\t\tname=\"Microsoft.Windows.Common-Controls\""),
        QStringLiteral("        version=\"6.0.0.0\""),
        QStringLiteral("\t\t\t\tprocessorArchitecture=\"X86\""),
        QStringLiteral("\t\t\t\tpublicKeyToken=\"6595b64144ccf1df\""),
        QStringLiteral("\t\t\t\tlanguage=\"*\""),
        QStringLiteral("\t\t\t/>"),
        QStringLiteral("\t\t</dependentAssembly>"),
        QStringLiteral("\t</dependency>"),
        QStringLiteral("</assembly>"),
    };
}

QByteArray manifestBytes()
{
    QByteArray bytes;
    for (const QString& line : manifestLines())
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QString manifestPath(const QString& programFile)
{
    return programFile + QStringLiteral(".manifest");
}

bool ensureManifest(const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    // The manifest is a courtesy to the windowing layer; a read-only program folder must not
    // keep the program from starting. A manifest written only in part is removed again.
    return AtomicFile::create(path, manifestBytes());
}

namespace {
// One argument in quotes, readable back by the usual command-line splitting.
QString quoted(const QString& argument)
{
    QString out = QStringLiteral("\"");
    int backslashes = 0;
    for (QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"'))
            backslashes = backslashes * 2 + 1;
        out += QString(backslashes, QLatin1Char('\\')) + c;
        backslashes = 0;
    }
    return out + QString(backslashes * 2, QLatin1Char('\\')) + QLatin1Char('"');
}
} // namespace

QString restartCommandLine(const QString& programFile, const QStringList& arguments)
{
    QStringList quotedArguments;
    for (const QString& argument : arguments)
        quotedArguments += quoted(argument);
    return QLatin1Char('"') + QDir::toNativeSeparators(programFile) + QStringLiteral("\" ")
        + quotedArguments.join(QLatin1Char(' '));
}

QString restartDirectory(const QString& programFile)
{
    return QDir::toNativeSeparators(QFileInfo(programFile).absolutePath() + QLatin1Char('/'));
}

bool restart(const QString& programFile, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(programFile);
#ifdef Q_OS_WIN
    const QString commandLine = restartCommandLine(programFile, arguments);
    process.setNativeArguments(commandLine.mid(commandLine.indexOf(QStringLiteral("\" ")) + 2));
#else
    process.setArguments(arguments);
#endif
    process.setWorkingDirectory(restartDirectory(programFile));
    return process.startDetached();
}

} // namespace vdl::Startup
