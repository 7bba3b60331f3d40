#pragma once
// SQL texts run on the database layer (QtSql). Callers write literals in double quotes, "*"
// as the LIKE wildcard, "= null" comparisons and dates as markers made by DBDateTimeStr; the
// routines convert that into what the engine expects, bind the dates as parameters and turn
// failures into a message.
#include <QString>
#include <QStringList>


class QSqlDatabase;
class QSqlQuery;

namespace vdl {

// Conversion options of ConvertSQL (bits).
constexpr int soLikeStar = 1; // "*" in a literal after "like " becomes "%"
constexpr int soNull = 2;     // after "where ", "= null" becomes "IS null", "<> null" "IS NOT null"
constexpr int soDefault = 4;  // the options read by LoadEnviDB, once they are read
using TSQLOptions = int;

struct TEnviDB {
    bool Loaded = false;
    QString Like;               // the LIKE wildcard, "%" when not set
    bool DatZeitAccess = false;
    bool LikeForce = false;
};
extern TEnviDB EnviDB;
extern TSQLOptions DefaultSQLOptions; // soDefault until LoadEnviDB ran

// Reads "Like", "DatZeitAccess" and "LikeForce" of the key "System" (machine root).
void LoadEnviDB();

void ConvertSQL(const QString& SQL, TSQLOptions Options, QString& Result);
// SQL holds "null" at NullPos (from 1) after a comparison: the comparison becomes " IS " or
// " IS NOT ". Returns the position of "null" afterwards.
int FixNullCompare(QString& SQL, int NullPos);

// "NULL " for 0; else "DBTim:#dd.mm.yyyy hh:nn:ss# " ("DBTim:#hh:nn:ss# " without a date),
// or with Access "#mm/dd/yyyy hh:nn:ss# " ("#hh:nn:ss# ").
QString DBDateTimeStr(bool Access, double Value);

// Converts SQL, binds its date markers and runs it on Query. False, with the German error
// text in ErrMsg, when anything fails; never throws.
bool DBExec(QSqlQuery& Query, const QString& SQL, QString& ErrMsg);
// DBExec with the error shown in a message box "Warnung".
bool DBExecWarn(QSqlQuery& Query, const QString& SQL);
// Closes Query and runs a SELECT through DBExecWarn.
bool DBSelect(QSqlQuery& Query, const QString& SQL);

// What a database names of itself: its alias and the parameter lines ("name=value") of the
// alias, or its own when it has no alias.
struct TDatabaseParams {
    QString AliasName;
    QStringList Params;
};
TDatabaseParams DatabaseParams(const QSqlDatabase& Database); // "Database Name=" or "ODBC DSN="
// The file or folder the database refers to; '' when none is named.
void GetDatabaseLocation(const TDatabaseParams& Database, QString& Location);
// "DBQ" of the ODBC data source in the settings (current user, then machine).
void GetODBCPath(const QString& DSN, QString& Path);

} // namespace vdl
