#pragma once
// Text routines on code-page texts. Positions count from 1 and a part of a text is always
// taken with Copy's forgiving rules, so odd positions and counts never fail.
#include "platform/StringList.h"
#include "platform/Var.h"
#include <QString>
#include <QStringList>
#include <concepts>

namespace vdl {

// The class library's text primitives. Qt's look-alikes differ at the edges (mid() with a
// negative start, trimmed() keeping control characters, indexOf("") finding the empty text).
QString Copy(const QString& S, int Index, int Count); // Index < 1 counts as 1; past the end ''
int Pos(const QString& Sub, const QString& S);        // 0 when absent or Sub is ''
QString Trim(const QString& S);                       // drops characters <= blank at both ends

// A character count for the cut routines. A separate type, so that a char literal such as
// ',' cannot silently turn into the count 44: pass "," for a separator.
template <class T>
concept CountLike = std::integral<T> && !std::same_as<T, char> && !std::same_as<T, bool>;
struct Count {
    template <CountLike T>
    constexpr Count(T n) : value(static_cast<int>(n)) {}
    int value;
};

int StrLen(const QString& S);
QString RTrim(const QString& S);
QString LeftStr(const QString& S, int N);
QString RightStr(const QString& S, int N);
QString MidStr(const QString& S, int Start, int Count); // Count 0 means to the end
QString PadLeft(const QString& S, const QString& Fill, int Width);
QString JoinNonEmpty(const QStringList& Items, const QString& Sep);
Var VarMin(const Var& A, const Var& B);
Var VarMax(const Var& A, const Var& B);

// Searches. A Step or ChunkLen below 1 counts as 1.
int PosEx(int Start, const QString& S, const QString& Sub, int Step = 1);
int PosOfAny(const QString& S, const QString& Chars, int Step = 1, int ChunkLen = 1);
int LastPos(const QString& S, const QString& Sub, int Step = 1);
int LastPosEx(int Start, const QString& S, const QString& Sub, int Step = 1);

// Cutting at a separator (last one for CutRight and KeepRight, first one for CutLeft) or
// by a count of characters. A separator that does not occur leaves S.
QString CutRight(const QString& S, const QString& Sep);
QString CutRight(const QString& S, Count N);
QString CutLeft(const QString& S, const QString& Sep);
QString CutLeft(const QString& S, Count N);
QString KeepRight(const QString& S, const QString& Sep);
QString KeepRight(const QString& S, Count N);

// Parts of S between the separators, unchanged; a separator at the end adds an empty part.
// Then empty parts are added until the list holds MinCount. An item beginning with Quote
// runs to the next Quote, separators included, and loses the two quotes.
void SplitStr(const QString& S, const QString& Sep, QStringList& List, int MinCount = 0,
              const QString& Quote = QString());
void SplitStr(const QString& S, const QString& Sep, StringList& List, int MinCount = 0,
              const QString& Quote = QString());
// Head and Tail become the texts before and after the last Sep of the whole text (Head, or
// Tail when Head is empty); without Sep Head is '' and Tail the whole text. A count splits
// after that many characters.
void SplitLast(QString& Head, QString& Tail, const QString& Sep);
void SplitLast(QString& Head, QString& Tail, Count N);

// S with only the missing part of Suffix appended (or of Prefix put in front): the longest
// overlap is reused, so "Datei.zq" gets just "e" of ".zqe".
QString EnsureSuffix(const QString& S, const QString& Suffix, bool CaseSensitive = false);
QString EnsurePrefix(const QString& S, const QString& Prefix, bool CaseSensitive = false);

QString ReplaceAll(const QString& S, const QString& Old, const QString& New, bool SkipInserted = false);
QString DeleteAll(const QString& S, const QString& Sub, bool All);
// Width characters of S from Pos replaced by Text (padded with blanks to Width, never cut);
// Width below 0 means the length of Text.
QString OverwriteAt(const QString& S, const QString& Text, int Pos, int Width);
// Each "|" of Mask becomes the next character of S, or a blank when S has run out.
QString ApplyMask(const QString& Mask, const QString& S);

// Character classes of CheckChars, combined in Mode.
namespace chars {
constexpr int Letters = 1;  // a..z
constexpr int Digits = 2;   // 0..9
constexpr int Invert = 4;   // the allowed set lists the forbidden characters
constexpr int Delete = 8;   // failing characters are deleted from S
constexpr int Umlauts = 16; // äöüß
} // namespace chars

// True when every character of S (lower-cased) is allowed by Mode and Extra.
bool CheckChars(QString& S, int Mode, const QString& Extra);
bool IsDigits(const QString& S); // true for ''
int FirstNonDigitPos(const QString& S); // length + 1 when all are digits, 0 for ''

// Plain integers are counts; a template, so that the literal 0 does not also read as a
// null separator text.
template <CountLike T>
QString CutRight(const QString& S, T N) { return CutRight(S, Count(N)); }
template <CountLike T>
QString CutLeft(const QString& S, T N) { return CutLeft(S, Count(N)); }
template <CountLike T>
QString KeepRight(const QString& S, T N) { return KeepRight(S, Count(N)); }
template <CountLike T>
void SplitLast(QString& Head, QString& Tail, T N) { SplitLast(Head, Tail, Count(N)); }

// The same routines taking a variant: a text is a separator, anything else a count.
// Templates, so that only a real Var picks them and plain ints stay counts.
namespace detail {
bool varCount(const Var& v, int& n); // false when v is no usable count
}
template <std::same_as<Var> V>
QString CutRight(const QString& S, const V& What)
{
    int n = 0;
    return What.isText() ? CutRight(S, What.toString()) : detail::varCount(What, n) ? CutRight(S, Count(n)) : S;
}
template <std::same_as<Var> V>
QString CutLeft(const QString& S, const V& What)
{
    int n = 0;
    return What.isText() ? CutLeft(S, What.toString()) : detail::varCount(What, n) ? CutLeft(S, Count(n)) : S;
}
template <std::same_as<Var> V>
QString KeepRight(const QString& S, const V& What)
{
    int n = 0;
    return What.isText() ? KeepRight(S, What.toString()) : detail::varCount(What, n) ? KeepRight(S, Count(n)) : S;
}
template <std::same_as<Var> V>
void SplitLast(QString& Head, QString& Tail, const V& Sep)
{
    int n = 0;
    if (Sep.isText())
        SplitLast(Head, Tail, Sep.toString());
    else if (detail::varCount(Sep, n))
        SplitLast(Head, Tail, Count(n));
}

} // namespace vdl
