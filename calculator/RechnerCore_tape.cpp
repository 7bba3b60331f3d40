// The tape: the line writer, clearing, history files, removing marked lines and taking a
// line's number back into the entry.
#include "calculator/HistoryText.h"
#include "calculator/RechnerCore.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/ExeDir.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include <QDir>
#include <QFileInfo>

namespace vdl {

void RechnerCore::AddHistory(const QString& Text, const QString& Op, int Colour)
{
    Batch batch(*this);
    // A second "Ergebnis gelöscht" in a row says nothing new.
    if (Text.startsWith(QLatin1String("Ergeb")) && !History.isEmpty()
        && History.last().text.startsWith(QLatin1String("Ergeb")))
        return;
    if (Op == QLatin1String("*") || Op == QLatin1String(" ") || Op.isEmpty()
        || Op + Text == QLatin1String("=") || Text.startsWith(QLatin1String("Erg")))
        FPosten = 0;
    else
        ++FPosten;
    QString opText = Op;
    if (!opText.isEmpty() && opText[0].unicode() == op::Mod)
        opText[0] = QChar(op::Div);
    QString body = Text;
    if (mPostenZaehlen && FPosten > 0)
        body = IntToStr(FPosten) + QLatin1Char('#') + body;
    History.append({body + opText, Colour});
    // Scrolled so that the new line is the last one shown.
    if (History.size() >= HistoryRows)
        HistoryTopIndex = int(History.size()) - HistoryRows;
}

void RechnerCore::setHistoryRows(int rows)
{
    rows = qMax(rows, 1);
    const int lines = int(History.size());
    const bool lastShown = lines <= HistoryTopIndex + HistoryRows;
    HistoryRows = rows;
    if (lastShown && lines > HistoryTopIndex + rows)
        HistoryTopIndex = lines - rows;
}

void RechnerCore::ClearTape()
{
    Batch batch(*this);
    History.clear();
    HistoryTopIndex = 0;
    // A calculation under way keeps its running result as the first line.
    if (FAkku != 0)
        AddHistory(EAnzeige, EingabeOp, 0);
}

void RechnerCore::MHistorieLoeschenClick()
{
    Batch batch(*this);
    ClearTape();
    if (FSpeicherautomatik && m_host)
        m_host->clearTapesDownChain(*this);
}

void RechnerCore::mPostenZaehlenClick()
{
    Batch batch(*this);
    mPostenZaehlen = !mPostenZaehlen;
}

void RechnerCore::mMinuswerteRotClick()
{
    Batch batch(*this);
    mMinuswerteRot = !mMinuswerteRot;
}

void RechnerCore::MHistorieSpeichernClick()
{
    if (History.isEmpty())
        return;
    // Qt's own overwrite question stays off: the program asks its own, with "No" as default.
    QString name = Prompter::current().saveFileName(QStringLiteral("Historie speichern"), ExeDir(),
                                                    QStringLiteral("Historien-Dateien (*.zqh);;Alle Dateien (*)"),
                                                    false);
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".zqh");
    if (QFileInfo::exists(name)
        && ShowMessage(QStringLiteral("Die Datei existiert bereits!\r\nSoll sie überschrieben werden?"),
                       QStringLiteral("Warnung"), mb::YesNoCancel | mb::IconQuestion | mb::DefButton2)
               != mb::IdYes)
        return;
    // Written aside and swapped in at the end: a failed write leaves an existing file as it was.
    if (!AtomicFile::replace(name, historyFileBytes(History)))
        ShowMessage(QStringLiteral("Die Historie kann nicht in \"%1\" gespeichert werden!")
                        .arg(QDir::toNativeSeparators(name)),
                    QStringLiteral("Fehler"), mb::Ok | mb::IconError);
}

void RechnerCore::removeTapeLines(const QList<int>& rows)
{
    Batch batch(*this);
    QList<bool> marked(History.size(), false);
    for (int row : rows)
        if (row >= 0 && row < History.size())
            marked[row] = true;
    QList<TapeLine> kept;
    kept.reserve(History.size());
    for (qsizetype i = 0; i < History.size(); ++i)
        if (!marked[i])
            kept.append(History[i]);
    History = std::move(kept);
}

void RechnerCore::takeTapeLine(const QString& line)
{
    const QString number = tapeLineNumber(line, FSystem);
    if (!number.isEmpty())
        InputProcessing(number, false);
}

} // namespace vdl
