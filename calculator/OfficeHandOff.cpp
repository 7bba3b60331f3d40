#include "calculator/OfficeHandOff.h"
#include "calculator/Codes.h"
#include <optional>

namespace vdl {

namespace {
// A digit of the base as the display shows it: 0-9, then A-Z for 10 upwards.
bool isDigit(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = base;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'A' && u <= u'Z')
        value = u - u'A' + 10;
    return value < base;
}

// [sign] digits [,digits] in the base: the only texts that are grouped. Gives the length of
// the integer part including the sign; nothing for any other text.
std::optional<qsizetype> plainNumberIntegerEnd(const QString& T, int base)
{
    const bool sign = T.startsWith(QLatin1Char('-')) || T.startsWith(QLatin1Char('+'));
    qsizetype i = sign ? 1 : 0;
    while (i < T.size() && isDigit(T[i], base))
        ++i;
    const qsizetype end = i;
    if (end == (sign ? 1 : 0))
        return std::nullopt;
    if (i < T.size() && T[i] == QLatin1Char(',')) {
        ++i;
        while (i < T.size() && isDigit(T[i], base))
            ++i;
    }
    if (i != T.size())
        return std::nullopt;
    return end;
}
} // namespace

QString HandOffText(const QString& Display, int System, bool CtrlOrAlt)
{
    // Decimal and currency amounts are base 10; roman numerals, dates, day counts and times
    // (every other system) go as they are.
    const int base = NumberSystem::hasDecimals(System) ? 10 : NumberSystem::isBase(System) ? System : 0;
    if (CtrlOrAlt || base == 0)
        return Display;
    const std::optional<qsizetype> end = plainNumberIntegerEnd(Display, base);
    if (!end)
        return Display;
    const bool sign = Display[0] == QLatin1Char('-') || Display[0] == QLatin1Char('+');
    const qsizetype firstDigit = sign ? 1 : 0;
    QString text = Display;
    for (qsizetype at = *end - 3; at > firstDigit; at -= 3)
        text.insert(at, QLatin1Char('.'));
    return text;
}

OfficeHandOff::OfficeHandOff()
    : OfficeHandOff(OfficeLink::create(OfficeLink::WordProcessor), OfficeLink::create(OfficeLink::Spreadsheet))
{
}

OfficeHandOff::OfficeHandOff(std::unique_ptr<OfficeLink> word, std::unique_ptr<OfficeLink> spreadsheet)
    : WordApp(std::move(word)), ExcelApp(std::move(spreadsheet))
{
}

bool OfficeHandOff::WordAvailable()
{
    if (WordApp->alive())
        return true;
    WordApp->attach();
    return false;
}

bool OfficeHandOff::ExcelAvailable()
{
    if (ExcelApp->alive())
        return true;
    if (ExcelApp->attach())
        ExcelWnd = ExcelWindowHandle();
    return false;
}

quintptr OfficeHandOff::ExcelWindowHandle()
{
    const std::optional<QString> title = ExcelApp->caption();
    return title ? ExcelApp->findWindow(*title) : 0;
}

void OfficeHandOff::W1Click(const QString& Display, int System, bool CtrlOrAlt)
{
    const QString text = HandOffText(Display, System, CtrlOrAlt);
    if (text.isEmpty())
        return;
    // A failed step ends the hand-off, as the program's automation calls would.
    if (WordApp->typeText(text) && WordApp->moveDown(5, 1))
        WordApp->activate();
}

void OfficeHandOff::E1Click(const QString& Display, int System, bool CtrlOrAlt)
{
    const QString text = HandOffText(Display, System, CtrlOrAlt);
    if (text.isEmpty())
        return;
    if (ExcelApp->setSelection(text))
        ExcelApp->bringToFront(ExcelWnd);
}

} // namespace vdl
