#include "toolkit/vdlHTMLTools.h"

namespace vdl {

QString UmlautsToHtml(const QString& S)
{
    QString result;
    result.reserve(S.size());
    for (QChar c : S) {
        switch (c.unicode()) {
        case 0xE4: result += QLatin1String("&auml;"); break;
        case 0xC4: result += QLatin1String("&Auml;"); break;
        case 0xF6: result += QLatin1String("&ouml;"); break;
        case 0xD6: result += QLatin1String("&Ouml;"); break;
        case 0xFC: result += QLatin1String("&uuml;"); break;
        case 0xDC: result += QLatin1String("&Uuml;"); break;
        case 0xDF: result += QLatin1String("&szlig;"); break;
        default: result += c;
        }
    }
    return result;
}

} // namespace vdl
