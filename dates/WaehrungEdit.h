#pragma once
// The currency editor "Währung": name, abbreviation, rate and date of one currency, checked
// in a fixed order and written to the currency table on OK.
#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace vdl {

class TfvdlFDate;

// The first refused field of an entry: its number (0 none, 1 name, 2 abbreviation, 3 rate,
// 4 date) and the warning to show. RateReadable: the rate passed the number check.
struct CurrencyFault {
    int field = 0;
    QString message;
};
CurrencyFault CheckCurrencyEntry(const QString& Bez, const QString& Kuerzel, bool RateReadable,
                                 const QString& Kurs, const QString& Datum);

// Opens the editor empty, or filled with one currency; true when the entry was written.
bool AddCurrency();
bool EditCurrency(const QString& Bez, const QString& Kuerzel, const QString& Kurs, const QString& Datum);

class TfWaehrungEdit : public QDialog {
    Q_OBJECT
public:
    explicit TfWaehrungEdit(QWidget* parent = nullptr);
    void setFields(const QString& Bez, const QString& Kuerzel, const QString& Kurs, const QString& Datum);
    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BtnOKClick();
    void rDatumDatumEnter();

    QLineEdit* m_bez = nullptr;
    QLineEdit* m_kuerzel = nullptr;
    QLineEdit* m_kurs = nullptr;
    TfvdlFDate* rDatum = nullptr;
    QLineEdit* m_datum = nullptr; // the edit of rDatum
    QPushButton* m_abbrechen = nullptr;
    bool m_checking = false;
};

} // namespace vdl
