#pragma once
// What the system information shows, without its window: the rows of the tabs "System",
// "Software" and "Benutzer", the refresh of the rows that change, and the clipboard text.
// Facts come from SystemFacts, the time from Clock.
#include <QList>
#include <QString>

namespace vdl {

class SystemFacts;

struct SysInfoRow {
    QString Caption;
    QString Value;
    int Tabs = 1; // tab characters between caption and value in the clipboard text
    bool operator==(const SysInfoRow&) const = default;
};

// One record of the shared user log.
struct UserLogRecord {
    QString Application, Benutzer, Computer, Vorgang;
    double Zeitpunkt = 0;
};

class SysInfoModel {
public:
    QList<SysInfoRow> Hardware, Software, Benutzer;
    int FRowDatum = -1;    // "Datum"; "Zeit" and "Zeit seit Systemstart" follow
    int FRowSpeicher = -1; // "Phys. Speicher"; the other three memory rows follow
    bool BenutzerVisible = true;

    void FillHardware();
    // ProgramFile: the program's own file, for "Programm", "Stand" and "Version".
    void FillSoftware(const QString& ProgramFile);
    // Kennung and Name: the user known to the system; the tab is hidden when the user log
    // cannot be read.
    void FillBenutzer(const QString& Kennung, const QString& Name);
    // Memory, date, time and time since start again; returns the rows it changed.
    QList<int> refresh();

    // "System-Info vom ..." with the rows of "System" and "Software", CR LF after every line.
    QString clipboardText() const;

private:
    QString m_lastDatabase; // connection the user log is read from
};

// "0,000": at least four digits, grouped in thousands with the regional separator.
QString FormatCount(quint64 Value);
QString ProcessorName(int ProcessorType);   // 586 "Intel Pentium", '' when unknown
// The processor's own name as the system reports it; without one, the name of its type.
QString ShownProcessorName(const SystemFacts& Facts);
QString PlatformName(int PlatformId);       // 2 "Windows NT", PlatformLinux "Linux"
// Time since start as a time of day: whole days are not shown.
QString UptimeText(qint64 Milliseconds);
// The rows of the users logged in today, from the log records newest first: the newest
// login or logout of each application, user and computer decides.
QList<SysInfoRow> UserLogRows(const QList<UserLogRecord>& NewestFirst, const QString& AppTitle);

} // namespace vdl
