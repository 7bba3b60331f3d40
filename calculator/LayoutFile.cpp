// Writing and reading layout files, byte for byte and step by step.
#include "calculator/LayoutFile.h"
#include "platform/Cp1252.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_strings.h"
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace vdl {

namespace {

const QString Separator = QStringLiteral("-ßß-");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString KeinSpeicherText()
{
    return QStringLiteral("(kein Speicher)");
}

bool LayoutCanHold(const QString& Name)
{
    if (!Cp1252::canEncode(Name) || Name.contains(QLatin1Char('\r')) || Name.contains(QLatin1Char('\n')))
        return false;
    if (Cp1252::upper(Name) == Cp1252::upper(KeinSpeicherText()))
        return false;
    // The reader cuts at the first separator: "A-ßß" followed by one would end the field early.
    return (Name + Separator).indexOf(Separator) == Name.size();
}

QString SettingsHeaderLine(const LayoutHeader& Header)
{
    return QStringList{IntToStr(Header.Left), IntToStr(Header.Top), IntToStr(Header.Width), IntToStr(Header.Height)}
        .join(Separator);
}

QString SettingsWindowLine(const LayoutWindow& Window)
{
    return QStringList{Window.Name,
                       IntToStr(Window.Left),
                       IntToStr(Window.Top),
                       IntToStr(Window.System),
                       IntToStr(Window.NK),
                       Window.Typ,
                       flag(Window.Auto),
                       Window.Link.isEmpty() ? KeinSpeicherText() : Window.Link,
                       flag(Window.Posten),
                       IntToStr(Window.Winkel),
                       flag(Window.Minuswerte),
                       IntToStr(Window.Currency),
                       flag(Window.NurHauptSysteme)}
        .join(Separator);
}

bool layoutFileBytes(const LayoutHeader& Header, const QList<LayoutWindow>& Windows, QByteArray& bytes)
{
    bytes.clear();
    QString text = SettingsHeaderLine(Header) + QLatin1String("\r\n");
    for (const LayoutWindow& window : Windows) {
        if (!LayoutCanHold(window.Name) || !LayoutCanHold(window.Typ)
            || (!window.Link.isEmpty() && !LayoutCanHold(window.Link)))
            return false;
        text += SettingsWindowLine(window) + QLatin1String("\r\n");
    }
    bytes = Cp1252::encode(text);
    return true;
}

bool LayoutRead::beforeWindows() const
{
    return FailedStep != 0 && Windows.isEmpty();
}

bool LayoutRead::headerReached(int step) const
{
    return FailedStep == 0 || FailedStep > 10 || step < FailedStep;
}

bool LayoutRead::windowReached(qsizetype index, int step) const
{
    return FailedStep == 0 || TypeCut || index < Windows.size() - 1 || step < FailedStep;
}

QString LayoutRead::errorMessage() const
{
    return QStringLiteral("Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: ") + IntToStr(FailedStep)
           + QLatin1String("\r\n") + Error;
}

LayoutRead readLayout(const QByteArray& bytes)
{
    LayoutRead read;
    // CR LF ends a line, and so does LF alone; a last line end adds no empty line.
    QStringList lines = Cp1252::decode(bytes).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    int step = 0;
    // The integer of a field; a text that is none fails the step it is read in.
    const auto number = [&step](const QString& field, int atStep) {
        step = atStep;
        return StrToInt(field);
    };
    QStringList fields;
    try {
        step = 5;
        SplitStr(lines.first(), Separator, fields);
        step = 6;
        if (fields.size() < 3)
            throw Error(QStringLiteral("Einstellungen fehlerhaft"));
        int* bounds[] = {&read.Header.Left, &read.Header.Top, &read.Header.Width, &read.Header.Height};
        for (int i = 0; i < 4; ++i) {
            step = 7 + i;
            if (i >= fields.size())
                throw Error(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(IntToStr(i)));
            *bounds[i] = number(fields[i], 7 + i);
        }
        for (qsizetype n = 1; n < lines.size(); ++n) {
            step = 13;
            SplitStr(lines[n], Separator, fields);
            // Every field but the last ends at a separator, and the last one is never empty:
            // the field a line ends in before that may be cut short, so the step that reads
            // it fails instead of taking a part of it, or nothing, as the field. The type and
            // the currency are read ahead of their place and fail only when the line ends in
            // them; the other fields are read in the order of the line, and also fail after
            // a cut field that no step read (the currency of a window in another system).
            const qsizetype whole = fields.size() > 13 || (fields.size() == 13 && !fields[12].isEmpty())
                                        ? 13
                                        : std::max<qsizetype>(fields.size() - 1, 0);
            const auto wholeField = [&](qsizetype field, int atStep, bool ahead = false) {
                step = atStep;
                if (field == whole || (field > whole && !ahead))
                    throw Error(QStringLiteral("Zeile %1 endet vorzeitig").arg(IntToStr(int(n + 1))));
            };
            const auto wholeNumber = [&](qsizetype field, int atStep) {
                wholeField(field, atStep);
                return number(fields[field], atStep);
            };
            while (fields.size() < 13)
                fields.append(QString());
            // A line that ends before its type is whole makes no window; it fails all the same.
            LayoutWindow cutShort;
            read.TypeCut = whole <= 5;
            LayoutWindow& w = read.TypeCut ? cutShort : read.Windows.emplace_back();
            wholeField(0, 15);
            wholeField(5, 15, true);
            w.Typ = fields[5];
            // Blanks around a name are no part of it: " Kasse" is the window "Kasse".
            w.Name = fields[0].trimmed();
            w.Left = wholeNumber(1, 20);
            w.Top = wholeNumber(2, 21);
            w.System = wholeNumber(3, 22);
            if (w.System == -4)
                wholeField(11, 24, true);
            w.Currency = StrToIntDef(fields[11], -1);
            w.NK = wholeNumber(4, 25);
            wholeField(7, 26);
            if (Cp1252::upper(fields[7].trimmed()) != Cp1252::upper(KeinSpeicherText())) {
                // The flag is the last character after the name: a missing flag takes the
                // name's last character, and that name then matches no window.
                const QString link = fields[7] + fields[6];
                w.Link = link.left(link.size() - 1).trimmed();
                w.Auto = !link.isEmpty() && link.right(1) != QLatin1String("0");
            } else {
                w.Auto = fields[6] == QLatin1String("1");
            }
            wholeField(8, 27);
            w.Posten = fields[8] == QLatin1String("1");
            wholeField(9, 28);
            w.Winkel = StrToIntDef(fields[9], -1);
            wholeField(10, 30);
            w.Minuswerte = fields[10] != QLatin1String("0");
            wholeField(12, 31);
            w.NurHauptSysteme = fields[12] != QLatin1String("0");
        }
    } catch (const Error& e) {
        read.FailedStep = step;
        read.Error = e.message();
    }
    return read;
}

bool readLayoutFile(const QString& FileName, LayoutRead& read)
{
    QFile file(FileName);
    if (!QFileInfo(FileName).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    read = readLayout(bytes);
    return true;
}

QString layoutFileName(const QString& FileName)
{
    return EnsureSuffix(FileName, QStringLiteral(".zqe"), false);
}

} // namespace vdl
