#pragma once
// The currency table: one text value per currency under "%\Waehrungen" in the machine root,
// named after the currency, holding "<Kürzel>","<Kurs>","<Datum>". Every reader goes to the
// store afresh, so a change made in one window is seen at the next reading everywhere.
#include "platform/StringList.h"
#include <QString>
#include <QStringList>

namespace vdl::CurrencyStore {

inline const QString Key = QStringLiteral("%\\Waehrungen");

// The stored data of one currency. A quote inside an item is doubled, so that every entry
// splits back into exactly the items it was written from.
QString compose(const QString& Kuerzel, const QString& Kurs, const QString& Datum);
// Adds the currency, or replaces the data of the one with that name (any case); false when the
// settings file could not be saved.
bool write(const QString& Name, const QString& Kuerzel, const QString& Kurs, const QString& Datum);
// Puts back "Deutsche Mark" and "Euro" when either is missing; existing entries are kept as
// they are, so an edited rate survives every start. False when they could not be stored.
bool seedDefaults();
void remove(const QString& Name);

// Names and Values in the store's order, then Names sorted; the object of each name is the
// index of its data in Values. A currency index elsewhere is a position in the sorted Names.
// WithDefaults reads the table as seeding would leave it, before anything is written.
void read(StringList& Names, QStringList& Values, bool WithDefaults = false);
// The items of one stored entry: 0 Kürzel, 1 Kurs, 2 Datum.
QStringList split(const QString& Data);

// German dictionary order without regard to case ("Österreich" before "Zloty"); names
// equal in that order are kept apart by their exact spelling.
bool nameLess(const QString& a, const QString& b);

} // namespace vdl::CurrencyStore
