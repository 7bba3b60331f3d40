#include "info/SysInfoModel.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "platform/Regional.h"
#include "platform/SystemFacts.h"
#include "toolkit/vdlDB.h"
#include "toolkit/vdlReg_identity.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace vdl {

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString bytesText(quint64 bytes)
{
    return FormatCount(bytes) + QStringLiteral(" Bytes");
}

QString memoryValue(const MemoryFacts& m, int i)
{
    const quint64 values[] = {m.TotalPhys, m.AvailPhys, m.TotalPageFile, m.AvailPageFile};
    return bytesText(values[i]);
}

QString timeText(double t)
{
    return FormatDateTime(QStringLiteral("hh:nn:ss"), t);
}

void appendRows(QString& text, const QList<SysInfoRow>& rows)
{
    for (const SysInfoRow& row : rows)
        text += row.Caption + QLatin1Char(':') + QString(std::clamp(row.Tabs, 0, 20), QLatin1Char('\t')) + row.Value
                + CRLF;
}

} // namespace

QString FormatCount(quint64 Value)
{
    QString digits = QString::fromLatin1(QByteArray::number(Value)).rightJustified(4, QLatin1Char('0'));
    const QChar sep = Regional::current().thousandSeparator;
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, sep);
    return digits;
}

QString ShownProcessorName(const SystemFacts& Facts)
{
    const QString name = Facts.processorName();
    return name.isEmpty() ? ProcessorName(Facts.processorType()) : name;
}

QString ProcessorName(int ProcessorType)
{
    switch (ProcessorType) {
    case 386: return QStringLiteral("Intel 386");
    case 486: return QStringLiteral("Intel 486");
    case 586: return QStringLiteral("Intel Pentium");
    case 860: return QStringLiteral("Intel 860");
    case 2000: return QStringLiteral("MIPS R2000");
    case 3000: return QStringLiteral("MIPS R3000");
    case 4000: return QStringLiteral("MIPS R4000");
    case 21064: return QStringLiteral("ALPHA 21064");
    case 601: return QStringLiteral("PPC 601");
    case 603: return QStringLiteral("PPC 603");
    case 604: return QStringLiteral("PPC 604");
    case 620: return QStringLiteral("PPC 620");
    default: return QString();
    }
}

QString PlatformName(int PlatformId)
{
    switch (PlatformId) {
    case 0: return QStringLiteral("Win32s unter Windows 3.x");
    case 1: return QStringLiteral("Windows 95");
    case 2: return QStringLiteral("Windows NT");
    case PlatformLinux: return QStringLiteral("Linux");
    default: return QString();
    }
}

QString UptimeText(qint64 Milliseconds)
{
    constexpr qint64 Day = 86400000;
    const qint64 ms = (Milliseconds % Day + Day) % Day;
    double t = 0;
    TryEncodeTime(int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), 0, t);
    return timeText(t);
}

QList<SysInfoRow> UserLogRows(const QList<UserLogRecord>& NewestFirst, const QString& AppTitle)
{
    QList<SysInfoRow> rows;
    QHash<QString, int> seen; // key without regard to case -> mark; 1 = logged out
    for (const UserLogRecord& r : NewestFirst) {
        const QString key = LowerCaseRange(r.Application + r.Benutzer + r.Computer, 0, 0);
        const auto it = seen.constFind(key);
        if (it != seen.constEnd() && *it == 1)
            continue;
        const QString op = LowerCaseRange(r.Vorgang, 0, 0);
        if (op == QLatin1String("logout")) {
            seen[key] = 1;
        } else if (op == QLatin1String("login") && it == seen.constEnd()) {
            seen[key] = 0;
            QString value = QStringLiteral("seit  ") + TimeToText(true, false, r.Zeitpunkt);
            if (r.Application != AppTitle)
                value += QStringLiteral(" (") + r.Application + QLatin1Char(')');
            rows << SysInfoRow{r.Benutzer, value, 1};
        }
    }
    return rows;
}

void SysInfoModel::FillHardware()
{
    const SystemFacts& f = SystemFacts::current();
    const MemoryFacts memory = f.memory();
    const double now = Clock::now();
    FRowSpeicher = int(Hardware.size());
    Hardware << SysInfoRow{QStringLiteral("Phys. Speicher"), memoryValue(memory, 0), 2}
             << SysInfoRow{QStringLiteral("Phys. Speicher frei"), memoryValue(memory, 1), 1}
             << SysInfoRow{QStringLiteral("Auslagerungsspeicher"), memoryValue(memory, 2), 1}
             << SysInfoRow{QStringLiteral("Auslagerungsspeicher frei"), memoryValue(memory, 3), 1}
             << SysInfoRow{QStringLiteral("Windowsverzeichnis"), f.windowsDirectory(), 1}
             << SysInfoRow{QStringLiteral("Systemverzeichnis"), f.systemDirectory(), 1}
             << SysInfoRow{QStringLiteral("Prozessor(en)"), IntToStr(f.processorCount()), 2}
             << SysInfoRow{QStringLiteral("Prozessor"), ShownProcessorName(f), 2};
    FRowDatum = int(Hardware.size());
    const QSize screen = f.screenSize();
    QString ip;
    GetLocalIPAddress(ip);
    const OsFacts os = f.os();
    Hardware << SysInfoRow{QStringLiteral("Datum"), FormatDateTime(QStringLiteral("dd. mm. yyyy"), now), 3}
             << SysInfoRow{QStringLiteral("Zeit"), timeText(now), 3}
             << SysInfoRow{QStringLiteral("Zeit seit Systemstart"), UptimeText(f.uptimeMs()), 1}
             << SysInfoRow{QStringLiteral("Grafikauflösung"),
                           IntToStr(screen.width()) + QLatin1Char('x') + IntToStr(screen.height()), 2}
             << SysInfoRow{QStringLiteral("Farben"),
                           FormatCount(quint64(f.colorPlanes()) << std::clamp(f.colorBits(), 0, 24)), 3}
             << SysInfoRow{QStringLiteral("Username"), f.userName(), 2}
             << SysInfoRow{QStringLiteral("Computername"), f.computerName(), 2}
             << SysInfoRow{QStringLiteral("IP-Adresse"), ip, 2}
             << SysInfoRow{QStringLiteral("Betriebssystem"),
                           PlatformName(os.PlatformId) + QLatin1Char(' ') + IntToStr(os.Major) + QLatin1Char('.')
                               + IntToStr(os.Minor),
                           2};
}

void SysInfoModel::FillSoftware(const QString& ProgramFile)
{
    Software << SysInfoRow{QStringLiteral("Name"), Application::title(), 3}
             << SysInfoRow{QStringLiteral("Programm"), QDir::toNativeSeparators(ProgramFile), 2};
    const QFileInfo file(ProgramFile);
    if (file.exists()) {
        // File dates of the older file systems count in steps of two seconds.
        QDateTime stand = file.lastModified();
        stand.setTime(QTime(stand.time().hour(), stand.time().minute(), stand.time().second() / 2 * 2));
        QString version;
        GetFileVersionText(ProgramFile, version);
        Software << SysInfoRow{QStringLiteral("Stand"),
                               FormatDateTime(QStringLiteral("dd.mm.yyyy hh:nn:ss"), Clock::toDayNumber(stand)), 3}
                 << SysInfoRow{QStringLiteral("Version"), version, 1};
    }
    for (const QString& name : QSqlDatabase::connectionNames()) {
        const QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isOpen()) {
            Software << SysInfoRow{name + QStringLiteral(" (Name)"), QStringLiteral("nicht verbunden!"), 1};
            continue;
        }
        QString location;
        GetDatabaseLocation(DatabaseParams(db), location);
        Software << SysInfoRow{name + QStringLiteral(" (Name)"), location, 2};
        m_lastDatabase = name;
        QSqlQuery qry(db);
        const QList<std::pair<QString, QString>> queries{
            {QStringLiteral(" (ID)"),
             QStringLiteral("SELECT Wert FROM Konfig WHERE Gruppe = \"Konfig\" AND Zeile = \"DBID\"")},
            {QStringLiteral(" (Typ)"),
             QStringLiteral("SELECT Wert FROM Konfig WHERE Gruppe = \"Konfig\" AND Zeile = \"DBTyp\"")}};
        for (const auto& [suffix, sql] : queries) {
            if (DBSelect(qry, sql) && qry.next())
                Software << SysInfoRow{name + suffix, qry.value(QStringLiteral("Wert")).toString(), 1};
        }
    }
}

void SysInfoModel::FillBenutzer(const QString& Kennung, const QString& Name)
{
    BenutzerVisible = !Kennung.isEmpty() || !Name.isEmpty();
    // The probe runs on the last connected database; without one there is no user log.
    const QSqlDatabase db = QSqlDatabase::database(m_lastDatabase, false);
    QSqlQuery qry(db);
    if (!db.isOpen() || !qry.exec(QStringLiteral("SELECT TOP 1 * FROM SysL"))) {
        BenutzerVisible = false;
        return;
    }
    if (!Kennung.isEmpty())
        Benutzer << SysInfoRow{QStringLiteral("Benutzerkennung"), Kennung, 1};
    if (!Name.isEmpty())
        Benutzer << SysInfoRow{QStringLiteral("Benutzername"), Name, 1};
    if (Benutzer.size() > 1) {
        Benutzer << SysInfoRow{QStringLiteral("Administrator"), BoolToJaNein(BenutzerDaten.Admin), 1}
                 << SysInfoRow{QStringLiteral("Anmeldezeit"),
                               FormatDateTime(QStringLiteral("dd.mm.yyyy hh:nn:ss"), BenutzerDaten.Anmeldezeit), 1};
    }
    Benutzer << SysInfoRow{QString(10, QLatin1Char(' ')), QStringLiteral("Jetzt angemeldet:"), 1};
    if (!DBSelect(qry, QStringLiteral("SELECT * FROM SysL WHERE Zeitpunkt >= ") + DBDateTimeStr(false, Clock::today())
                           + QStringLiteral(" ORDER BY Zeitpunkt DESC")))
        return;
    QList<UserLogRecord> records;
    while (qry.next()) {
        const QSqlRecord r = qry.record();
        records << UserLogRecord{r.value(QStringLiteral("Application")).toString(),
                                 r.value(QStringLiteral("Benutzer")).toString(),
                                 r.value(QStringLiteral("Computer")).toString(),
                                 r.value(QStringLiteral("Vorgang")).toString(),
                                 Clock::toDayNumber(r.value(QStringLiteral("Zeitpunkt")).toDateTime())};
    }
    Benutzer << UserLogRows(records, Application::title());
}

QList<int> SysInfoModel::refresh()
{
    if (FRowSpeicher < 0 || FRowDatum < 0)
        return {};
    const SystemFacts& f = SystemFacts::current();
    const MemoryFacts memory = f.memory();
    const double now = Clock::now();
    QList<int> changed;
    for (int i = 0; i < 4; ++i) {
        Hardware[FRowSpeicher + i].Value = memoryValue(memory, i);
        changed << FRowSpeicher + i;
    }
    Hardware[FRowDatum].Value = FormatDateTime(QStringLiteral("dd. mm. yyyy"), now);
    Hardware[FRowDatum + 1].Value = timeText(now);
    Hardware[FRowDatum + 2].Value = UptimeText(f.uptimeMs());
    changed << FRowDatum << FRowDatum + 1 << FRowDatum + 2;
    return changed;
}

QString SysInfoModel::clipboardText() const
{
    QString text = QStringLiteral("System-Info vom ") + FormatDateTime(QStringLiteral("dd. mm. yyyy hh:nn:ss"), Clock::now())
                   + CRLF + CRLF + QStringLiteral("SYSTEM:") + CRLF;
    appendRows(text, Hardware);
    text += CRLF + QStringLiteral("SOFTWARE:") + CRLF;
    appendRows(text, Software);
    return text;
}

} // namespace vdl
