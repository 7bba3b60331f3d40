// Everything that reaches the window as a character: InputProcessing, key clicks, the
// keyboard, clear all and the enabled states that follow the entry.
#include "calculator/KeyTranslation.h"
#include "calculator/RechnerCore.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"

namespace vdl {

namespace {

// The Windows-1252 byte of a character: values below 0x100 are the byte itself; the
// decoded forms of 0x80..0x9F ('€', '‚') map back through the code page, and the root sign
// drawn on its key means root; 0 is ignored.
unsigned char byteOf(QChar c)
{
    if (c.unicode() < 0x100)
        return static_cast<unsigned char>(c.unicode());
    if (c.unicode() == 0x221A)
        return op::Root;
    unsigned char b = 0;
    return Cp1252::fromUnicode(c, b) ? b : 0;
}

QString asciiUpper(const QString& s)
{
    QString out = s;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return out;
}

bool isDigitKey(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'X');
}

bool validDigit(unsigned char c, int system)
{
    if (system == NumberSystem::Roman)
        return QByteArrayView("MDCLXVI").contains(char(c));
    if (!NumberSystem::isBase(system))
        return c >= '0' && c <= '9';
    const QByteArrayView digits("0123456789ABCDEFGHIJKLMNOPQRSTUVW");
    const qsizetype pos = digits.indexOf(char(c));
    return pos >= 0 && pos < system;
}

} // namespace

void RechnerCore::setBKomByRule()
{
    m_keys[BKom].enabled = (m_decimalMode && (NumberSystem::hasDecimals(FSystem) || FSystem == NumberSystem::Date))
                           || FSystem == NumberSystem::Time;
}

// In the time system the separator key types ":" between hours, minutes and seconds, and the
// decimal separator where a number multiplies or divides the duration.
void RechnerCore::updateSeparatorKey()
{
    const QChar decimal = Regional::current().decimalSeparator;
    const bool duration = FSystem == NumberSystem::Time && FOperator != op::Mult && FOperator != op::Div;
    m_keys[BKom].caption = duration ? QChar(':') : decimal;
}

void RechnerCore::keysFollowList()
{
    if (Eingabe.contains(QLatin1Char(';')) != m_listKeys)
        updateEnableFlags();
}

void RechnerCore::updateEnableFlags()
{
    const bool list = Eingabe.contains(QLatin1Char(';'));
    m_listKeys = list;
    m_keys[Bkgv].enabled = list;
    m_keys[BggT].enabled = list;
    for (Key k : {BPlus, BMin, BIst})
        m_keys[k].enabled = !list;
    m_keys[BMult].enabled = m_keys[BDiv].enabled = !list && FSystem != NumberSystem::Date;
    updateSeparatorKey();
    // What the system cannot compute stays off, whatever is typed.
    for (Key k : {BSin, BCos, BTan, BCot, B1divX, BPi, BLog, BLogn, BProz})
        m_keys[k].enabled = !list && FSystem != NumberSystem::Date && m_decimalMode;
    // The percent key stays off as long as automatic transfer is on.
    if (FSpeicherautomatik)
        m_keys[BProz].enabled = false;
}

void RechnerCore::InputProcessing(const QString& TextIn, bool FromButton)
{
    Batch batch(*this);
    QString Text = asciiUpper(TextIn);

    // "+5" or "-3": the sign becomes the pending operator and the value counts at once.
    const bool signedText = Text.size() > 1
                            && (Text[0] == QLatin1Char('+') || Text[0] == QLatin1Char('-'));
    if (signedText) {
        FOperator = static_cast<unsigned char>(Text[0].unicode());
        Text.remove(0, 1);
        Eingabe.clear(); // never glued to a half-typed number
    }

    if (Text == QChar(0x1B))
        Text = Eingabe.isEmpty() ? QStringLiteral("Y") : QString(QChar(0x01));
    if (FromButton) {
        static const struct { const char* command; char16_t code; } commands[] = {
            {"CE", 0x01}, {"CA", 'Y'}, {"M+", 0x02}, {"M-", 0x03}, {"MR", 0x04}, {"MC", 0x05}};
        for (const auto& c : commands)
            if (Text == QLatin1String(c.command))
                Text = QChar(c.code);
    }

    // The keys follow the entry once per text, not per character: a long text taken over
    // from the tape would otherwise have its entry searched for ";" at every character.
    bool keysStale = false;
    bool entryRestarted = false;
    for (const QChar qc : std::as_const(Text)) {
        const unsigned char c = byteOf(qc);
        bool ok = true;
        switch (c) {
        case 0x01:
            Eingabe.clear();
            setBKomByRule();
            break;
        case 0x02: case 0x03: case 0x04: case 0x05:
            if (m_host) {
                static const char* const ops[] = {"+", "-", "R", "C"};
                m_host->memoryOperation(*this, QLatin1String(ops[c - 2]));
            }
            break;
        case ',': case '.':
            Eingabe += QChar(c);
            if (FSystem != NumberSystem::Date && FSystem != NumberSystem::Time)
                m_keys[BKom].enabled = false; // a date or a duration takes several separators
            break;
        case '<':
            Eingabe.chop(1);
            if (!Eingabe.contains(Regional::current().decimalSeparator))
                setBKomByRule();
            break;
        case ';':
            if (FSystem != NumberSystem::Time) // no integer lists of durations
                Eingabe += QLatin1Char(';');
            break;
        case 'Y':
            clearAll(FromButton);
            break;
        case '!':
            if (NumberSystem::hasDecimals(FSystem))
                ok = Calculate(c);
            break;
        case '+': case '-': case '=':
            ok = Calculate(c);
            break;
        case '%': case '^': case op::Root: case op::WhatPercent: case op::PercentIH: case op::Mod:
            if (FSystem != NumberSystem::Time) // durations are only added, multiplied and divided
                ok = Calculate(c);
            break;
        case '*': case op::Mult:
            ok = Calculate(op::Mult);
            break;
        case ':':
            if (FSystem == NumberSystem::Time) { // hours, minutes and seconds
                Eingabe += QLatin1Char(':');
                break;
            }
            ok = Calculate(op::Div);
            break;
        case '/': case op::Div:
            ok = Calculate(op::Div);
            break;
        default:
            if (isDigitKey(c)) {
                // After a function result the first digit of a text starts a new entry.
                if (FNeueEingabe && !entryRestarted) {
                    Eingabe.clear();
                    entryRestarted = true;
                }
                if (validDigit(c, FSystem))
                    Eingabe += QChar(c);
            }
            break;
        }
        if (!ok) {
            if (keysStale)
                updateEnableFlags();
            return;
        }
        keysStale = true;
    }
    if (keysStale)
        updateEnableFlags();

    FNeueEingabe = false;
    if (signedText)
        Calculate('+');
    if (m_host && m_host->isActiveChild(*this))
        emit tapeFocusRequested();
}

void RechnerCore::clearAll(bool FromButton)
{
    if (!EAnzeige.isEmpty() || FromButton) {
        FWert = 0;
        FLetzteEingabe.clear();
        ClearResult(true);
        AddHistory(QStringLiteral("Ergebnis gelöscht"), QStringLiteral("!"), 32768);
        if (FSpeicherautomatik && m_host)
            m_host->passToMemory(*this, QString(), QStringLiteral("Y"));
    } else {
        if (!History.isEmpty()
            && ShowMessage(QStringLiteral("Soll die Historie gelöscht werden?"), QStringLiteral("Frage"),
                           mb::YesNo | mb::IconQuestion) == mb::IdYes)
            MHistorieLoeschenClick();
        Eingabe.clear();
        EingabeOp.clear();
    }
    EAnzeige.clear();
    setBKomByRule();
}

void RechnerCore::ButtonClick(Key k)
{
    Batch batch(*this);
    switch (k) {
    case BMin: BMinClick(); break;
    case BMult: InputProcessing(QString(QChar(op::Mult)), true); break;
    case BDiv: InputProcessing(QString(QChar(op::Div)), true); break;
    case BWievProz: BWievProzClick(); break;
    case BProzIH: BProzIHClick(); break;
    case BMod: BModClick(); break;
    case BHoch: BHochClick(); break;
    case BWurzel: BWurzelClick(); break;
    case BFak: BFakClick(); break;
    case B1divX: B1divXClick(); break;
    case BPi: BPiClick(); break;
    case BSin: BSinClick(); break;
    case BCos: BCosClick(); break;
    case BTan: BTanClick(); break;
    case BCot: BCotClick(); break;
    case BLog: BLogClick(); break;
    case BLogn: BLognClick(); break;
    case BggT: BggTClick(); break;
    case Bkgv: BkgvClick(); break;
    case BHist: MHistorieLoeschenClick(); break;
    case BHistDruck: break; // printing belongs to the window
    default:
        // Digits, separators, "+", "=", "<", CE, CA, the memory keys and "%" send their caption.
        InputProcessing(m_keys[k].caption, true);
        break;
    }
}

void RechnerCore::FormKeyPress(unsigned char key, bool shift, bool ctrl)
{
    Batch batch(*this);
    const KeyAction action = TranslateKey(key, shift, ctrl, isCalculator(), FSystem, FPosten);
    switch (action.kind) {
    case KeyAction::Drop: break;
    case KeyAction::Input: InputProcessing(action.text, false); break;
    case KeyAction::SwitchSystem: {
        const int from = FSystem;
        SetSystem(action.system);
        SystChange();
        carryDisplay(from);
        FAutoUmgeschaltet = true;
        m_autoReturnSystem = NumberSystem::Decimal;
        m_autoReturnCurrency = -1;
        break;
    }
    case KeyAction::ToCalculators:
        if (m_host)
            m_host->passKeyToCalculators(*this, action.text);
        break;
    }
}

bool RechnerCore::SetTasten(unsigned char tasten)
{
    if (tasten == FTasten)
        return false;
    Batch batch(*this);
    FTasten = tasten;
    return true;
}

bool RechnerCore::FormKeyDown(int key)
{
    if (key == 16)
        return SetTasten(FTasten | 2);
    if (key == 17)
        return SetTasten(FTasten | 1);
    return false;
}

bool RechnerCore::FormKeyUp(int key)
{
    if (key == 16)
        return SetTasten(FTasten & ~2);
    if (key == 17)
        return SetTasten(FTasten & ~1);
    return false;
}

} // namespace vdl
