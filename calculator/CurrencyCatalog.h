#pragma once
// The frame's currency lists, shared by every calculator window. They are filled from the
// store each time a currency menu opens; a currency index means a position in the names as
// last filled, and is not moved when currencies come or go later.
#include "platform/StringList.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace vdl {

class CurrencyCatalog {
public:
    StringList CurrencyNames;   // sorted; each object is the index of its data in CurrencyValues
    QStringList CurrencyValues; // stored data in the store's order
    QStringList CurrencyFields; // the items of the entry last split for a menu

    struct MenuItem {
        QString caption; // "Deutsche Mark  (1,00000)"
        int index = 0;   // position in CurrencyNames
    };
    // Re-reads the store and lists one item per currency, passing over position ownIndex
    // (the currency the asking window already shows; -1 for none).
    QList<MenuItem> Fill(int ownIndex);

    int count() const { return CurrencyNames.count(); }
    // The following raise the list index error for a position outside the lists.
    QString Name(int index) const;
    QStringList Fields(int index) const;    // 0 Kürzel, 1 Kurs, 2 Datum; missing items are ''
    QString PanelCaption(int index) const;  // "DM  (1,00000)"
    long double Rate(int index) const;      // the Kurs, read with a decimal comma; 0 when no number

private:
    void checkIndex(int index) const;
};

} // namespace vdl
