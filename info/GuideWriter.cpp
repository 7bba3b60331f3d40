#include "info/GuideWriter.h"
#include "info/InfoResources.h"
#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/UrlOpener.h"
#include "toolkit/vdlHTMLTools.h"
#include "toolkit/vdlTools_strings.h"
#include <QDir>
#include <QFile>
#include <QSaveFile>


namespace vdl {

namespace {

const QString IndexPage = QStringLiteral("vdlRechnerIndex.htm");

// The page as stored with the program, one entry per line.
QStringList pageLines(const QString& name)
{
    QFile file(QStringLiteral(":/info/") + name);
    file.open(QIODevice::ReadOnly);
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The stored bytes, unchanged: a picture is not encoded again.
QByteArray resourceBytes(const QString& name)
{
    QFile file(QStringLiteral(":/info/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Written aside and swapped in, so a failed write leaves an existing file as it was.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

} // namespace

QStringList GuideWriter::fileNames()
{
    return {QStringLiteral("vdlRechner1.htm"), QStringLiteral("vdlRechnerStart.htm"), IndexPage,
            QStringLiteral("Logo5.jpg"), QStringLiteral("backgr.jpg")};
}

bool GuideWriter::write(const QString& Dir, QString& FailedPath)
{
    initInfoResources();
    const QString dir = EnsureSuffix(Dir, QStringLiteral("/"), false);
    for (const QString& name : fileNames()) {
        const QByteArray bytes = name.endsWith(QLatin1String(".htm")) ? GuidePageBytes(pageLines(name))
                                                                      : resourceBytes(name);
        if (!writeFile(dir + name, bytes)) {
            FailedPath = QDir::toNativeSeparators(QFileInfo(dir + name).absoluteFilePath());
            return false;
        }
    }
    FailedPath.clear();
    return true;
}

QUrl GuideWriter::indexUrl(const QString& Dir)
{
    return QUrl::fromLocalFile(QFileInfo(EnsureSuffix(Dir, QStringLiteral("/"), false) + IndexPage).absoluteFilePath());
}

QByteArray GuidePageBytes(const QStringList& Lines)
{
    QByteArray bytes;
    for (const QString& line : Lines) {
        for (const char32_t c : UmlautsToHtml(line).toUcs4()) {
            if (c < 128)
                bytes += char(c);
            else
                bytes += "&#" + QByteArray::number(uint(c)) + ';';
        }
        bytes += "\r\n";
    }
    return bytes;
}

void OpenKurzanleitung()
{
    const QString dir = ExeDir();
    QString failed;
    if (!GuideWriter::write(dir, failed)) {
        Application::showException(Error(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(failed)));
        return;
    }
    // Without a browser the user is told where the guide is, to open it by hand.
    const QUrl index = GuideWriter::indexUrl(dir);
    if (!UrlOpener::current().open(index))
        ShowMessage(QStringLiteral("Es konnte kein Browser gestartet werden!\r\nDie Kurzanleitung steht in der Datei\r\n")
                        + QDir::toNativeSeparators(index.toLocalFile()),
                    QStringLiteral("Fehler"), mb::Ok | mb::IconError);
}

} // namespace vdl
