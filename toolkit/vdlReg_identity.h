#pragma once
// Who and where the program runs: user name, address, version of the program file and the
// record of the user logged in to the system.
#include <QString>

namespace vdl {

// The user logged in to the system. Nothing in the program fills it: an empty record means
// that no user is known.
struct TBenutzer {
    QString Kennung;
    QString Name;
    bool Admin = false;
    double Anmeldezeit = 0; // day number
};
extern TBenutzer BenutzerDaten;

// The name of the user running the program, '' when it cannot be found.
QString GetWinUserName();

// The computer's IPv4 address as dotted text, "127.0.0.1" when the host name has none.
// Returns 0.
int GetLocalIPAddress(QString& IP);

// "major.minor.release.build" of the program's own file; '' for any other file, since
// other files carry no version.
void GetFileVersionText(const QString& FileName, QString& Version);

} // namespace vdl
