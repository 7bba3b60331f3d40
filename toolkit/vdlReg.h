#pragma once
// Settings, kept as text values under key paths in two roots: the current user's and the
// machine's (both are files of the user, see SettingsStore.h). A key beginning with "%" is
// the application's own key; relative keys are placed below "\software\vdl\".
#include <QString>
#include <QStringList>

class QWidget;

namespace vdl {

// True when Key does not begin with "\" ('' is relative).
bool IsRelativeKey(const QString& Key);
// A leading "%" becomes the application title; with AddRoot the missing part of
// "\software\vdl\" is put in front.
void ExpandKey(QString& Key, bool AddRoot);

// '' when the key or the value is absent. ReadSetting always reads the machine root;
// both readers root only a relative key.
QString ReadSetting(const QString& Key, const QString& Name);
QString ReadSettingEx(const QString& Key, const QString& Name, bool CurrentUser);
QString ReadRegValue(const QString& Key, const QString& Name, bool AddRoot, bool CurrentUser);
// ReadSetting for several names of one key with a single read, in the order of Names.
QStringList ReadSettings(const QString& Key, const QStringList& Names);

// Creates missing keys; an empty Value deletes the value instead. False when the value could
// not be stored (the settings file then stays as it was); callers that need not tell the user
// may ignore it.
bool WriteSetting(const QString& Key, const QString& Name, const QString& Value, bool CurrentUser,
                  bool AddRoot);
bool DeleteSetting(const QString& Key, const QString& Name, bool CurrentUser); // as WriteSetting
// Tells the user that the settings file of the root could not be saved, with the program's
// message for a file that cannot be written.
void ShowSettingsNotSaved(bool CurrentUser);

// Names := the value names of the key in stored order; their values are appended to Values.
// A missing key leaves both lists as they are.
void ReadKeyValues(const QString& Key, QStringList& Names, QStringList& Values, bool CurrentUser);

// The ";"-separated value Name of Key (the application's key when Key is '', with
// "\" + Form's name appended when Form is given), split into List.
void ReadSettingList(const QString& Key, const QString& Name, const QWidget* Form, QStringList& List,
                     bool CurrentUser);

} // namespace vdl
