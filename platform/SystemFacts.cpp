#include "platform/SystemFacts.h"
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QSysInfo>

#include <arpa/inet.h>
#include <charconv>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace vdl {

namespace {

// Leading decimal digits of Text from Pos on; Pos moves past them.
quint64 digitsAt(const QByteArray& text, qsizetype& pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    quint64 value = 0;
    const char* first = text.constData() + pos;
    const auto [end, ec] = std::from_chars(first, text.constData() + text.size(), value);
    pos += end - first;
    return ec == std::errc() ? value : 0;
}

} // namespace

MemoryFacts memoryFromMemInfo(const QByteArray& text)
{
    MemoryFacts facts;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        qsizetype pos = colon + 1;
        const quint64 bytes = digitsAt(line, pos) * 1024; // the kernel counts in kB
        const QByteArray key = line.left(colon);
        if (key == "MemTotal")
            facts.TotalPhys = bytes;
        else if (key == "MemAvailable")
            facts.AvailPhys = bytes;
        else if (key == "SwapTotal")
            facts.TotalPageFile = bytes;
        else if (key == "SwapFree")
            facts.AvailPageFile = bytes;
    }
    return facts;
}

namespace {

class LinuxSystemFacts : public SystemFacts {
public:
    MemoryFacts memory() const override
    {
        QFile file(QStringLiteral("/proc/meminfo"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        // "/proc/meminfo" is not seekable, so read it line by line rather than by size.
        QByteArray text;
        for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine())
            text += line;
        return memoryFromMemInfo(text);
    }

    // There is no Windows folder: the root stands in for it, Qt's libraries for the system folder.
    QString windowsDirectory() const override { return QStringLiteral("/"); }
    QString systemDirectory() const override { return QLibraryInfo::path(QLibraryInfo::LibrariesPath); }

    int processorCount() const override
    {
        const long n = sysconf(_SC_NPROCESSORS_ONLN);
        return n > 0 ? int(n) : 1;
    }

    int processorType() const override
    {
#if defined(__i386__) || defined(__x86_64__)
        return 586; // what the 32-bit system call reported for every x86 processor
#else
        return 0;
#endif
    }

    // The "model name" of the first processor in "/proc/cpuinfo", blanks run together.
    QString processorName() const override
    {
        QFile file(QStringLiteral("/proc/cpuinfo"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed() == "model name")
                return QString::fromUtf8(line.mid(colon + 1)).simplified();
        }
        return {};
    }

    qint64 uptimeMs() const override
    {
        timespec ts{};
        if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0)
            return 0;
        return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    }

    QSize screenSize() const override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }

    int colorBits() const override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 0;
    }

    int colorPlanes() const override { return 1; }

    QString userName() const override
    {
        const passwd* pw = getpwuid(geteuid());
        return pw && pw->pw_name ? QString::fromLocal8Bit(pw->pw_name) : QString();
    }

    QString computerName() const override { return QSysInfo::machineHostName(); }

    QString hostIPv4() const override
    {
        char host[256] = {};
        if (gethostname(host, sizeof host - 1) != 0)
            return {};
        addrinfo hints{};
        hints.ai_family = AF_INET;
        addrinfo* found = nullptr;
        if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found)
            return {};
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
        const bool ok = inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
        freeaddrinfo(found);
        return ok ? QString::fromLatin1(text) : QString();
    }

    OsFacts os() const override
    {
        // "6.1.0-18-amd64" gives 6 and 1.
        const QByteArray release = QSysInfo::kernelVersion().toLatin1();
        OsFacts facts;
        qsizetype pos = 0;
        facts.Major = int(digitsAt(release, pos));
        if (pos < release.size() && release[pos] == '.') {
            ++pos;
            facts.Minor = int(digitsAt(release, pos));
        }
        return facts;
    }
};

LinuxSystemFacts g_linux;
const SystemFacts* g_current = &g_linux;

} // namespace

const SystemFacts& SystemFacts::current()
{
    return *g_current;
}

void SystemFacts::set(const SystemFacts* facts)
{
    g_current = facts ? facts : &g_linux;
}

FixedSystemFacts::FixedSystemFacts() : m_previous(&current())
{
    set(this);
}

FixedSystemFacts::~FixedSystemFacts()
{
    set(m_previous);
}

} // namespace vdl
