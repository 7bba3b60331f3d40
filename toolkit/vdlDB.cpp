#include "toolkit/vdlDB.h"
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_misc.h"
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace vdl {

TEnviDB EnviDB;
TSQLOptions DefaultSQLOptions = soDefault;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString Marker = QStringLiteral("DBTim:#");

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Word at i (case ignored) that does not continue a longer word to its left; with
// WholeRight it must not run on to the right either.
bool wordAt(const QString& s, qsizetype i, QLatin1StringView word, bool wholeRight)
{
    if (s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    if (i > 0 && isWordChar(s[i - 1]))
        return false;
    const qsizetype end = i + word.size();
    return !wholeRight || end >= s.size() || !isWordChar(s[end]);
}

// Date and time as DBDateTimeStr writes them, in the regional date order and time separator.
double parseMarkerDate(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const QChar sep = Regional::current().timeSeparator;
    QString datePart = blank < 0 ? t : t.left(blank);
    QString timePart = blank < 0 ? QString() : t.mid(blank + 1).trimmed();
    if (blank < 0 && t.contains(sep)) {
        timePart = datePart;
        datePart.clear();
    }
    // Markers write the date with points, whatever the regional date separator.
    datePart.replace(QLatin1Char('.'), Regional::current().dateSeparator);
    double date = 0, time = 0;
    bool ok = datePart.isEmpty() || TryStrToDate(datePart, date);
    if (ok && !timePart.isEmpty()) {
        const QStringList parts = timePart.split(sep);
        int hms[3] = {0, 0, 0};
        ok = parts.size() >= 2 && parts.size() <= 3;
        for (qsizetype i = 0; ok && i < parts.size(); ++i)
            ok = !parts[i].isEmpty() && TryStrToInt(parts[i], hms[i]);
        ok = ok && TryEncodeTime(hms[0], hms[1], hms[2], 0, time);
    }
    if (!ok || t.isEmpty())
        throw ConvertError(QStringLiteral("'%1' ist kein gültiges Datum und Uhrzeit").arg(text));
    return date + time;
}

void bindDate(QSqlQuery& query, int number, const QString& value)
{
    const double when = value.compare(QLatin1String("now"), Qt::CaseInsensitive) == 0 ? Clock::now()
                                                                                    : parseMarkerDate(value);
    query.bindValue(QStringLiteral(":vdl") + IntToStr(number), Clock::fromDayNumber(when));
}

void run(QSqlQuery& query, bool ok)
{
    if (!ok)
        throw Error(query.lastError().text());
}

} // namespace

void LoadEnviDB()
{
    const QStringList v = ReadSettings(QStringLiteral("System"),
                                       {QStringLiteral("Like"), QStringLiteral("DatZeitAccess"),
                                        QStringLiteral("LikeForce")});
    EnviDB.Like = v[0].isEmpty() ? QStringLiteral("%") : v[0];
    EnviDB.DatZeitAccess = IsBoolText(v[1]) ? TextToBool(v[1]) : true;
    DefaultSQLOptions = soNull | (EnviDB.Like == QLatin1String("%") ? soLikeStar : 0);
    EnviDB.LikeForce = v[2].isEmpty() ? true : TextToBool(v[2]);
    EnviDB.Loaded = true;
}

void ConvertSQL(const QString& SQL, TSQLOptions Options, QString& Result)
{
    if ((Options & soDefault) && DefaultSQLOptions != soDefault)
        Options = DefaultSQLOptions;
    QString s = SQL;
    bool inLiteral = false, afterLike = false, afterWhere = false;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == QLatin1Char('"')) {
            // Only double quotes delimit literals; the engine wants apostrophes.
            s[i] = QLatin1Char('\'');
            inLiteral = !inLiteral;
            if (!inLiteral)
                afterLike = false;
        } else if (inLiteral) {
            if (c == QLatin1Char('\'')) {
                s.insert(i, QLatin1Char('\''));
                ++i;
            } else if (c == QLatin1Char('*') && afterLike && (Options & soLikeStar)) {
                s[i] = QLatin1Char('%');
            }
        } else {
            // Whole words only: "unlike", "ifnull(" or "annulled" are left alone.
            const QChar l = c.toLower();
            if (l == QLatin1Char('l') && wordAt(s, i, QLatin1StringView("like "), false)) {
                afterLike = true;
            } else if (l == QLatin1Char('w') && wordAt(s, i, QLatin1StringView("where "), false)) {
                afterWhere = true;
            } else if (l == QLatin1Char('n') && afterWhere && (Options & soNull)
                       && wordAt(s, i, QLatin1StringView("null"), true)) {
                i = FixNullCompare(s, int(i) + 1) - 1 + 4;
                continue;
            }
        }
        ++i;
    }
    Result = s;
}

int FixNullCompare(QString& SQL, int NullPos)
{
    const qsizetype p = NullPos - 1;
    if (p < 0 || p > SQL.size())
        return NullPos;
    QString op;
    bool found = false;
    qsizetype end = -1; // the character where the walk ended; -1 = ran off the start
    for (qsizetype j = p - 1; j >= 0; --j) {
        const QChar c = SQL[j];
        if (c == QLatin1Char('=')) {
            found = true;
            if (op.isEmpty())
                op = QStringLiteral(" IS ");
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            found = true;
            op = QStringLiteral(" IS NOT ");
        } else if (c == QLatin1Char('s') || c == QLatin1Char('S')) {
            if (!found)
                return NullPos; // already written with IS
            end = j;
            break;
        } else if (found) {
            end = j;
            break;
        }
    }
    if (op.isEmpty())
        return NullPos;
    QString head = SQL.left(end + 1);
    while (!head.isEmpty() && head.back() == QLatin1Char(' '))
        head.chop(1);
    SQL = head + op + SQL.mid(p);
    return int(head.size() + op.size()) + 1;
}

QString DBDateTimeStr(bool Access, double Value)
{
    if (Value == 0)
        return QStringLiteral("NULL ");
    const bool timeOnly = std::trunc(Value) == 0;
    QString text = FormatDateTime(timeOnly ? QStringLiteral("hh:nn:ss")
                                  : Access  ? QStringLiteral("mm.dd.yyyy hh:nn:ss")
                                            : QStringLiteral("dd.mm.yyyy hh:nn:ss"),
                                  Value);
    if (!Access)
        return Marker + text + QStringLiteral("# ");
    if (!timeOnly)
        text.replace(QLatin1Char('.'), QLatin1Char('/'));
    return QLatin1Char('#') + text + QStringLiteral("# ");
}

bool DBExec(QSqlQuery& Query, const QString& SQL, QString& ErrMsg)
{
    if (!EnviDB.Loaded)
        LoadEnviDB();
    QString sql = SQL;
    try {
        QStringList values;
        for (qsizetype at = sql.indexOf(Marker); at >= 0; at = sql.indexOf(Marker)) {
            const qsizetype close = sql.indexOf(QLatin1Char('#'), at + Marker.size());
            if (close < 0)
                throw Error(QStringLiteral("Datumsangabe ohne abschließendes \"#\""));
            values << sql.mid(at + Marker.size(), close - at - Marker.size());
            sql.replace(at, close + 1 - at, QStringLiteral(" :vdl") + IntToStr(values.size()) + QLatin1Char(' '));
        }
        ConvertSQL(sql, soDefault, sql);
        run(Query, Query.prepare(sql));
        for (qsizetype i = 0; i < values.size(); ++i)
            bindDate(Query, int(i) + 1, values[i]);
        if (sql.contains(QLatin1String(":False")))
            Query.bindValue(QStringLiteral(":False"), false);
        if (sql.contains(QLatin1String(":True")))
            Query.bindValue(QStringLiteral(":True"), true);
        // A result set and a statement both run through exec() here; a query that starts with
        // "select" keeps its rows for the caller.
        run(Query, Query.exec());
        return true;
    } catch (const std::exception& e) {
        const auto* err = dynamic_cast<const Error*>(&e);
        const QString message = err ? err->message() : QString::fromUtf8(e.what());
        ErrMsg = QStringLiteral("Fehler bei Datenbank-Operation: ") + CRLF + QStringLiteral("DBExec: \"") + message
                 + QLatin1Char('"') + CRLF + QLatin1Char('(') + sql + QLatin1Char(')');
        return false;
    }
}

bool DBExecWarn(QSqlQuery& Query, const QString& SQL)
{
    QString errMsg;
    const bool ok = DBExec(Query, SQL, errMsg);
    if (!ok)
        ShowMessage(QStringLiteral("Fehler bei Datenbank-Operation: ") + CRLF + errMsg + CRLF + QLatin1Char('(') + SQL
                        + QLatin1Char(')'),
                    QStringLiteral("Warnung"), mb::Ok | mb::IconError);
    return ok;
}

bool DBSelect(QSqlQuery& Query, const QString& SQL)
{
    try {
        Query.finish();
        return DBExecWarn(Query, SQL);
    } catch (const std::exception& e) {
        const auto* err = dynamic_cast<const Error*>(&e);
        const QString message = err ? err->message() : QString::fromUtf8(e.what());
        ShowMessage(QStringLiteral("Fehler beim Datenkbank-Lesen:") + CRLF + QStringLiteral("SnapEx: \"") + message
                        + QLatin1Char('"'),
                    QStringLiteral("Warnung"), mb::Ok | mb::IconError);
        return false;
    }
}

TDatabaseParams DatabaseParams(const QSqlDatabase& Database)
{
    TDatabaseParams params;
    if (Database.driverName() == QLatin1String("QODBC"))
        params.Params << QStringLiteral("ODBC DSN=") + Database.databaseName();
    else
        params.Params << QStringLiteral("Database Name=") + Database.databaseName();
    return params;
}

void GetDatabaseLocation(const TDatabaseParams& Database, QString& Location)
{
    auto valueOf = [&](QLatin1StringView name, QString& value) {
        for (const QString& line : Database.Params) {
            if (line.startsWith(name, Qt::CaseInsensitive)) {
                value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
                return true;
            }
        }
        return false;
    };
    Location.clear();
    if (Database.AliasName.isEmpty())
        valueOf(QLatin1StringView("Path="), Location);
    if (Location.isEmpty())
        valueOf(QLatin1StringView("Database Name="), Location);
    QString dsn;
    if (Location.isEmpty() && valueOf(QLatin1StringView("ODBC DSN="), dsn))
        GetODBCPath(dsn, Location);
}

void GetODBCPath(const QString& DSN, QString& Path)
{
    const QString key = QStringLiteral("software\\ODBC\\ODBC.INI\\") + DSN;
    Path = ReadRegValue(key, QStringLiteral("DBQ"), false, true);
    if (Path.isEmpty())
        Path = ReadRegValue(key, QStringLiteral("DBQ"), false, false);
}

} // namespace vdl
