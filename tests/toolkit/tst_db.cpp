// Database routines on SQLite: SQL rewriting, date markers bound as parameters, messages.
#include "../support/TestEnv.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "toolkit/vdlDB.h"
#include "toolkit/vdlReg.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace vdl;

class TestDB : public QObject {
    Q_OBJECT

    static void resetOptions()
    {
        EnviDB = TEnviDB{};
        DefaultSQLOptions = soDefault;
    }

    static QSqlDatabase db() { return QSqlDatabase::database(QStringLiteral("t")); }

private slots:
    void initTestCase()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("create table t (d datetime)"));
        init(); // some rows are converted in the data function
    }
    void cleanupTestCase()
    {
        QSqlDatabase::database(QStringLiteral("t")).close();
        QSqlDatabase::removeDatabase(QStringLiteral("t"));
    }

    void init()
    {
        test::pinGerman();
        resetOptions();
    }

    void loadEnviDB_data()
    {
        QTest::addColumn<QString>("like");
        QTest::addColumn<QString>("converted");
        QTest::newRow("percent by default") << "" << "where x IS null and y like 'a%'";
        QTest::newRow("star wildcard") << "*" << "where x IS null and y like 'a*'";
    }
    void loadEnviDB()
    {
        QFETCH(QString, like);
        WriteSetting(QStringLiteral("System"), QStringLiteral("Like"), like, false, true);
        LoadEnviDB();
        QString result;
        ConvertSQL("where x = null and y like \"a*\"", soDefault, result);
        QTEST(result, "converted");
        QCOMPARE(EnviDB.Like, like.isEmpty() ? QStringLiteral("%") : like);
        QVERIFY(EnviDB.DatZeitAccess && EnviDB.LikeForce);
    }

    // SQL as written in the program and as the engine gets it; date markers as they are written.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        resetOptions();
        const int all = soNull | soLikeStar;
        const auto converted = [](const QString& sql, int options) {
            QString result;
            ConvertSQL(sql, options, result);
            return result;
        };
        QTest::newRow("like star") << converted("WHERE Name LIKE \"Mei*\"", all) << "WHERE Name LIKE 'Mei%'";
        QTest::newRow("star without like") << converted("WHERE Name = \"Mei*\"", all) << "WHERE Name = 'Mei*'";
        QTest::newRow("like off") << converted("x like \"a*\"", int(soNull)) << "x like 'a*'";
        QTest::newRow("like ends with literal") << converted("x like \"a*\" and y = \"b*\"", all) << "x like 'a%' and y = 'b*'";
        QTest::newRow("apostrophe doubled") << converted("WHERE Name = \"O'Neil\"", all) << "WHERE Name = 'O''Neil'";
        QTest::newRow("apostrophes outside") << converted("WHERE Name = 'x'", all) << "WHERE Name = 'x'";
        QTest::newRow("= null") << converted("where x = null", all) << "where x IS null";
        QTest::newRow("<> null") << converted("where x <> null", all) << "where x IS NOT null";
        QTest::newRow(">= null") << converted("where x >= null", all) << "where x IS NOT null";
        QTest::newRow("is null") << converted("where x is null", all) << "where x is null";
        QTest::newRow("no blanks") << converted("where pos=NULL", all) << "where pos IS NULL";
        QTest::newRow("twice") << converted("where a = null and b<>null", all) << "where a IS null and b IS NOT null";
        QTest::newRow("null before where") << converted("update t set x = null where y = 1", all) << "update t set x = null where y = 1";
        QTest::newRow("null option off") << converted("where x = null", int(soLikeStar)) << "where x = null";
        QTest::newRow("null in literal") << converted("where x = \"= null\"", all) << "where x = '= null'";
        QTest::newRow("ifnull") << converted("where ifnull(x, 0) = 0", all) << "where ifnull(x, 0) = 0";
        QTest::newRow("nullif") << converted("where a = nullif(b, 0)", all) << "where a = nullif(b, 0)";
        QTest::newRow("annulled") << converted("where x = annulled", all) << "where x = annulled";
        QTest::newRow("unlike") << converted("where unlike \"a*\"", all) << "where unlike 'a*'";
        QTest::newRow("somewhere") << converted("select somewhere x = null", all) << "select somewhere x = null";
        QTest::newRow("default before loading") << converted("where x = null and y like \"a*\"", int(soDefault))
                                                << "where x = null and y like 'a*'";
        const double date = EncodeDate(2026, 3, 7) + 12.5 / 24;
        QTest::newRow("zero") << DBDateTimeStr(false, 0.0) << "NULL ";
        QTest::newRow("time only") << DBDateTimeStr(false, 12.5 / 24) << "DBTim:#12:30:00# ";
        QTest::newRow("date and time") << DBDateTimeStr(false, date) << "DBTim:#07.03.2026 12:30:00# ";
        QTest::newRow("access") << DBDateTimeStr(true, date) << "#03/07/2026 12:30:00# ";
        QTest::newRow("access time") << DBDateTimeStr(true, 12.5 / 24) << "#12:30:00# ";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void execOnSqlite()
    {
        // Regional time separator "." everywhere: markers written and read back alike.
        Regional r = Regional::german();
        r.timeSeparator = QLatin1Char('.');
        Regional::set(r);
        {
            QSqlQuery q(db());
            QString err;
            QVERIFY(DBExec(q, "create table SysL (Benutzer text, Zeitpunkt datetime, Aktiv boolean)", err));
            const double day = EncodeDate(2026, 12, 6);
            for (double t : {day - 1 + 0.5, day + 8.0 / 24, day + 13.0 / 24})
                QVERIFY2(DBExec(q, "insert into SysL values (\"Anna's\", " + DBDateTimeStr(false, t) + ", :True)", err),
                         qPrintable(err));
            QVERIFY(DBExec(q, "insert into SysL values (\"jetzt\", DBTim:#now# , :False)", err));
            QVERIFY(DBSelect(q, "SELECT Benutzer FROM SysL WHERE Zeitpunkt >= " + DBDateTimeStr(false, day)
                                    + " AND Aktiv = :True ORDER BY Zeitpunkt DESC"));
            QStringList rows;
            while (q.next())
                rows << q.value(0).toString();
            QCOMPARE(rows, QStringList({"Anna's", "Anna's"}));
            QVERIFY(DBSelect(q, "SELECT count(*) FROM SysL WHERE Zeitpunkt = DBTim:#06.12.2026 12.00.00# "));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 1);
            QVERIFY(DBSelect(q, "SELECT Benutzer FROM SysL WHERE Aktiv = :False"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("jetzt"));
        }
    }

    void failures_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("unclosed marker")
            << "select * from t where d > DBTim:#06.12.2026"
            << "DBExec: \"Datumsangabe ohne abschließendes \"#\"\"\r\n(select * from t where d > DBTim:#06.12.2026)";
        QTest::newRow("bad date")
            << "select * from t where d > DBTim:#31.02.2026# "
            << "DBExec: \"'31.02.2026' ist kein gültiges Datum und Uhrzeit\"\r\n(select * from t where d >  :vdl1  )";
    }
    void failures()
    {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        ScriptedPrompter prompter;
        QSqlQuery q(db());
        QVERIFY(!DBExecWarn(q, sql));
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Warnung"));
        QCOMPARE(prompter.calls[0].flags, mb::Ok | mb::IconError);
        QCOMPARE(prompter.calls[0].text, "Fehler bei Datenbank-Operation: \r\nFehler bei Datenbank-Operation: \r\n"
                                             + message + "\r\n(" + sql + ")");
    }

    void engineErrorKeepsConvertedText()
    {
        {
            QSqlQuery q(db());
            QString err;
            QVERIFY(!DBExec(q, "SELECT Wert FROM Konfig WHERE Zeile = \"DBID\"", err));
            QVERIFY2(err.startsWith("Fehler bei Datenbank-Operation: \r\nDBExec: \"") && err.contains("Konfig"),
                     qPrintable(err));
            QVERIFY(err.endsWith("\"\r\n(SELECT Wert FROM Konfig WHERE Zeile = 'DBID')"));
        }
    }

    void location_data()
    {
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<QString>("location");
        QTest::newRow("path") << "" << QStringList({"Database Name=/b.db", "PATH= /daten "}) << "/daten";
        QTest::newRow("alias skips path") << "A" << QStringList({"Path=/daten", "Database Name=/b.db"}) << "/b.db";
        QTest::newRow("odbc") << "" << QStringList({"ODBC DSN= Lager "}) << "/odbc/lager.db";
        QTest::newRow("nothing") << "" << QStringList({"User=x"}) << "";
    }
    void location()
    {
        QFETCH(QString, alias);
        QFETCH(QStringList, params);
        WriteSetting(QStringLiteral("\\software\\ODBC\\ODBC.INI\\Lager"), QStringLiteral("DBQ"),
                     QStringLiteral("/odbc/lager.db"), false, false);
        QString location = QStringLiteral("old");
        GetDatabaseLocation(TDatabaseParams{alias, params}, location);
        QTEST(location, "location");
    }
};

QTEST_GUILESS_MAIN(TestDB)
#include "tst_db.moc"
