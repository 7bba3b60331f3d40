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

// The whole of bytes written and handed to the system, with no error noted on the way.
bool writtenOut(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
}

} // namespace

bool replace(const QString& fileName, const QByteArray& bytes, QString* why)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
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
    // Unbuffered, so that nothing a failed write left in a buffer is written out on close.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
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
