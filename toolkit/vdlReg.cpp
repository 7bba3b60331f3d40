#include "toolkit/vdlReg.h"
#include "platform/Application.h"
#include "platform/Prompter.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlTools_strings.h"
#include <QDir>
#include <QWidget>

namespace vdl {

bool IsRelativeKey(const QString& Key)
{
    return !Key.startsWith(QLatin1Char('\\'));
}

void ExpandKey(QString& Key, bool AddRoot)
{
    if (Key.startsWith(QLatin1Char('%')))
        Key.replace(0, 1, Application::title());
    if (AddRoot)
        Key = EnsurePrefix(Key, QStringLiteral("\\software\\vdl\\"), false);
}

QString ReadSetting(const QString& Key, const QString& Name)
{
    return ReadRegValue(Key, Name, IsRelativeKey(Key), false);
}

QStringList ReadSettings(const QString& Key, const QStringList& Names)
{
    QString key = Key;
    ExpandKey(key, IsRelativeKey(Key));
    return SettingsStore::valuesOf(false, key, Names);
}

QString ReadSettingEx(const QString& Key, const QString& Name, bool CurrentUser)
{
    return ReadRegValue(Key, Name, IsRelativeKey(Key), CurrentUser);
}

QString ReadRegValue(const QString& Key, const QString& Name, bool AddRoot, bool CurrentUser)
{
    QString key = Key;
    ExpandKey(key, AddRoot);
    return SettingsStore::value(CurrentUser, key, Name);
}

bool WriteSetting(const QString& Key, const QString& Name, const QString& Value, bool CurrentUser,
                  bool AddRoot)
{
    if (Value.isEmpty()) {
        return DeleteSetting(Key, Name, CurrentUser);
    }
    QString key = Key;
    ExpandKey(key, AddRoot);
    return SettingsStore::setValue(CurrentUser, key, Name, Value);
}

bool DeleteSetting(const QString& Key, const QString& Name, bool CurrentUser)
{
    QString key = Key;
    ExpandKey(key, true);
    return SettingsStore::deleteValue(CurrentUser, key, Name);
}

void ShowSettingsNotSaved(bool CurrentUser)
{
    ShowMessage(QStringLiteral("Die Datei kann nicht gespeichert werden!\r\n")
                    + QDir::toNativeSeparators(SettingsStore::fileName(CurrentUser)),
                QStringLiteral("Fehler"), mb::Ok | mb::IconError);
}

void ReadKeyValues(const QString& Key, QStringList& Names, QStringList& Values, bool CurrentUser)
{
    QString key = Key;
    ExpandKey(key, true);
    SettingsStore::values(CurrentUser, key, Names, Values);
}

void ReadSettingList(const QString& Key, const QString& Name, const QWidget* Form, QStringList& List,
                     bool CurrentUser)
{
    List.clear();
    QString key = Key.isEmpty() ? Application::title() : Key;
    ExpandKey(key, false);
    if (Form)
        key += QLatin1Char('\\') + Form->objectName();
    const QString s = ReadSettingEx(key, Name, CurrentUser);
    if (!s.isEmpty())
        SplitStr(s, QStringLiteral(";"), List);
}

} // namespace vdl
