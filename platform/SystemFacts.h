#pragma once
// Facts about the computer the program runs on: memory, processors, uptime, screen, user,
// host and operating system. The system information reads them through the current
// SystemFacts; tests install FixedSystemFacts with values of their own.
#include <QByteArray>
#include <QSize>
#include <QString>

namespace vdl {

struct MemoryFacts {
    quint64 TotalPhys = 0, AvailPhys = 0, TotalPageFile = 0, AvailPageFile = 0; // bytes
};

// The figures of the text of "/proc/meminfo" ("MemTotal:  16318412 kB" and so on).
MemoryFacts memoryFromMemInfo(const QByteArray& text);

// Platform ids 0 to 2 name the older desktop systems; this program reports PlatformLinux.
constexpr int PlatformLinux = 3;

struct OsFacts {
    int PlatformId = PlatformLinux;
    int Major = 0;
    int Minor = 0;
};

class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    virtual MemoryFacts memory() const = 0;
    virtual QString windowsDirectory() const = 0;
    virtual QString systemDirectory() const = 0;
    virtual int processorCount() const = 0;
    virtual int processorType() const = 0;   // 586 on x86, 0 when there is no such number
    virtual QString processorName() const = 0; // as the system names it, '' when it does not
    virtual qint64 uptimeMs() const = 0;     // since the system started, suspend included
    virtual QSize screenSize() const = 0;
    virtual int colorBits() const = 0;       // bits per pixel of the screen
    virtual int colorPlanes() const = 0;
    virtual QString userName() const = 0;
    virtual QString computerName() const = 0;
    virtual QString hostIPv4() const = 0;    // first IPv4 address of the host name, '' when none
    virtual OsFacts os() const = 0;

    static const SystemFacts& current();
    static void set(const SystemFacts* facts); // nullptr = this computer's facts again
};

// For tests: answers with its public fields and installs itself while it lives.
class FixedSystemFacts : public SystemFacts {
public:
    FixedSystemFacts();
    ~FixedSystemFacts() override;

    MemoryFacts Memory;
    QString WindowsDirectory = QStringLiteral("/");
    QString SystemDirectory = QStringLiteral("/usr/lib");
    int ProcessorCount = 1;
    int ProcessorType = 586;
    QString ProcessorName;
    qint64 UptimeMs = 0;
    QSize ScreenSize{1024, 768};
    int ColorBits = 24;
    int ColorPlanes = 1;
    QString UserName, ComputerName, HostIPv4;
    OsFacts Os;

    MemoryFacts memory() const override { return Memory; }
    QString windowsDirectory() const override { return WindowsDirectory; }
    QString systemDirectory() const override { return SystemDirectory; }
    int processorCount() const override { return ProcessorCount; }
    int processorType() const override { return ProcessorType; }
    QString processorName() const override { return ProcessorName; }
    qint64 uptimeMs() const override { return UptimeMs; }
    QSize screenSize() const override { return ScreenSize; }
    int colorBits() const override { return ColorBits; }
    int colorPlanes() const override { return ColorPlanes; }
    QString userName() const override { return UserName; }
    QString computerName() const override { return ComputerName; }
    QString hostIPv4() const override { return HostIPv4; }
    OsFacts os() const override { return Os; }

private:
    const SystemFacts* m_previous = nullptr;
};

} // namespace vdl
