#pragma once
// The currency list "Währungen": every stored currency in a table, with adding, changing and
// deleting. Each row keeps its currency's name, so a change or deletion always reaches the
// entry the user marked, whatever characters its name holds.
#include <QDialog>
#include <QList>
#include <QString>

class QTableWidget;

namespace vdl {

struct CurrencyRow {
    QString name, kuerzel, kurs, datum;
};
// The stored currencies sorted by name, each entry split into its items.
QList<CurrencyRow> CurrencyRows();

// Shows the list modally; true when it was closed with "Schließen".
bool ShowCurrencyList();

class TfWaehrungen : public QDialog {
    Q_OBJECT
public:
    explicit TfWaehrungen(QWidget* parent = nullptr);
    void LoadCurrencies();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BtnAendernClick();
    void BtnLoeschenClick();
    QString markedName() const;

    QTableWidget* m_grid = nullptr;
    QWidget* m_panel1 = nullptr;
};

} // namespace vdl
