#pragma once
// Writing files so that a failure never passes for success. On a full disk or past a file-size
// limit a write can end short, and QSaveFile::commit() alone still swaps such a file in: every
// write here checks the written count, the flush and the device's error before it counts.
#include <QByteArray>
#include <QString>

class QIODevice;

namespace vdl::AtomicFile {

// Replaces fileName with bytes in one step (written aside, then renamed over it). On failure
// the old file stays byte for byte, nothing is left beside it, and false is returned with the
// reason in *why when given.
bool replace(const QString& fileName, const QByteArray& bytes, QString* why = nullptr);

// Creates fileName with bytes; fails when it exists already. A file written only in part is
// removed again.
bool create(const QString& fileName, const QByteArray& bytes, QString* why = nullptr);

// Appends bytes, creating a missing file. A write that ends short is cut back, so the file
// holds its old bytes (or is removed again when this call created it).
bool append(const QString& fileName, const QByteArray& bytes, QString* why = nullptr);

// Hands the whole of bytes to an open device, write after write, each going on where the
// last one ended; false as soon as a write takes nothing. The files above are written with it.
bool writeAll(QIODevice& device, const QByteArray& bytes);

} // namespace vdl::AtomicFile
