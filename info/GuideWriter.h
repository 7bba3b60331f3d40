#pragma once
// The short guide: three HTML pages and their two pictures, written into a folder and
// opened in the browser.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>


namespace vdl {

class GuideWriter {
public:
    // The files in the order they are written.
    static QStringList fileNames();
    // Writes all five files into Dir, replacing what is there. When a file cannot be written
    // it returns false with that file's full path in FailedPath; the files after it are left
    // out.
    static bool write(const QString& Dir, QString& FailedPath);
    // The address of the index page in Dir.
    static QUrl indexUrl(const QString& Dir);
};

// A page's lines as written: umlauts as HTML entities, any other character above 127 as a
// numeric reference, every line ending in CR LF.
QByteArray GuidePageBytes(const QStringList& Lines);

// Writes the guide into the program folder and opens it; a file that cannot be written is
// reported with its full path and nothing is opened. When no browser starts, the message
// names the guide's first page.
void OpenKurzanleitung();

} // namespace vdl
