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
#include <cerrno>
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

// A stream socket, bound to that path or connected to it; -1 when that fails.
int socketAt(const QString& path, int (*step)(int, const sockaddr*, socklen_t))
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    if (name.size() >= int(sizeof address.sun_path))
        return -1;
    memcpy(address.sun_path, name.constData(), name.size() + 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (s >= 0 && step(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(s);
        return -1;
    }
    return s;
}

// What a suite that ended leaves behind: the socket's file, with nothing listening.
bool leaveDeadSocket(const QString& path)
{
    const int s = socketAt(path, ::bind);
    if (s >= 0)
        ::close(s);
    return s >= 0;
}

// Something at a pipe's socket that accepts every connection and hangs up at once, as no
// suite would; it counts them.
struct HangingUp : QLocalServer {
    int accepted = 0;
    bool listen(const QString& path)
    {
        removeServer(path);
        QObject::connect(this, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = nextPendingConnection()) {
                ++accepted;
                socket->abort();
                socket->deleteLater();
            }
        });
        return QLocalServer::listen(path);
    }
};

// Runs the program with the variable set and waits (up to a minute) until it ends.
bool runOnce(QProcess& process, const QString& program, const char* variable, const QString& value)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(variable), value);
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForStarted())
        return false;
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000);
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

    // Something accepts on the pipe (and hangs up, as no suite would), and a copy of this
    // program in a folder of its own tries to attach twice: it tries the module from that
    // folder only, though the build folder and this test's folder hold one. Without the module
    // it looks at the pipe each time (one connection each); with the module beside it, it
    // looks once, loads the module and attaches through it, and the second time attaches
    // through the module without a look.
    void copiedProgram_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("connections");
        QTest::newRow("copied without its module") << false << "tried 2, loaded 0" << 2;
        QTest::newRow("copied with its module") << true << "tried 2, loaded 1" << 3;
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
        HangingUp server;
        QVERIFY(server.listen(m_path = socketPath(name)));
        QProcess copy;
        QVERIFY(runOnce(copy, program, "VDL_ATTACH_TO", name));
        const QByteArray errors = copy.readAllStandardError();
        QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, errors.constData());
        QTEST(QString::fromLatin1(copy.readAllStandardOutput()).trimmed(), "answer");
        // The copy has ended: every connection it made waits to be accepted.
        for (bool none = false; !none;)
            server.waitForNewConnection(0, &none);
        QCOMPARE(server.accepted, connections);
    }

    // A suite that hangs up while the program writes to its pipe, as the suite's runtime does
    // (plain send()): the write fails and the program goes on, since it ignores SIGPIPE from
    // its start (this program's main() starts as the program's does).
    void hangUpWhileWriting()
    {
        HangingUp server;
        QVERIFY(server.listen(m_path = socketPath(pipe("hangup"))));
        QProcess writer;
        QVERIFY(runOnce(writer, QCoreApplication::applicationFilePath(), "VDL_WRITE_TO", m_path));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromLatin1(writer.readAllStandardOutput()).trimmed(), QStringLiteral("write failed: EPIPE"));
        QCOMPARE(writer.exitCode(), 0);
    }
};

namespace {

// Connects to the socket at that path, waits until the other end hangs up, and writes to it.
int writeAfterHangUp(const QString& path)
{
    const int s = socketAt(path, ::connect);
    if (s < 0)
        return 3;
    char byte = 0;
    if (::recv(s, &byte, 1, 0) != 0)
        return 4;
    const bool failed = ::send(s, "urp", 3, 0) < 0;
    std::printf("write %s: %s\n", failed ? "failed" : "passed", errno == EPIPE ? "EPIPE" : "other");
    ::close(s);
    return 0;
}

} // namespace

// Run with VDL_ATTACH_TO=<pipe>, the program tries to attach a link to that pipe twice, each
// time waiting for the try to end, and says how often it went on to the module and whether the
// module is in the process. Run with VDL_WRITE_TO=<socket path>, it writes to that socket once
// the other end has hung up, and says how the write ended.
int main(int argc, char** argv)
{
    vdl::OfficeLink::ignoreBrokenPipes(); // as the program starts
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("VDL_WRITE_TO"))
        return writeAfterHangUp(qEnvironmentVariable("VDL_WRITE_TO"));
    const QString pipe = qEnvironmentVariable("VDL_ATTACH_TO");
    if (pipe.isEmpty()) {
        TestOfficeLink test;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&test, argc, argv);
    }
    const auto link = OfficeLink::create(OfficeLink::WordProcessor, pipe);
    QElapsedTimer waited;
    waited.start();
    // A try that has not ended yet takes no new one.
    while (OfficeLink::tries().looks < 2) {
        if (!link->attach())
            return 2;
        if (waited.elapsed() > 50000)
            return 3;
        QThread::msleep(10);
    }
    std::printf("tried %d, loaded %d\n", OfficeLink::tries().moduleCalls, int(moduleMapped()));
    return 0;
}

#include "tst_officelink.moc"
