#include "platform/OfficeLink.h"
#include "platform/OfficeConnection.h"
#include "platform/ExeDir.h"
#include <QHash>
#include <QLibrary>
#include <atomic>
#include <csignal>
#include <chrono>
#include <cstring>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace vdl {

namespace {

using SteadyClock = std::chrono::steady_clock;
// A look at the documents that has not come back within this time counts as no answer.
constexpr auto AnswerTime = std::chrono::milliseconds(1500);

std::atomic<int> looks{0}, moduleCalls{0};
// The module's entry, once it is loaded; it stays loaded.
std::atomic<office::ConnectFunction> loadedModule{nullptr};

// Something accepts connections on the socket at that path. A file left behind by a suite
// that ended refuses them; the socket does not block, so the look never waits.
bool listening(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool accepted = ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(probe);
    return accepted;
}

// The office suite listening on one pipe, shared by the word-processor and the spreadsheet
// link (one process of the suite serves both). The user-interface thread only looks at the
// pipe's file and at the last answer and hands work to a thread of its own, so a suite that is
// busy or hangs never holds up the window. Until the suite's module is loaded, that thread
// first checks that something accepts connections on the pipe, and only then loads the module
// and its libraries, from the program's own folder; once loaded, it attaches through the
// module directly.
class OfficeSession {
    using ConnectionPtr = std::shared_ptr<office::Connection>;
    struct Shared;
    // A piece of work for the worker, with the worker's connection (empty while none).
    using Job = std::function<void(Shared&, ConnectionPtr&, const std::u16string&)>;
    struct Shared {
        std::mutex guard;
        std::condition_variable wake, done;
        std::deque<Job> jobs;
        bool stop = false, finished = false;
        bool connecting = false, connected = false, looking = false;
        SteadyClock::time_point lookStarted;
        office::Documents open;
        ConnectionPtr connection; // the worker's, for cutting it from outside
    };

public:
    explicit OfficeSession(const QString& pipe) : m_pipe(pipe.toStdU16String())
    {
        // Where the suite's runtime puts a pipe of that name for this user.
        m_socket = QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(QString::number(getuid()), pipe).toLocal8Bit().toStdString();
    }

    ~OfficeSession()
    {
        if (!m_shared)
            return;
        ConnectionPtr connection;
        {
            const std::lock_guard lock(m_shared->guard);
            m_shared->stop = true;
            m_shared->jobs.clear();
            connection = m_shared->connection;
        }
        m_shared->wake.notify_all();
        if (connection)
            connection->cut();
        connection.reset();
        // A worker that is idle ends at once; one held up by a suite that hangs is not waited
        // for, so closing never freezes the window.
        std::unique_lock lock(m_shared->guard);
        if (m_shared->done.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_shared->finished; })) {
            lock.unlock();
            m_worker.join();
        } else {
            m_worker.detach(); // it owns what it uses and ends with the program
        }
    }

    // The suite answered at the last look and has a document of that kind open; asks it again
    // for the next poll.
    bool alive(OfficeLink::Program program)
    {
        if (!m_shared)
            return false;
        const std::lock_guard lock(m_shared->guard);
        Shared& s = *m_shared;
        if (!s.connected || (s.looking && SteadyClock::now() - s.lookStarted > AnswerTime))
            return false;
        const bool open = program == OfficeLink::WordProcessor ? s.open.text : s.open.spreadsheet;
        if (!s.looking)
            queueLook(s);
        return open;
    }

    // Starts attaching when the pipe's socket exists and nothing is attached: true while
    // attached or attaching; whether a suite listens there and has a document of that kind
    // open is seen at the next poll.
    bool attach()
    {
        if (m_shared) {
            const std::lock_guard lock(m_shared->guard);
            if (m_shared->connected || m_shared->connecting)
                return true;
        }
        struct stat info {};
        if (stat(m_socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode))
            return false;
        start();
        const std::lock_guard lock(m_shared->guard);
        m_shared->connecting = true;
        m_shared->jobs.push_back([socket = m_socket, folder = ProgramDir()](Shared& s, ConnectionPtr& c,
                                                                       const std::u16string& pipe) {
            if (!c) {
                if (loadedModule || listening(socket))
                    c = connect(pipe, folder);
                ++looks;
            }
            const std::lock_guard lock(s.guard);
            s.connection = c;
            s.connecting = false;
            s.connected = c != nullptr;
            if (c)
                queueLook(s);
        });
        m_shared->wake.notify_one();
        return true;
    }

    bool connected()
    {
        if (!m_shared)
            return false;
        const std::lock_guard lock(m_shared->guard);
        return m_shared->connected;
    }

    // Hands a call to the worker while attached; it runs after everything handed before.
    bool post(std::function<bool(office::Connection&)> call)
    {
        if (!m_shared)
            return false;
        const std::lock_guard lock(m_shared->guard);
        if (!m_shared->connected || m_shared->jobs.size() > 16)
            return false;
        m_shared->jobs.push_back([call = std::move(call)](Shared&, ConnectionPtr& c, const std::u16string&) {
            if (c)
                call(*c);
        });
        m_shared->wake.notify_one();
        return true;
    }

private:
    // Asks what the suite has open (the caller holds the guard); a suite that does not answer
    // is let go.
    static void queueLook(Shared& shared)
    {
        shared.looking = true;
        shared.lookStarted = SteadyClock::now();
        shared.jobs.push_back([](Shared& s, ConnectionPtr& c, const std::u16string&) {
            office::Documents open;
            const bool answered = c && c->documents(open);
            if (!answered)
                c.reset();
            const std::lock_guard lock(s.guard);
            s.looking = false;
            s.open = answered ? open : office::Documents();
            s.connected = answered;
            s.connection = c;
        });
        shared.wake.notify_one();
    }

    static ConnectionPtr connect(const std::u16string& pipe, const QString& folder)
    {
        const office::ConnectFunction open = module(folder);
        ConnectionPtr connection(open ? open(pipe.c_str()) : nullptr);
        ++moduleCalls;
        return connection;
    }

    // The suite's module from the program's own folder (with a trailing '/'), and from nowhere
    // else: a program copied without it has no office hand-off. Once loaded it is kept; a
    // module that is missing is looked for again at the next attempt.
    static office::ConnectFunction module(const QString& folder)
    {
        static std::mutex guard;
        static QLibrary* library = new QLibrary; // never destroyed: the module stays
        const std::lock_guard lock(guard);
        if (loadedModule)
            return loadedModule;
        library->setFileName(folder + QStringLiteral("vdlRechner_office.so"));
        if (library->load()) {
            loadedModule = reinterpret_cast<office::ConnectFunction>(library->resolve(office::ConnectSymbol));
            if (!loadedModule)
                library->unload();
        }
        return loadedModule;
    }

    void start()
    {
        if (m_shared)
            return;
        m_shared = std::make_shared<Shared>();
        m_worker = std::thread([shared = m_shared, pipe = m_pipe] { work(*shared, pipe); });
    }

    static void work(Shared& s, const std::u16string& pipe)
    {
        ConnectionPtr connection;
        std::unique_lock lock(s.guard);
        for (;;) {
            s.wake.wait(lock, [&] { return s.stop || !s.jobs.empty(); });
            if (s.stop)
                break;
            Job job = std::move(s.jobs.front());
            s.jobs.pop_front();
            lock.unlock();
            job(s, connection, pipe);
            lock.lock();
        }
        s.connection.reset();
        lock.unlock();
        connection.reset();
        lock.lock();
        s.finished = true;
        s.done.notify_all();
    }

    std::u16string m_pipe;
    std::string m_socket;
    std::shared_ptr<Shared> m_shared; // made with the worker, when the pipe first exists
    std::thread m_worker;
};

// The sessions by pipe name, while a link uses them (user-interface thread only).
std::shared_ptr<OfficeSession> sessionFor(const QString& pipe)
{
    static QHash<QString, std::weak_ptr<OfficeSession>> sessions;
    std::shared_ptr<OfficeSession> session = sessions.value(pipe).lock();
    if (!session) {
        session = std::make_shared<OfficeSession>(pipe);
        sessions.insert(pipe, session);
    }
    return session;
}

// The word processor or the spreadsheet of the suite on that pipe. The suite's windows are
// reached through its documents, so the spreadsheet's "window" is a token standing for the
// window of the spreadsheet that received the last text.
class SuiteLink : public OfficeLink {
public:
    SuiteLink(Program program, const QString& pipe) : m_program(program), m_session(sessionFor(pipe)) {}

    bool alive() override { return m_session->alive(m_program); }
    bool attach() override { return m_session->attach(); }
    bool typeText(const QString& text) override
    {
        return m_session->post([t = text.toStdU16String()](office::Connection& c) { return c.typeText(t); });
    }
    bool moveDown(int unit, int count) override
    {
        if (unit != 5)
            return false; // lines are the only unit
        return m_session->post([count](office::Connection& c) { return c.moveDown(count); });
    }
    bool activate() override
    {
        return m_session->post([](office::Connection& c) { return c.activateText(); });
    }
    bool setSelection(const QString& text) override
    {
        return m_session->post([t = text.toStdU16String()](office::Connection& c) { return c.setSelection(t); });
    }
    // The spreadsheet's window is whichever of its documents takes the text, so it is known
    // before the connection stands.
    std::optional<QString> caption() override { return QString(); }
    quintptr findWindow(const QString&) override { return SpreadsheetWindow; }
    bool bringToFront(quintptr window) override
    {
        if (window != SpreadsheetWindow)
            return false;
        return m_session->post([](office::Connection& c) { return c.activateSpreadsheet(); });
    }

private:
    static constexpr quintptr SpreadsheetWindow = 1;
    Program m_program;
    std::shared_ptr<OfficeSession> m_session;
};

} // namespace

void OfficeLink::ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

OfficeLink::Tries OfficeLink::tries()
{
    return {looks.load(), moduleCalls.load()};
}

std::unique_ptr<OfficeLink> OfficeLink::create(Program program)
{
    return create(program, QStringLiteral("vdlRechner"));
}

std::unique_ptr<OfficeLink> OfficeLink::create(Program program, const QString& pipe)
{
    return std::make_unique<SuiteLink>(program, pipe);
}

} // namespace vdl
