#pragma once
// Comma text as the class library reads and writes it: leading characters <= blank are
// skipped; a quoted item ends at an undoubled quote ("" stands for "); an unquoted item
// ends at a comma or a blank; a trailing comma adds an empty item.
#include <QStringList>

namespace vdl {

QStringList ParseCommaText(const QString& text);
// Items containing blanks, commas, quotes or nothing at all are quoted.
QString ToCommaText(const QStringList& items);

} // namespace vdl
