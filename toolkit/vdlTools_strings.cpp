#include "toolkit/vdlTools_strings.h"
#include "platform/Cp1252.h"
#include "platform/NumText.h"
#include <algorithm>
#include <climits>

namespace vdl {

namespace {

bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Positions and counts computed from caller's ints may leave the int range; they are worked
// out in 64 bits and saturate here.
int saturated(qint64 n) { return int(std::clamp<qint64>(n, INT_MIN, INT_MAX)); }

// The rest of S from Index on.
QString from(const QString& S, qint64 Index)
{
    return Index > S.size() ? QString() : Copy(S, int(std::max<qint64>(Index, 1)), INT_MAX);
}

// Code-page order, as the texts are compared byte by byte.
int compareText(const QString& a, const QString& b)
{
    const QByteArray x = Cp1252::encode(a), y = Cp1252::encode(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

int compareNumber(long double a, long double b) { return a < b ? -1 : (b < a ? 1 : 0); }

// Numbers by value, texts by code page; a text against a number compares as a number when
// it reads as one. An empty variant is 0 or '' as the other side needs.
int compareVar(const Var& a, const Var& b)
{
    if (!a.isText() && !b.isText())
        return compareNumber(a.toFloat(), b.toFloat());
    if (a.isText() && b.isText())
        return compareText(a.toString(), b.toString());
    const Var& text = a.isText() ? a : b;
    const Var& other = a.isText() ? b : a;
    const int sign = a.isText() ? 1 : -1;
    long double value = 0;
    if (other.isEmpty())
        return sign * compareText(text.toString(), QString());
    if (TryStrToFloat(text.toString(), value))
        return sign * compareNumber(value, other.toFloat());
    return sign * compareText(text.toString(), other.toString());
}

} // namespace

QString Copy(const QString& S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    if (Count <= 0 || Index > S.size())
        return QString();
    return S.mid(Index - 1, Count);
}

int Pos(const QString& Sub, const QString& S) { return Sub.isEmpty() ? 0 : int(S.indexOf(Sub)) + 1; }

QString Trim(const QString& S)
{
    int first = 0, last = int(S.size()) - 1;
    while (first <= last && isBlankOrControl(S[first]))
        ++first;
    while (last >= first && isBlankOrControl(S[last]))
        --last;
    return S.mid(first, last - first + 1);
}

int StrLen(const QString& S) { return int(S.size()); }

QString RTrim(const QString& S)
{
    int n = int(S.size());
    while (n > 0 && isBlankOrControl(S[n - 1]))
        --n;
    return S.left(n);
}

QString LeftStr(const QString& S, int N) { return Copy(S, 1, N); }

QString RightStr(const QString& S, int N) { return N <= 0 ? QString() : Copy(S, StrLen(S) - N + 1, N); }

QString MidStr(const QString& S, int Start, int Count)
{
    return Copy(S, Start, Count == 0 ? INT_MAX : Count);
}

QString PadLeft(const QString& S, const QString& Fill, int Width)
{
    if (S.size() >= Width)
        return S;
    const QString fill = Fill.isEmpty() ? QStringLiteral(" ") : Fill;
    QString result = S;
    while (result.size() < Width)
        result.prepend(fill);
    return result.right(Width);
}

QString JoinNonEmpty(const QStringList& Items, const QString& Sep)
{
    QString result;
    for (const QString& item : Items) {
        const QString t = Trim(item);
        if (result.isEmpty())
            result = t;
        else if (!t.isEmpty())
            result += Sep + t;
    }
    return result;
}

Var VarMin(const Var& A, const Var& B) { return compareVar(A, B) < 0 ? A : B; }

Var VarMax(const Var& A, const Var& B) { return compareVar(A, B) > 0 ? A : B; }

int PosEx(int Start, const QString& S, const QString& Sub, int Step)
{
    if (Start < 1)
        Start = 1;
    if (Sub.isEmpty() || Start > S.size())
        return 0;
    if (Step <= 1) {
        const qsizetype i = S.indexOf(Sub, Start - 1);
        return i < 0 ? 0 : int(i) + 1;
    }
    // A stepped search still finds an occurrence that ends at the last character.
    for (qsizetype i = Start; i + Sub.size() - 1 <= S.size(); i += Step)
        if (QStringView(S).mid(i - 1, Sub.size()) == Sub)
            return int(i);
    return 0;
}

int PosOfAny(const QString& S, const QString& Chars, int Step, int ChunkLen)
{
    if (ChunkLen < 1)
        ChunkLen = 1;
    int best = 0;
    for (qsizetype i = 1; i <= Chars.size(); i += ChunkLen) {
        const int p = PosEx(1, S, Copy(Chars, int(i), ChunkLen), Step);
        if (p > 0 && (best == 0 || p < best))
            best = p;
    }
    return best;
}

int LastPos(const QString& S, const QString& Sub, int Step) { return LastPosEx(1, S, Sub, Step); }

int LastPosEx(int Start, const QString& S, const QString& Sub, int Step)
{
    if (Start < 1)
        Start = 1;
    if (Step < 1)
        Step = 1;
    for (int i = StrLen(S) - Start + 1; i > 0; i -= Step)
        if (Copy(S, i, StrLen(Sub)) == Sub)
            return i;
    return 0;
}

// An empty separator counts as absent: it has no place in the text to cut at.
QString CutRight(const QString& S, const QString& Sep)
{
    const int p = Sep.isEmpty() ? 0 : LastPos(S, Sep);
    return p > 0 ? Copy(S, 1, p - 1) : S;
}

QString CutRight(const QString& S, Count N) { return Copy(S, 1, saturated(qint64(StrLen(S)) - N.value)); }

QString CutLeft(const QString& S, const QString& Sep)
{
    const int p = Pos(Sep, S);
    return p > 0 ? from(S, p + StrLen(Sep)) : S;
}

QString CutLeft(const QString& S, Count N) { return N.value > 0 ? from(S, qint64(N.value) + 1) : S; }

QString KeepRight(const QString& S, const QString& Sep)
{
    const int p = Sep.isEmpty() ? 0 : LastPos(S, Sep);
    return p > 0 ? from(S, p + StrLen(Sep)) : S;
}

QString KeepRight(const QString& S, Count N)
{
    return N.value > 0 ? Copy(S, StrLen(S) - N.value + 1, N.value) : S;
}

void SplitStr(const QString& S, const QString& Sep, QStringList& List, int MinCount, const QString& Quote)
{
    List.clear();
    if (!Sep.isEmpty()) {
        QString rest = S;
        bool trailing = false;
        while (!rest.isEmpty() || trailing) {
            int start = 1, closing = 0;
            if (!Quote.isEmpty() && rest.startsWith(Quote))
                closing = PosEx(StrLen(Quote) + 1, rest, Quote);
            if (closing > 0)
                start = closing + StrLen(Quote);
            const int p = PosEx(start, rest, Sep);
            QString item = p > 0 ? Copy(rest, 1, p - 1) : rest;
            if (closing > 0)
                item.remove(closing - 1, StrLen(Quote)).remove(0, StrLen(Quote));
            if (p > 0) {
                rest = from(rest, p + StrLen(Sep));
                trailing = rest.isEmpty();
            } else {
                rest.clear();
                trailing = false;
            }
            List.append(item);
        }
    }
    while (List.size() < MinCount)
        List.append(QString());
}

void SplitStr(const QString& S, const QString& Sep, StringList& List, int MinCount, const QString& Quote)
{
    QStringList parts;
    SplitStr(S, Sep, parts, MinCount, Quote);
    List.setStrings(parts);
}

void SplitLast(QString& Head, QString& Tail, const QString& Sep)
{
    const QString whole = Head.isEmpty() ? Tail : Head;
    Head.clear();
    Tail = whole;
    const int p = Sep.isEmpty() ? 0 : LastPos(whole, Sep);
    if (p > 0 && whole.size() > Sep.size()) {
        Head = Copy(whole, 1, p - 1);
        Tail = from(whole, p + StrLen(Sep));
    }
}

void SplitLast(QString& Head, QString& Tail, Count N)
{
    const QString whole = Head.isEmpty() ? Tail : Head;
    Head = LeftStr(whole, N.value);
    Tail = from(whole, qint64(std::max(N.value, 0)) + 1);
}

QString EnsureSuffix(const QString& S, const QString& Suffix, bool CaseSensitive)
{
    const QString s = CaseSensitive ? S : Cp1252::upper(S);
    const QString suffix = CaseSensitive ? Suffix : Cp1252::upper(Suffix);
    for (int n = StrLen(suffix); n > 0; --n)
        if (s.endsWith(suffix.left(n)))
            return S + from(Suffix, n + 1);
    return S + Suffix;
}

QString EnsurePrefix(const QString& S, const QString& Prefix, bool CaseSensitive)
{
    const QString s = CaseSensitive ? S : Cp1252::upper(S);
    const QString prefix = CaseSensitive ? Prefix : Cp1252::upper(Prefix);
    const int length = StrLen(prefix);
    for (int n = 0; n < length; ++n)
        if (s.startsWith(prefix.right(length - n)))
            return Prefix.left(n) + S;
    return Prefix + S;
}

QString ReplaceAll(const QString& S, const QString& Old, const QString& New, bool SkipInserted)
{
    // Searching the inserted text again would never end when it contains Old.
    const bool resumeAfter = SkipInserted || Pos(Old, New) > 0;
    QString result = S;
    int p = Pos(Old, result);
    while (p > 0) {
        result = Copy(result, 1, p - 1) + New + from(result, p + StrLen(Old));
        p = PosEx(resumeAfter ? p + StrLen(New) : p, result, Old);
    }
    return result;
}

QString DeleteAll(const QString& S, const QString& Sub, bool All)
{
    QString result = S;
    int p = Pos(Sub, result);
    while (p > 0) {
        result.remove(p - 1, Sub.size());
        p = All ? Pos(Sub, result) : 0;
    }
    return result;
}

QString OverwriteAt(const QString& S, const QString& Text, int Pos, int Width)
{
    if (Width < 0)
        Width = StrLen(Text);
    return Copy(S, 1, saturated(qint64(Pos) - 1)) + Text.leftJustified(Width, QLatin1Char(' '))
           + from(S, qint64(Pos) + Width);
}

QString ApplyMask(const QString& Mask, const QString& S)
{
    QString result = Mask;
    qsizetype k = 0;
    for (QChar& c : result)
        if (c == QLatin1Char('|')) {
            c = k < S.size() ? S[k] : QLatin1Char(' ');
            ++k;
        }
    return result;
}

bool CheckChars(QString& S, int Mode, const QString& Extra)
{
    QString allowed = Extra;
    if (Mode & chars::Letters)
        allowed += QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    if (Mode & chars::Umlauts)
        allowed += QStringLiteral("äöüß");
    if (Mode & chars::Digits)
        allowed += QStringLiteral("0123456789");
    QString lower = Cp1252::lower(S);
    bool ok = true;
    qsizetype i = 0;
    while (i < lower.size()) {
        if (allowed.contains(lower[i]) != bool(Mode & chars::Invert)) {
            ++i;
            continue;
        }
        ok = false;
        if (Mode & chars::Delete) {
            lower.remove(i, 1);
            S.remove(i, 1);
        } else {
            ++i;
        }
    }
    return ok;
}

bool IsDigits(const QString& S)
{
    QString copy = S;
    return CheckChars(copy, chars::Digits, QString());
}

int FirstNonDigitPos(const QString& S)
{
    if (S.isEmpty())
        return 0;
    int i = 0;
    while (i < S.size() && isDigit(S[i]))
        ++i;
    return i + 1;
}

bool detail::varCount(const Var& v, int& n)
{
    const long double f = v.toFloat();
    if (!(f >= INT_MIN && f <= INT_MAX)) // also refuses NaN
        return false;
    n = int(f);
    return true;
}

} // namespace vdl
