#pragma once
// What happens before the frame opens: the side-by-side manifest next to the program file
// and, where that file matters to the windowing layer, one restart after writing it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vdl::Startup {

// The manifest's 22 lines, without line ends.
QStringList manifestLines();
// The file as written: every line, the last included, ended by CR LF (637 bytes).
QByteArray manifestBytes();
// "<program file>.manifest".
QString manifestPath(const QString& programFile);
// Writes the manifest when no file exists at path; an existing file is never touched.
// True only when the file was written now. A folder that cannot be written is no error.
bool ensureManifest(const QString& path);

// The command line of the restarted instance: the quoted program path and a blank, then every
// argument in quotes, separated by one blank. Backslashes before a quote are doubled and inner
// quotes escaped, so that "C:\Daten\" or a quote inside an argument arrive unchanged.
QString restartCommandLine(const QString& programFile, const QStringList& arguments);
// The restarted instance runs in the program folder, given with its trailing separator.
QString restartDirectory(const QString& programFile);

// Only a platform that reads the manifest at process start gains from a restart.
constexpr bool restartAfterManifest()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}
// Starts the program anew with the arguments of this start; true when the process started.
bool restart(const QString& programFile, const QStringList& arguments);

} // namespace vdl::Startup
