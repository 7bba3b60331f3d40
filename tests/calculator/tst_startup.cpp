#include "calculator/Startup.h"
#include "tests/support/FileLimit.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

class TestStartup : public QObject {
    Q_OBJECT

    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void manifestFileHas22CrLfLines()
    {
        QTemporaryDir dir;
        const QString path = Startup::manifestPath(dir.filePath(QStringLiteral("vdlRechner")));
        QCOMPARE(path, dir.filePath(QStringLiteral("vdlRechner.manifest")));
        QVERIFY(Startup::ensureManifest(path));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 637);
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 23); // the last line end leaves an empty tail
        for (int i = 0; i < 22; ++i)
            QVERIFY2(lines[i].endsWith('\r') && lines[i].count('\r') == 1, lines[i].constData());
        QCOMPARE(lines[0], QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r"));
        QCOMPARE(lines[4], QByteArray("\t\tprocessorArchitecture=\"X86\"\r"));
        QCOMPARE(lines[14], QByteArray("        version=\"6.0.0.0\"\r"));
        QCOMPARE(lines[16], QByteArray("\t\t\t\tpublicKeyToken=\"6595b64144ccf1df\"\r"));
        QCOMPARE(lines[21], QByteArray("</assembly>\r"));
    }

    void existingManifestIsNeverRewritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vdlRechner.manifest"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("eigene Fassung");
        f.close();
        QVERIFY(!Startup::ensureManifest(path));
        QCOMPARE(readAll(path), QByteArray("eigene Fassung"));
        QVERIFY(!Startup::ensureManifest(dir.filePath(QStringLiteral("fehlt/vdlRechner.manifest"))));
    }

    // The disk fills up while the manifest is written: no part of it is left to pass for it,
    // and the start goes on without a restart.
    void fullDiskLeavesNoManifest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vdlRechner.manifest"));
        QCOMPARE(runWithFileLimit(QStringLiteral("childWritesManifest"), 100, {QStringLiteral("VDL_TEST_FILE"), path}),
                 QStringList{"false"});
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Runs only in the child of fullDiskLeavesNoManifest.
    void childWritesManifest()
    {
        if (!inLimitedChild())
            QSKIP("runs only as a child");
        report(Startup::ensureManifest(qEnvironmentVariable("VDL_TEST_FILE")) ? QStringLiteral("true")
                                                                                : QStringLiteral("false"));
    }

    void restartCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("no arguments") << QStringList{} << "\"/opt/vdl/vdlRechner\" ";
        QTest::newRow("/top") << QStringList{"/top"} << "\"/opt/vdl/vdlRechner\" \"/top\"";
        QTest::newRow("blanks in a path") << QStringList{"C:\\Eigene Dateien\\Test.zqe"}
                                          << "\"/opt/vdl/vdlRechner\" \"C:\\Eigene Dateien\\Test.zqe\"";
        QTest::newRow("two arguments") << QStringList{"a b", ""} << "\"/opt/vdl/vdlRechner\" \"a b\" \"\"";
        QTest::newRow("trailing backslash") << QStringList{"C:\\Daten\\"} << "\"/opt/vdl/vdlRechner\" \"C:\\Daten\\\\\"";
        QTest::newRow("inner quote") << QStringList{"a\"b"} << "\"/opt/vdl/vdlRechner\" \"a\\\"b\"";
    }
    void restartCommandLine()
    {
        QFETCH(QStringList, arguments);
        QTEST(Startup::restartCommandLine(QStringLiteral("/opt/vdl/vdlRechner"), arguments), "commandLine");
        QCOMPARE(Startup::restartDirectory(QStringLiteral("/opt/vdl/vdlRechner")), QStringLiteral("/opt/vdl/"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
