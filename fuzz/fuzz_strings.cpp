// The text routines with any texts, positions and counts.
//
// Input: a flags byte (bits 0-4 the CheckChars mode, bit 5 keep SkipInserted), two 32-bit
// numbers (positions, counts, steps), ten bytes of an 80-bit value (a count given as a
// variant), then texts separated by NUL bytes: the text, a second text (part, separator,
// fill), a third text (replacement, quote) and a list whose items are separated by '\n'.
#include "fuzz/FuzzInput.h"
#include "platform/Error.h"
#include "toolkit/vdlTools_strings.h"
#include <algorithm>

using namespace vdl;
using namespace vdl::fuzz;

namespace {

// The results of PadLeft and OverwriteAt are as wide as asked, and SplitStr fills its list up
// to the count asked; larger counts would only measure the allocator.
int width(int n)
{
    return n % 5000;
}

int listCount(int n)
{
    return n % 300;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const uint8_t flags = in.byte();
    const int a = in.int32();
    const int b = in.int32();
    const long double count = in.float80();
    const QString S = in.text(0);
    const QString T = in.text(0);
    const QString U = in.text(0);
    const QStringList items = in.text(0).split(QLatin1Char('\n'));
    const int length = int(S.size());

    Copy(S, a, b);
    Pos(T, S);
    Trim(S);
    RTrim(S);
    check(LeftStr(S, a).size() == std::clamp(a, 0, length), "LeftStr takes min(N, length)", S);
    check(RightStr(S, a).size() == std::clamp(a, 0, length), "RightStr takes min(N, length)", S);
    MidStr(S, a, b);
    PadLeft(S, T, width(a));
    JoinNonEmpty(items, T);

    PosEx(a, S, T, b);
    PosOfAny(S, T, a, b);
    LastPos(S, T, a);
    LastPosEx(a, S, T, b);

    CutRight(S, T);
    CutRight(S, a);
    CutLeft(S, T);
    CutLeft(S, a);
    KeepRight(S, T);
    KeepRight(S, a);
    CutRight(S, Var(count));
    CutLeft(S, Var(count));
    KeepRight(S, Var(count));
    CutRight(S, Var(T));

    QStringList parts;
    SplitStr(S, T, parts, 0, QString());
    if (!T.isEmpty())
        check(parts.join(T) == S, "SplitStr parts join to the text", S);
    SplitStr(S, T, parts, listCount(b), U);
    StringList objects;
    SplitStr(S, T, objects, 0, U);

    QString head = S, tail;
    SplitLast(head, tail, T);
    head.clear();
    tail = S;
    SplitLast(head, tail, a);
    if (a >= 0)
        check(head + tail == S, "SplitLast by count keeps every character", S);
    head = S;
    SplitLast(head, tail, Var(count));

    EnsureSuffix(S, T, flags & 1);
    EnsurePrefix(S, T, flags & 2);
    ReplaceAll(S, T, U, flags & 32);
    const QString without = DeleteAll(S, T, true);
    if (!T.isEmpty())
        check(!without.contains(T), "DeleteAll leaves no part", S);
    DeleteAll(S, T, false);
    OverwriteAt(S, T, a, width(b));
    ApplyMask(S, T);

    QString checked = S;
    const bool ok = CheckChars(checked, flags & 31, T);
    if (flags & chars::Delete) {
        QString again = checked;
        check(CheckChars(again, flags & 31, T), "CheckChars leaves only allowed characters", S);
    } else {
        check(checked == S, "CheckChars changes nothing without Delete", S);
    }
    (void)ok;
    IsDigits(S);
    FirstNonDigitPos(S);

    try {
        VarMin(Var(S), Var(T));
        VarMax(Var(S), Var(count));
        VarMin(Var(count), Var(a));
        VarMax(Var(), Var(T));
    } catch (const ConvertError&) {
    }
    return 0;
}
