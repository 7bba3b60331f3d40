#pragma once
// Layout files ("*.zqe"): the frame's bounds and, per window, its name, position, number
// system, decimal places, type, link, automatic transfer, options and currency. Windows-1252
// text, one record per line ended by CR LF, fields joined by "-ßß-" (bytes 2D DF DF 2D) with
// no quoting. No widgets here: the frame turns windows into records and records into windows.
#include <QByteArray>
#include <QList>
#include <QString>

namespace vdl {

// The text a link box shows for "no link"; a layout writes it in place of a memory's name.
QString KeinSpeicherText();

struct LayoutHeader {
    int Left = 0, Top = 0, Width = 0, Height = 0; // the frame's outer bounds
};

// One window line, its 13 fields in the order of the file.
struct LayoutWindow {
    QString Name;
    int Left = 0, Top = 0; // in the frame's window area
    int System = 10;       // 2..32 a base, -1 roman, -2 date, -3 time, -4 currency
    int NK = -1;           // decimal places, -1 general format
    QString Typ;           // "Rechner" or "Speicher"
    bool Auto = false;     // automatic transfer
    QString Link;          // the linked window's name; empty without a link
    bool Posten = false;
    int Winkel = 0;        // 0 Rad, 1 Deg, 2 Grad, -1 none
    bool Minuswerte = false;
    int Currency = -1;     // position in the sorted currency names
    bool NurHauptSysteme = false;
};

// True when a name can stand in a window line and come back unchanged: Windows-1252 only, no
// line break, not the no-link text, and never forming the separator with what follows it.
bool LayoutCanHold(const QString& Name);

QString SettingsHeaderLine(const LayoutHeader& Header);
QString SettingsWindowLine(const LayoutWindow& Window);
// The whole file. False, with bytes left empty, when a name, link or type cannot be held: the
// file would read back as other windows.
bool layoutFileBytes(const LayoutHeader& Header, const QList<LayoutWindow>& Windows, QByteArray& bytes);

// What the reader made of a file, step by step. Steps 6 to 10 read the header, 11 to 31 each
// window line; a window line that ends before its last field fails the step that reads the
// field it ends in. A failure ends the reading there, and whatever came before it stands: the
// header fields read so far, the windows read so far, and of the last window the fields of
// the steps before the failure. A line that ends before its type is whole gives no window.
struct LayoutRead {
    LayoutHeader Header;
    QList<LayoutWindow> Windows;
    int FailedStep = 0;   // 0: the whole file was read
    QString Error;        // the failure's text
    bool TypeCut = false; // the failed line ended before its type and gave no window

    // Whether the reading failed before it had a window: the file is no layout.
    bool beforeWindows() const;
    // Whether a step of the header, or of window `index`, was done before the failure.
    bool headerReached(int step) const;
    bool windowReached(qsizetype index, int step) const;
    // "Die Einstellungsdatei ist fehlerhaft!" with the failed step and the failure's text.
    QString errorMessage() const;
};

LayoutRead readLayout(const QByteArray& bytes);
// Reads the file; false when it is not there or cannot be read (a folder, no permission), and
// then read is left as it was. Faults inside a file that could be read are in read.
bool readLayoutFile(const QString& FileName, LayoutRead& read);

// The file a layout name means: ".zqe" completed, case ignored ("Test." and "Test.zq" give
// "Test.zqe", "Test.ZQE" stays).
QString layoutFileName(const QString& FileName);

} // namespace vdl
