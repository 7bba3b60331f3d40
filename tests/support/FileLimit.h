#pragma once
// A disk that fills up, for real: one test function of the running test program runs again in
// a child process whose files may grow to at most a given size. SIGXFSZ is ignored there, so
// a write past the limit ends short (EFBIG) instead of killing the child, just as on a full disk.
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace vdl::test {

// Set in the child; a child function skips itself in a normal run.
inline constexpr char kLimitedChild[] = "VDL_TEST_LIMITED_CHILD";

inline bool inLimitedChild()
{
    return qEnvironmentVariableIsSet(kLimitedChild);
}

// What the child tells its parent: one line on standard error, apart from the test log.
inline void report(const QString& line)
{
    const QByteArray bytes = "#> " + line.toUtf8().toPercentEncoding() + "\n";
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// Runs `function` of this test program with the extra environment (name, value, name, value...)
// under the file-size limit; returns the lines the child reported.
inline QStringList runWithFileLimit(const QString& function, rlim_t limit, const QStringList& environment)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kLimitedChild), QStringLiteral("1"));
    for (qsizetype i = 0; i + 1 < environment.size(); i += 2)
        env.insert(environment[i], environment[i + 1]);
    child.setProcessEnvironment(env);
    child.setChildProcessModifier([limit] {
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::signal(SIGXFSZ, SIG_IGN);
    });
    child.start(QCoreApplication::applicationFilePath(), {function});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {QStringLiteral("child failed: ") + QString::fromUtf8(child.readAllStandardOutput())};
    QStringList lines;
    for (const QByteArray& line : child.readAllStandardError().split('\n'))
        if (line.startsWith("#> "))
            lines << QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(3)));
    return lines;
}

} // namespace vdl::test
