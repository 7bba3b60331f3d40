// Several running instances write settings at the same moment: every value written is kept.
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vdl;

namespace {

constexpr int kWriters = 8;
// Each write reads and rewrites the whole store, several times slower in the sanitizer build;
// there a quarter of the writes still keeps the eight writers in each other's way.
#ifdef VDL_SANITIZED
constexpr int kWrites = 250;
#else
constexpr int kWrites = 1000;
#endif

QString valueName(int writer, int i)
{
    return QStringLiteral("W%1_%2").arg(writer).arg(i);
}

// Commas, semicolons, blanks and the euro sign, as currency records carry them.
QString valueText(int writer, int i)
{
    return QStringLiteral("Wert %1, %2; €").arg(writer).arg(i);
}

} // namespace

class TestSettingsWriters : public QObject {
    Q_OBJECT

private slots:
    void everyWriteIsKept()
    {
        // What is tested is the writers' queue, not the disk: a folder in memory, where there is
        // one, spares 8,000 waits for the disk.
        const QString shm = QStringLiteral("/dev/shm");
        QTemporaryDir dir((QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) + QStringLiteral("/vdl-XXXXXX"));
        QVERIFY(dir.isValid());
        QList<QProcess*> children;
        for (int w = 0; w < kWriters; ++w) {
            auto* p = new QProcess(this);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("VDL_SETTINGS_DIR", dir.path());
            env.insert("VDL_TEST_WRITER", QString::number(w));
            p->setProcessEnvironment(env);
            p->start(QCoreApplication::applicationFilePath(), {"childWriter"});
            children.append(p);
        }
        for (QProcess* p : children) {
            QVERIFY(p->waitForFinished(600000));
            QCOMPARE(p->exitCode(), 0);
        }
        SettingsStore::setDir(dir.path());
        QStringList names, values;
        ReadKeyValues(R"(%\Parallel)", names, values, true);
        QCOMPARE(names.size(), kWriters * kWrites);
        for (int w = 0; w < kWriters; ++w)
            for (int i = 0; i < kWrites; ++i) {
                const qsizetype at = names.indexOf(valueName(w, i));
                QVERIFY2(at >= 0 && values[at] == valueText(w, i), qPrintable(valueName(w, i)));
            }
    }

    // Runs only as a child process of everyWriteIsKept; every write must report success.
    void childWriter()
    {
        const QString writer = qEnvironmentVariable("VDL_TEST_WRITER");
        if (writer.isEmpty())
            QSKIP("runs only as a child writer");
        for (int i = 0; i < kWrites; ++i)
            QVERIFY(WriteSetting(R"(%\Parallel)", valueName(writer.toInt(), i), valueText(writer.toInt(), i), true, true));
    }
};

QTEST_GUILESS_MAIN(TestSettingsWriters)
#include "tst_settings_writers_slow.moc"
