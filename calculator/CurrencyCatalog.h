#pragma once
// The frame's currency lists, shared by every calculator window. They are filled from the
// store each time a currency menu opens; a currency index means a position in the names as
// last filled, and is not moved when currencies come or go later.
#include "platform/StringList.h"
#include <QString>
#include <QStringList>

namespace vdl {

class CurrencyCatalog {
public:
    StringList CurrencyNames;   // sorted; each object is the index of its data in CurrencyValues
    QStringList CurrencyValues; // stored data in the store's order

    // Re-reads the store (the windows build their menus from the lists); WithDefaults counts
    // the default currencies in that have not been seeded yet.
    void Fill(bool WithDefaults = false);

    int count() const { return CurrencyNames.count(); }
    // The following raise the list index error for a position outside the lists.
    QString Name(int index) const;
    QStringList Fields(int index) const; // 0 Kürzel, 1 Kurs, 2 Datum; missing items are ''
    long double Rate(int index) const;   // the Kurs, read with a decimal comma; 0 when no number

private:
    void checkIndex(int index) const;
};

} // namespace vdl
