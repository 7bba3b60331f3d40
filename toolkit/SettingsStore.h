#pragma once
// The two settings files that stand in for the registry's two roots:
// <dir>/HKEY_CURRENT_USER.ini and <dir>/HKEY_LOCAL_MACHINE.ini.
//
// Format (our own; QSettings trims blanks, splits at commas and slashes and is case-sensitive):
//   [\software\vdl\vdlRechner]
//   AppFont=10;1000;0;Tahoma
// Key paths and value names match without regard to case and keep the spelling first written;
// a value runs literally to the end of its line (only line breaks and the backslashes that
// would be misread are escaped). A section line may carry trailing blanks (a hand edit).
// Every operation reads the file afresh; every change reads, changes and replaces the file in
// one step while holding a lock on "<file>.lock". Writers queue for that lock, so several
// running instances never lose each other's writes.
#include <QString>
#include <QStringList>

namespace vdl::SettingsStore {

// $VDL_SETTINGS_DIR, else $XDG_CONFIG_HOME/vdl, else ~/.config/vdl.
QString dir();
void setDir(const QString& dir); // tests; empty = from the environment again
QString fileName(bool currentUser);

// Keys are full paths below the root, with or without a leading "\".
QString value(bool currentUser, const QString& key, const QString& name); // '' when absent
// The values of several names of one key, read at once, in the order of names.
QStringList valuesOf(bool currentUser, const QString& key, const QStringList& names);
// Creates the key when missing; false when the file could not be saved (nothing changed then).
bool setValue(bool currentUser, const QString& key, const QString& name, const QString& value);
// False when the file could not be saved (nothing changed then); an absent value is no failure.
bool deleteValue(bool currentUser, const QString& key, const QString& name);
// Adds those of names (with the value at the same index) that the key lacks, with one save;
// values already there stay as they are. Nothing is written when none is missing.
bool addMissingValues(bool currentUser, const QString& key, const QStringList& names, const QStringList& values);
// The names and values of a key in file order; false (lists untouched) when the key is absent.
bool values(bool currentUser, const QString& key, QStringList& names, QStringList& values);

} // namespace vdl::SettingsStore
