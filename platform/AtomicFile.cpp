#include "platform/AtomicFile.h"
#include <QFile>
#include <QSaveFile>

namespace vdl::AtomicFile {
namespace {

bool fail(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

// Files are opened unbuffered: each write goes straight to the system, and nothing a failed
// write left in a buffer can be written out later on close.
constexpr QIODevice::OpenMode kDirect = QIODevice::WriteOnly | QIODevice::Unbuffered;

// The whole of bytes handed to the system, with no error noted on the way. A short write is
// tried again with the rest, which fails with the system's reason (disk full, file too large).
bool writtenOut(QFileDevice& file, const QByteArray& bytes)
{
    return writeAll(file, bytes) && file.flush() && file.error() == QFileDevice::NoError;
}

} // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool replace(const QString& fileName, const QByteArray& bytes, QString* why)
{
    QSaveFile file(fileName);
    if (!file.open(kDirect))
        return fail(why, file.errorString());
    if (!writtenOut(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(why, reason);
    }
    return file.commit() || fail(why, file.errorString());
}

bool create(const QString& fileName, const QByteArray& bytes, QString* why)
{
    QFile file(fileName);
    if (!file.open(kDirect | QIODevice::NewOnly))
        return fail(why, file.errorString());
    if (writtenOut(file, bytes)) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    const QString reason = file.errorString();
    file.close();
    file.remove();
    return fail(why, reason);
}

bool append(const QString& fileName, const QByteArray& bytes, QString* why)
{
    const bool existed = QFile::exists(fileName);
    QFile file(fileName);
    if (!file.open(kDirect | QIODevice::Append))
        return fail(why, file.errorString());
    const qint64 before = file.size();
    if (!writtenOut(file, bytes)) {
        const QString reason = file.errorString();
        if (existed)
            file.resize(before);
        file.close();
        if (!existed)
            file.remove();
        return fail(why, reason);
    }
    file.close();
    return file.error() == QFileDevice::NoError || fail(why, file.errorString());
}

} // namespace vdl::AtomicFile
