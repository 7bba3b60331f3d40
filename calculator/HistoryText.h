#pragma once
// The tape as text, without any widget: a line taken apart, a line written 30 columns wide
// for history files and the clipboard, and the number a line gives back to an entry.
//
// Stored lines keep their operator as the code-page byte (see RechnerCore.h); the body is
// ordinary text ("100 €").
#include "calculator/RechnerCore.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vdl {

// A tape line taken apart: the operator is its last character, the count the text before
// the first '#', the body what lies between.
struct TapeLineParts {
    QString count;
    QString body;
    QString op;
};
TapeLineParts splitTapeLine(const QString& line);

// The line right-aligned in 30 columns: the text before the operator, a blank and the
// operator; a longer line loses its beginning, so the operator column always lines up.
QString tapeLineColumns(const QString& line);

// A history file: every line in columns, in Windows-1252, each ended by CR LF.
QByteArray historyFileBytes(const QList<RechnerCore::TapeLine>& lines);

// Clipboard text of the given lines: in columns, each ended by CR LF, operators as drawn.
QString historyClipboardText(const QStringList& lines);

// The number a line gives back to an entry of the given system, without count, percent
// prefix, "Rest ", currency or any operator character; empty when the line holds none.
QString tapeLineNumber(const QString& line, int system);

} // namespace vdl
