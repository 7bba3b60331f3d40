#pragma once
// German text for the generated guide pages.
#include <QString>

namespace vdl {

// ä Ä ö Ö ü Ü ß become their HTML entities; everything else, markup included, stays.
QString UmlautsToHtml(const QString& S);

} // namespace vdl
