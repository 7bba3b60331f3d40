#include "calculator/OfficeHandOff.h"
#include <optional>

namespace vdl {

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// [sign] digits [,digits]: the only texts that are grouped. Gives the length of the integer
// part including the sign; nothing for any other text.
std::optional<qsizetype> plainNumberIntegerEnd(const QString& T)
{
    const bool sign = T.startsWith(QLatin1Char('-')) || T.startsWith(QLatin1Char('+'));
    qsizetype i = sign ? 1 : 0;
    while (i < T.size() && isDigit(T[i]))
        ++i;
    const qsizetype end = i;
    if (end == (sign ? 1 : 0))
        return std::nullopt;
    if (i < T.size() && T[i] == QLatin1Char(',')) {
        ++i;
        while (i < T.size() && isDigit(T[i]))
            ++i;
    }
    if (i != T.size())
        return std::nullopt;
    return end;
}
} // namespace

QString HandOffText(const QString& Display, bool CtrlOrAlt)
{
    const std::optional<qsizetype> end = plainNumberIntegerEnd(Display);
    if (CtrlOrAlt || !end)
        return Display;
    const qsizetype firstDigit = isDigit(Display[0]) ? 0 : 1;
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

void OfficeHandOff::W1Click(const QString& Display, bool CtrlOrAlt)
{
    const QString text = HandOffText(Display, CtrlOrAlt);
    if (text.isEmpty())
        return;
    // A failed step ends the hand-off, as the program's automation calls would.
    if (WordApp->typeText(text) && WordApp->moveDown(5, 1))
        WordApp->activate();
}

void OfficeHandOff::E1Click(const QString& Display, bool CtrlOrAlt)
{
    const QString text = HandOffText(Display, CtrlOrAlt);
    if (text.isEmpty())
        return;
    if (ExcelApp->setSelection(text))
        ExcelApp->bringToFront(ExcelWnd);
}

} // namespace vdl
