#include "toolkit/vdlTools_misc.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/ExeDir.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_strings.h"
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <iterator>

namespace vdl {
namespace {

const char* const yesWords[] = {"ja", "j", "yes", "y", "t", "true", "w", "wahr", "-1", "1"};
const char* const noWords[] = {"n", "nein", "no", "f", "false", "falsch", "0"};

bool isWord(const QString& s, const auto& words)
{
    const QString t = Cp1252::lower(Trim(s));
    return std::any_of(std::begin(words), std::end(words), [&](const char* w) { return t == QLatin1String(w); });
}

// Mode 4: an occurrence counts when it starts the item or follows one of these.
bool startsWord(const QString& item, int pos)
{
    return pos == 1 || QStringLiteral(" -.:,;+()/&\"'").contains(item[pos - 2]);
}

bool matches(const QString& item, const QString& value, int mode)
{
    switch (mode) {
    case 0: return item == value;
    case 1: return item.startsWith(value);
    case 2: return Pos(value, item) > 0;
    case 3: return item.endsWith(value);
    case 4:
        // After a miss the search goes on from 1 + k * Length(Value), not from the miss.
        for (int k = 0, p = Pos(value, item); p > 0; ++k, p = PosEx(1 + k * int(value.size()), item, value))
            if (startsWord(item, p))
                return true;
        return false;
    default: return false;
    }
}

bool isPathSep(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':');
}

qsizetype lastPathSep(const QString& s)
{
    qsizetype i = s.size() - 1;
    while (i >= 0 && !isPathSep(s[i]))
        --i;
    return i;
}

} // namespace

QString BoolToJaNein(bool B)
{
    return B ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

bool TextToBool(const QString& S)
{
    return isWord(S, yesWords);
}

bool IsBoolText(const QString& S)
{
    return isWord(S, yesWords) || isWord(S, noWords);
}

int IndexOfValue(const StringList& List, const Var& Value, int Mode, int Start)
{
    const int from = std::max(Start, 0);
    if (Value.isText()) {
        const QString value = Cp1252::upper(Value.toString());
        for (int i = from; i < List.count(); ++i)
            if (matches(Cp1252::upper(List[i]), value, Mode))
                return i;
    } else if (Value.type() == Var::Type::Int) {
        for (int i = from; i < List.count(); ++i)
            if (static_cast<long double>(List.object(i)) == Value.toFloat())
                return i;
    }
    return -1;
}

int FindInList(const StringList* List, const Var& Value, int Mode, int Start)
{
    return List ? IndexOfValue(*List, Value, Mode, Start) : -1;
}

QString RectToStr(const Rect& R)
{
    return QStringLiteral("%1,%2,%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

bool StrToRect(const QString& S, Rect& R)
{
    QStringList parts;
    SplitStr(S, QStringLiteral(","), parts);
    if (parts.size() < 4)
        return false;
    R = {StrToIntDef(parts[0], 0), StrToIntDef(parts[1], 0), StrToIntDef(parts[2], 0), StrToIntDef(parts[3], 0)};
    return true;
}

void TextRectHCentered(QPainter& Canvas, const Rect& R, const QString& Text, int TopOffset)
{
    const QFontMetrics fm = Canvas.fontMetrics();
    const int x = R.Left + (R.Right - R.Left) / 2 - fm.horizontalAdvance(Text) / 2;
    const int y = R.Top + TopOffset;
    const QRect r = R.toQRect();
    Canvas.save();
    if (Canvas.brush().style() != Qt::NoBrush)
        Canvas.fillRect(r, Canvas.brush());
    Canvas.setClipRect(r, Qt::IntersectClip);
    Canvas.drawText(x, y + fm.ascent(), Text); // Qt places text by its baseline, not its top
    Canvas.restore();
}

void TextRectCentered(QPainter& Canvas, const Rect& R, const QString& Text)
{
    const int textHeight = Canvas.fontMetrics().height();
    TextRectHCentered(Canvas, R, Text, (R.Bottom - R.Top) / 2 - textHeight / 2);
}

void SelectAllText(QWidget* Edit)
{
    if (!Edit || !Edit->isEnabled() || !Edit->isVisible() || Edit->focusPolicy() == Qt::NoFocus)
        return;
    Edit->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(Edit))
        edit->selectAll();
}

bool CheckNumEdit(QLineEdit* Edit, int Decimals, QWidget* SkipWhenActive, bool Thousands)
{
    // Leaving the field by pressing Cancel must not stop the user with a message.
    if (SkipWhenActive) {
        const QWidget* form = ParentForm(Edit);
        if (form && form->focusWidget() == SkipWhenActive)
            return true;
    }
    QString t = Edit->text();
    if (t.isEmpty())
        return true;
    const int decimals = std::max(Decimals, 0);
    QString pattern = Thousands ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decimals > 0)
        pattern += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));

    // A short entry without a mark is a whole number; a longer one has its decimals implied.
    if (t.size() <= decimals && !t.contains(QLatin1Char(',')) && !t.contains(QLatin1Char('.')))
        t += QLatin1Char('.');
    QChar mark = QLatin1Char('.');
    if (t.contains(QLatin1Char(','))) {
        t.remove(QLatin1Char('.')); // dots are digit grouping then
        mark = QLatin1Char(',');
    }

    QString intDigits, fracDigits;
    bool plus = false, minus = false, markSeen = false, bad = false;
    for (qsizetype i = t.size() - 1; i >= 0 && !bad; --i) {
        const QChar c = t[i];
        if (c == QLatin1Char('+'))
            plus = true;
        else if (c == QLatin1Char('-'))
            minus = true;
        else if (c == mark && !markSeen)
            markSeen = true;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            (markSeen ? intDigits : fracDigits).prepend(c);
        else
            bad = true;
    }
    if (!markSeen) {
        const QString digits = fracDigits.rightJustified(decimals, QLatin1Char('0'));
        intDigits = digits.left(digits.size() - decimals);
        fracDigits = digits.right(decimals);
    }

    // A lone sign or mark holds no number at all: refused like any other bad text.
    long double value = 0;
    const QString number = (minus ? QStringLiteral("-") : QString()) + intDigits
        + Regional::current().decimalSeparator + fracDigits;
    if (bad || (plus && minus) || !TryStrToFloat(number, value)) {
        ShowMessage(QStringLiteral("Ungültiger Wert!"), QStringLiteral("Fehler"), mb::Ok | mb::IconError);
        SelectAllText(Edit);
        return false;
    }
    Edit->setText(FormatFloat(pattern, value));
    return true;
}

bool AppendLineToFile(const QString& FileName, const QString& Line)
{
    return AtomicFile::append(FileName, Cp1252::encode(Line) + "\r\n");
}

QString PathCombine(const QString& Dir, const QString& Name, bool KeepNamePath)
{
    const QString dir = QFileInfo(Dir).isDir() ? Dir : Dir.left(lastPathSep(Dir) + 1);
    const QString name = KeepNamePath ? Name : Name.mid(lastPathSep(Name) + 1);
    // A folder written with backslashes (as in older settings) keeps them.
    const bool backslashes = dir.contains(QLatin1Char('\\')) && !dir.contains(QLatin1Char('/'));
    return EnsureSuffix(dir, backslashes ? QStringLiteral("\\") : QStringLiteral("/"), false) + name;
}

QString ExeDirFile(const QString& Name)
{
    return PathCombine(ExeDir(), Name, false);
}

} // namespace vdl
