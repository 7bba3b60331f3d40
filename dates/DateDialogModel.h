#pragma once
// What the date dialog knows without its widgets: the date being picked, the month grid,
// the steps, the month panel, the typed input with its suggestion and the count buttons.
// Dates are day numbers (0 = 30.12.1899); every step stays within the years 1 to 9999.
#include <QString>
#include <Qt>

namespace vdl {

class DateDialogModel {
public:
    // Text colours of a day cell.
    enum class Ink { WindowText, Outside, Sunday, Saturday };
    // The count buttons BtnTage, BtnWochen, BtnMonate, BtnJahre.
    enum Unit { Tage, Wochen, Monate, Jahre };
    // What a key asks of the dialog beyond the model's own change.
    enum class Action { None, Refresh, Ok, Cancel, ToggleExpand, Error };

    static constexpr int Cells = 42;

    DateDialogModel();

    // Calendar arithmetic without clamping: surplus days roll into the following months,
    // so 31 January + 1 month is 3 March. False (Result untouched) when the result would
    // leave the years 1 to 9999.
    static bool DatumAddieren(long long Tage, long long Wochen, long long Monate, long long Jahre,
                              double Datum, double& Result);
    // Monday of ISO week 1 of a year, as a day number.
    static double KW1Montag(int Jahr);
    // Text of the error box for a refused input.
    static QString WertFehlerText(const QString& T);

    double date() const { return FDatum; }
    void setDate(double Datum); // 0 = today
    int year() const { return FJahr; }
    int month() const { return FMonat; }
    int day() const { return FTag; }

    // Month grid: 42 cells Monday to Sunday, the first always in the month before.
    double cellDate(int Cell) const { return FStart + Cell; }
    QString cellText(int Cell) const;
    Ink cellInk(int Cell) const;
    bool cellSelected(int Cell) const;
    void pickCell(int Cell);

    QString monatJahr() const; // "5. Dezember 2026"
    QString datumText() const; // "05.12.2026"
    QString woTag() const;     // "Samstag"
    QString serialText() const; // the day number, hint of the caption

    // Steps of the buttons and arrow keys; a step that would leave the years 1 to 9999 does
    // nothing and gives false.
    bool step(long long Tage, long long Wochen, long long Monate, long long Jahre);
    void heute();

    // Month panel (shown while Shift is held) and the pop-up menu.
    bool monthPanelVisible() const { return FMonatePanel; }
    QString ersterLetzterText() const;
    // Month button M: the day is clamped to the month, or set to its first (ErsterLetzter 1)
    // or last day (2). True when the dialog then closes with OK.
    bool monthButton(int M);
    void menuMonth(int M);
    void menuFirst(int M);
    void menuLast(int M);

    // Typed input.
    QString eingabe() const { return FEingabe; }
    QString vorschlag() const { return FVorschlag; }
    QString caption(Unit U) const;
    void resetCaptions();
    void typeChar(QChar C); // accepted characters, 'C'/'c' clears, '<' and '\b' take one back
    // The count button U on the input. Returns the error text, empty on success.
    QString applyCount(Unit U);
    // Enter: Ok, Refresh, or Error with the text in errorText().
    Action enter();

    // Keyboard of the whole dialog. Expanded: the dialog shows its right half.
    Action keyDown(int Key, Qt::KeyboardModifiers Mods, bool Expanded);
    void keyUp();
    QString errorText() const { return FFehler; }

private:
    void aktualisieren();
    void setInput(const QString& S);
    void setMonth(int M, int D);

    double FDatum = 0;
    int FJahr = 0, FMonat = 0, FTag = 0;
    double FErster = 0, FLetzter = 0, FStart = 0;
    QString FEingabe, FVorschlag, FFehler;
    bool FPlural = false;
    bool FMonatePanel = false;
    int FErsterLetzter = 0; // 1 first, 2 last day on the next month button
    bool FMonatGewaehlt = false;
};

} // namespace vdl
