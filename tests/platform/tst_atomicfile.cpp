// Files written as a whole or not at all: a write that ends short (a full disk, here a
// file-size limit) is reported and leaves the old bytes as they were.
#include "platform/AtomicFile.h"
#include "tests/support/FileLimit.h"
#include "tests/support/TestEnv.h"
#include <QDir>
#include <QIODevice>
#include <algorithm>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

namespace {

QByteArray lines(int count, char c)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray(30, c) + "\r\n";
    return text;
}

// A device that takes only a few bytes per write, as a pipe or a network file may.
class Trickle : public QIODevice {
public:
    explicit Trickle(qint64 perWrite) : m_perWrite(perWrite) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 n = std::min(size, m_perWrite);
        taken.append(data, n);
        return n;
    }

private:
    qint64 m_perWrite;
};

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void writes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("old"); // "(keine Datei)": none
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("content");
        const QByteArray none("(keine Datei)"), old = lines(100, 'a'), added = lines(200, 'b');
        QTest::newRow("replace") << "replace" << old << 1 << "true" << added;
        QTest::newRow("replace, disk full") << "replace" << old << 0 << "false" << old;
        QTest::newRow("replace, new file, disk full") << "replace" << none << 0 << "false" << none;
        QTest::newRow("create") << "create" << none << 1 << "true" << added;
        QTest::newRow("create, disk full") << "create" << none << 0 << "false" << none;
        QTest::newRow("create, file exists") << "create" << old << 1 << "false" << old;
        QTest::newRow("append") << "append" << old << 1 << "true" << old + added;
        QTest::newRow("append, disk full") << "append" << old << 0 << "false" << old;
        QTest::newRow("append, new file, disk full") << "append" << none << 0 << "false" << none;
    }
    void writes()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, old);
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("datei.txt"));
        if (old != "(keine Datei)")
            QVERIFY(putFile(name, old));
        // 4,096 bytes let the old file stand but stop the new bytes halfway.
        const QStringList told = runWithFileLimit(QStringLiteral("childWrite"), limit ? RLIM_INFINITY : 4096,
                                                  {QStringLiteral("VDL_TEST_KIND"), kind,
                                                   QStringLiteral("VDL_TEST_FILE"), name});
        QCOMPARE(told.size(), 1);
        QTEST(told[0].section(QLatin1Char('|'), 0, 0), "outcome");
        QCOMPARE(told[0].section(QLatin1Char('|'), 1).isEmpty(), told[0].startsWith(QLatin1String("true")));
        QTEST(fileBytes(name), "content");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QFile::exists(name) ? QStringList{"datei.txt"} : QStringList());
    }

    void writesGoOnWhereTheyEnded_data()
    {
        QTest::addColumn<int>("perWrite");
        QTest::newRow("1 byte") << 1;
        QTest::newRow("3 bytes") << 3;
        QTest::newRow("all at once") << 1000;
    }
    // Every byte reaches the device once, in order, however few each write takes.
    void writesGoOnWhereTheyEnded()
    {
        QFETCH(int, perWrite);
        const QByteArray bytes = "Zeile 1\r\nZeile 2\r\n";
        Trickle device(perWrite);
        QVERIFY(AtomicFile::writeAll(device, bytes));
        QCOMPARE(device.taken, bytes);
    }

    // Runs only in the child of writes().
    void childWrite()
    {
        if (!inLimitedChild())
            QSKIP("runs only as a child");
        const QString kind = qEnvironmentVariable("VDL_TEST_KIND"), name = qEnvironmentVariable("VDL_TEST_FILE");
        const QByteArray bytes = lines(200, 'b');
        QString why;
        const bool ok = kind == QLatin1String("replace") ? AtomicFile::replace(name, bytes, &why)
            : kind == QLatin1String("create")            ? AtomicFile::create(name, bytes, &why)
                                                          : AtomicFile::append(name, bytes, &why);
        report((ok ? QStringLiteral("true|") : QStringLiteral("false|")) + why);
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
