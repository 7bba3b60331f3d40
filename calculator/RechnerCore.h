#pragma once
// The state and logic of one calculator or memory window, without any widget: entry,
// operator label and display texts, the accumulator, number system and decimal places, the
// keys' enabled/visible/caption states, the tape lines and the ticked options. The window
// (TRechnerForm) renders this state and forwards keys and clicks; the frame answers the
// questions that need other windows through RechnerHost.
//
// Operator and command characters travel as QChars whose value is the Windows-1252 byte
// (0xD7 ×, 0xF7 ÷, 0xD6 root, 0x80 what-percentage, 0x81 percent in hundred, 0x82 mod,
// 0x01..0x05 commands). InputProcessing also accepts the decoded characters ('€' for 0x80,
// '‚' for 0x82) and the drawn root sign '√'. Labels and tape lines keep the bytes;
// operatorGlyph() maps them for drawing.
#include "calculator/Codes.h"
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

namespace vdl {

class RechnerCore;

// One currency of the frame's sorted currency list.
struct CurrencyEntry {
    QString name;         // "Deutsche Mark"
    QString abbreviation; // "DM"
    QString rate;         // "1,00000"
};

// What a window needs from the frame and from other windows. Every default does nothing,
// so a core without a host works on its own (tests, benchmarks).
class RechnerHost {
public:
    virtual ~RechnerHost() = default;
    // The window is the frame's active child (the tape then takes the focus after input).
    virtual bool isActiveChild(const RechnerCore&) { return false; }
    // Automatic transfer: the value text and operator for the linked memory.
    virtual void passToMemory(RechnerCore&, const QString& /*text*/, const QString& /*op*/) {}
    // Memory keys: op "+", "-", "R" or "C".
    virtual void memoryOperation(RechnerCore&, const QString& /*op*/) {}
    // A key typed in a memory window: to every window whose selected memory is this one,
    // each shown and brought to the front.
    virtual void passKeyToCalculators(RechnerCore&, const QString& /*text*/) {}
    // A calculator changed its system: create the letter keypad for bases above 10 when
    // there is none (then focus back to the window's "=" key), else tell it the base.
    virtual void updateAlphaPad(RechnerCore&) {}
    // The window changed to a system below 11: free the keypad when no window uses a base
    // above 10 any more.
    virtual void releaseAlphaPad(RechnerCore&) {}
    // Re-read the currency lists from the settings store.
    virtual void refreshCurrencies(RechnerCore&) {}
    // The currency at a position of the sorted list; false when there is none.
    virtual bool currencyAt(int /*index*/, CurrencyEntry&) { return false; }
    // The window changed to a system other than currency: memories down its chain of links
    // that are in the currency system lose their currency and change to decimal.
    virtual void leaveCurrencyDownChain(RechnerCore&) {}
    // The tape was cleared with automatic transfer on: clear the tapes down the chain
    // (RechnerCore::ClearTape on each memory, walking with a visited set).
    virtual void clearTapesDownChain(RechnerCore&) {}
};

class RechnerCore : public QObject {
    Q_OBJECT
public:
    enum Key {
        B0, B1, B2, B3, B4, B5, B6, B7, B8, B9,
        BKom, BPunkt, BPlus, BMin, BMult, BDiv, BIst, BBack, BCE, BC,
        BMPlus, BMMin, BMR, BMC,
        BProz, BWievProz, BProzIH, BMod, BHoch, BWurzel, BFak,
        B1divX, BPi, BSin, BCos, BTan, BCot, BLog, BLogn, BggT, Bkgv,
        BHist, BHistDruck,
        KeyCount
    };
    struct KeyState {
        bool enabled = true;
        bool visible = true;
        QString caption;
    };
    struct TapeLine {
        QString text;   // count prefix, body and operator character (last)
        int colour = 0; // $BBGGRR: 0 black, 255 red, 32768 green
    };
    struct CurrencyPanel {
        bool visible = false;
        QString caption; // "DM  (1,00000)"
        int Tag = -1;    // position in the sorted currency list
        QString hint;    // the currency's name
    };
    enum Layer { NormalLayer, ShiftLayer, CtrlLayer };

    explicit RechnerCore(QObject* parent = nullptr);
    ~RechnerCore() override;

    void setHost(RechnerHost* host) { m_host = host; }
    RechnerHost* host() const { return m_host; }

    // ---- Fields -----------------------------------------------------------------------
    int FSystem = NumberSystem::Decimal; // a NumberSystem code: 2..32 base, -1 roman, -2 date, ...
    QString FTyp = windowTypeText(WindowType::Rechner);
    int FNK = -1;           // -1 general format, 0..8 places (-2 after an unlisted count)
    unsigned char FOperator = '+';
    unsigned char FNeuerOperator = 0;
    QString FFormat;
    long double FWert = 0;
    QString FLetzteEingabe;
    int FNKDezimal = -1;
    bool FSpeicherautomatik = false;
    int FPosten = 0;
    bool FNeueEingabe = false;
    unsigned char FTasten = 0; // bit 0 Ctrl, bit 1 Shift
    bool FAutoUmgeschaltet = false;
    QList<int> FSysteme;       // code of every Syst entry
    int FNummer = 0;
    long double FAkku = 0;

    // ---- What the window shows --------------------------------------------------------
    QString Eingabe;                              // entry
    QString EingabeOp;                            // pending operator label (bytes, see top)
    QString EingabeOpFont = QStringLiteral("Arial"); // "Symbol" for the root sign
    QString EAnzeige;                             // result display
    QList<TapeLine> History;
    int HistoryTopIndex = 0;                      // first visible tape line
    int HistoryRows = 11;                         // whole lines the tape shows at once
    QStringList SystItems;                        // texts of the system list
    int SystIndex = -1;
    int DezStIndex = 0;                           // -1: no entry selected
    bool DezStEnabled = true;                     // also its window/button-face colour
    int WinkelIndex = 0;                          // "Rad", "Deg", "Grad"
    bool WinkelVisible = true;                    // also its label Label5
    QString WinkelHint;
    bool mMinuswerteRot = false;
    bool mPostenZaehlen = false;
    bool mNurHauptSysteme = false;
    bool mNurHauptSystemeEnabled = true;
    CurrencyPanel PnlWaehrung;
    bool AutoPanelVisible = false;

    KeyState& key(Key k) { return m_keys[k]; }
    const KeyState& key(Key k) const { return m_keys[k]; }
    static QString keyName(Key k);            // "B0", "BKom", ...
    static int keyByName(const QString& name); // -1 when there is no such key

    // Key layers: some places of the keypad hold several keys (KeyTable.h); which one is in
    // front follows FTasten (Shift wins over Ctrl). A key hidden by its `visible` flag gives
    // its place to a shown key there (the point stands for the comma in the date system).
    Layer keyLayer() const;
    // Whether the window shows the key now.
    bool keyShown(Key k) const;

    static QStringList winkelItems();  // "Rad", "Deg", "Grad"
    static QStringList dezStItems();   // "Standard", "Ganzzahlen", "0,0" .. "0,0000"
    // Operator bytes as drawn: 0xD6 "√", 0x82 "mod", 0x81 "%iH", 0x80 "?%"; the rest unchanged.
    static QString operatorGlyph(const QString& op);
    // The day number of a typed date ("1.5", "24.12.03"); false when it is no date.
    static bool readDate(const QString& text, long double& day);
    // The number of a day count as the date system shows it ("14Tage", "5 Tage").
    static bool readDayCount(const QString& text, long double& days);
    bool isCalculator() const;         // FTyp is "Rechner", case ignored
    bool isMemory() const { return hasWindowType(FTyp, WindowType::Speicher); }

    // ---- Input ------------------------------------------------------------------------
    // The one entry for keys, buttons, the letter keypad, the tape and other windows.
    // Floating-point errors (vdl::FloatError) leave it; the rest of Text is then dropped.
    void InputProcessing(const QString& Text, bool FromButton);
    // A click on a key: digit keys send their caption, the others run their handler.
    void ButtonClick(Key k);
    // A typed character (Windows-1252 byte) with the modifiers held.
    void FormKeyPress(unsigned char key, bool shift, bool ctrl);
    // Virtual keys 16 (Shift) and 17 (Ctrl); true when the key layer must change.
    bool FormKeyDown(int key);
    bool FormKeyUp(int key);
    bool SetTasten(unsigned char tasten); // resynchronise on activation; true on a change

    // ---- Calculation ------------------------------------------------------------------
    bool Calculate(unsigned char Op);
    int ParseEntry(long double& Value); // 0 nothing, 1 number, 2 date (day number)
    bool ParseResult(long double& Value);
    QString FormatNumber(long double Value) const;
    void ClearResult(bool ClearEntry);

    // ---- Decimal places and number systems --------------------------------------------
    void SetNK(int N);
    void DezStChange();
    void FillSystemList(bool MainOnly);
    void SetSystem(int Code);
    // The program's own change of system, made as a choice in the list makes it, except that
    // the currency system takes the currency at currencyIndex without opening its pop-up.
    void ChangeSystem(int Code, int currencyIndex)
    {
        SetSystem(Code);
        systChange(currencyIndex, false);
    }
    void SetDecimalMode(bool On);
    void SystChange();
    void HMBearbeitenClick();
    void mNurHauptSystemeClick();
    // The user picked an entry (the program's own selections go through SetSystem/SetNK).
    void SystSelected(int index);
    void DezStSelected(int index);
    void WinkelSelected(int index);

    // ---- Currency ---------------------------------------------------------------------
    void SelectCurrency(int Index);

    // ---- Tape -------------------------------------------------------------------------
    void AddHistory(const QString& Text, const QString& Op, int Colour);
    // The window tells how many whole lines its tape shows (fewer under the currency panel);
    // a tape showing its last line keeps it in view. Quiet: the window calls it while drawing.
    void setHistoryRows(int rows);
    void ClearTape(); // empties the tape, keeping a running calculation as its first line
    void MHistorieLoeschenClick();
    // Asks for a file name and writes the tape as a history file ("*.zqh").
    void MHistorieSpeichernClick();
    // Removes the lines at these rows (the marked ones); the item count stays.
    void removeTapeLines(const QList<int>& rows);
    // Enters the number of a tape line, of this window or dragged from another one.
    void takeTapeLine(const QString& line);
    void mPostenZaehlenClick();
    void mMinuswerteRotClick();

    // ---- Function keys ----------------------------------------------------------------
    void BHochClick();
    void BWurzelClick();
    void BWievProzClick();
    void BProzIHClick();
    void BModClick();
    void BMinClick();
    void BCEClick();
    void B1divXClick();
    void BPiClick();
    void BFakClick();
    void BSinClick();
    void BCosClick();
    void BTanClick();
    void BCotClick();
    void BLogClick();
    void BLognClick();
    void BggTClick();
    void BkgvClick();
    void WinkelChange();

    // ---- Links and automatic transfer (set by the window's link handling) --------------
    void SetTyp(const QString& Typ) { FTyp = Typ; }
    void setMemoryKeysEnabled(bool on);
    void setAutoTransfer(bool on); // FSpeicherautomatik, AutoPanel, "%" key

signals:
    void changed();               // any state above changed; re-render
    void tapeFocusRequested();    // the tape takes the focus
    void currencyPopupRequested(); // open the currency pop-up below the system list

private:
    // Public operations nest; the window hears one `changed` when the outermost ends.
    class Batch {
    public:
        explicit Batch(RechnerCore& core) : m_core(core) { ++m_core.m_batchDepth; }
        ~Batch()
        {
            if (--m_core.m_batchDepth == 0) {
                m_core.keysFollowList();
                emit m_core.changed();
            }
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RechnerCore& m_core;
    };
    enum class Angle { Sin, Cos, Tan, Cot };

    void setBKomByRule();
    void updateEnableFlags();
    // Once per change of the window: the keys follow an entry whose list (";") came or went
    // other than by a typed character (a cleared entry, a repeated one, a change of system).
    void keysFollowList();
    void clearAll(bool FromButton);
    bool CalcDecimal(QString& EntryText);
    bool CalcPercent(QString& Prefix, unsigned char Op);
    bool CalcWhatPercent(long double& Percent, long double& y);
    bool CalcDate(QString& EntryText);
    bool CalcTime(QString& EntryText);
    void updateSeparatorKey();
    void CalcBase(QString& EntryText);
    long double factorialOf(long double x) const;
    QString currencySuffix() const;
    bool functionOperand(long double& X);
    void angleFunction(const QString& name, Angle which);
    void addFunctionLines(const QString& call, long double Value);
    bool integerList(QList<long long>& values, QStringList& items);
    void systChange(int currencyIndex, bool popup);
    // After the user's change of system from `from`: a duration shown is that many hours in
    // the decimal system and a decimal number as many hours in "Zeit" (1:30 and 1,5); into
    // any other system a duration is not taken, and the display empties.
    void carryDisplay(int from);

    RechnerHost* m_host = nullptr;
    std::array<KeyState, KeyCount> m_keys;
    int m_batchDepth = 0;
    bool m_listKeys = false;      // the keys were last set for an entry holding a list
    bool m_decimalMode = true;    // the last change of system left the decimal keys on
    int m_autoReturnSystem = 10;  // where an automatic switch returns to
    int m_autoReturnCurrency = -1;
    bool m_dayCount = false;      // the date system's accumulator holds days, not a date
};

} // namespace vdl
