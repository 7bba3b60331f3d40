// The link to an office suite before any suite is involved: which files at the pipe's place
// make it load the suite's module, and from which folder. Whether the module is in this
// process is read from the kernel's list of its mappings.
#include "platform/ExeDir.h"
#include "platform/OfficeLink.h"
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vdl;

namespace {

bool moduleMapped()
{
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find("vdlRechner_office") != std::string::npos;
}

// Where a suite listening on the pipe of that name puts its socket.
QString socketPath(const QString& pipe)
{
    return QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(QString::number(getuid()), pipe);
}

// What a suite that ended leaves behind: the socket's file, with nothing listening.
bool leaveDeadSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    if (name.size() >= int(sizeof address.sun_path))
        return false;
    memcpy(address.sun_path, name.constData(), name.size() + 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = s >= 0 && ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (s >= 0)
        ::close(s);
    return bound;
}

} // namespace

class TestOfficeLink : public QObject {
    Q_OBJECT
    QString m_path;

    static QString pipe(const char* what)
    {
        return QStringLiteral("vdlRechnerLinkTest%1%2").arg(QString::number(getpid()), QLatin1String(what));
    }

private slots:
    void cleanup()
    {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
        m_path.clear();
    }

    // Three polls at a pipe where no suite listens: none loads the module.
    void nothingListens_data()
    {
        QTest::addColumn<int>("kind"); // 0: dead socket, 1: plain file, 2: nothing
        QTest::addColumn<bool>("looked");
        QTest::newRow("socket left by a suite that ended") << 0 << true;
        QTest::newRow("plain file") << 1 << false;
        QTest::newRow("no file") << 2 << false;
    }
    void nothingListens()
    {
        QFETCH(int, kind);
        QFETCH(bool, looked);
        const QString name = pipe(kind == 0 ? "dead" : kind == 1 ? "file" : "none");
        m_path = socketPath(name);
        QFile::remove(m_path);
        if (kind == 0)
            QVERIFY(leaveDeadSocket(m_path));
        if (kind == 1) {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const auto link = OfficeLink::create(OfficeLink::WordProcessor, name);
        const OfficeLink::Tries before = OfficeLink::tries();
        for (int poll = 1; poll <= 3; ++poll) {
            QCOMPARE(link->attach(), looked);
            QTRY_COMPARE(OfficeLink::tries().looks, before.looks + (looked ? poll : 0));
            QVERIFY(!link->alive());
        }
        QCOMPARE(OfficeLink::tries().moduleCalls, before.moduleCalls);
        QVERIFY(!moduleMapped());
    }

    // Something accepts on the pipe (and hangs up, as no suite would): a copy of this program
    // in a folder of its own tries the module from that folder only, though the build folder
    // and this test's folder hold one. With the module beside it, it loads it and attaches
    // through it (the second connection).
    void copiedProgram_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("connections");
        QTest::newRow("copied without its module") << false << "tried 1, loaded 0" << 1;
        QTest::newRow("copied with its module") << true << "tried 1, loaded 1" << 2;
    }
    void copiedProgram()
    {
        QFETCH(bool, beside);
        QFETCH(int, connections);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("copied"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const QString module = ProgramDir() + QStringLiteral("vdlRechner_office.so");
        QVERIFY2(QFile::exists(module), qPrintable(module));
        if (beside)
            QVERIFY(QFile::copy(module, folder.filePath(QStringLiteral("vdlRechner_office.so"))));

        const QString name = pipe(beside ? "beside" : "alone");
        m_path = socketPath(name);
        QLocalServer::removeServer(m_path);
        QLocalServer server;
        QVERIFY2(server.listen(m_path), qPrintable(server.errorString()));
        int accepted = 0;
        connect(&server, &QLocalServer::newConnection, &server, [&] {
            while (QLocalSocket* socket = server.nextPendingConnection()) {
                ++accepted;
                socket->abort();
                socket->deleteLater();
            }
        });
        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VDL_ATTACH_TO"), name);
        copy.setProcessEnvironment(environment);
        copy.start(program, {});
        QVERIFY(copy.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(copy.state(), QProcess::NotRunning, 60000);
        const QByteArray errors = copy.readAllStandardError();
        QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, errors.constData());
        QTEST(QString::fromLatin1(copy.readAllStandardOutput()).trimmed(), "answer");
        QTRY_COMPARE(accepted, connections);
        server.close();
    }
};

// Run with VDL_ATTACH_TO=<pipe>, the program attaches a link to that pipe, waits for the look,
// and says whether it went on to the module and whether the module is in the process.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString pipe = qEnvironmentVariable("VDL_ATTACH_TO");
    if (pipe.isEmpty()) {
        TestOfficeLink test;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&test, argc, argv);
    }
    const auto link = OfficeLink::create(OfficeLink::WordProcessor, pipe);
    if (!link->attach())
        return 2;
    QElapsedTimer waited;
    waited.start();
    while (OfficeLink::tries().looks == 0) {
        if (waited.elapsed() > 50000)
            return 3;
        QThread::msleep(10);
    }
    std::printf("tried %d, loaded %d\n", OfficeLink::tries().moduleCalls, int(moduleMapped()));
    return 0;
}

#include "tst_officelink.moc"
