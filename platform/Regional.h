#pragma once
// Regional settings: separators from the user's numeric locale (German when it is C/POSIX),
// short date "dd.MM.yyyy", time separator ':'. Nothing else in the program reads the locale.
#include <QChar>
#include <QString>

namespace vdl {

struct Regional {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandSeparator = QLatin1Char('.');
    QChar dateSeparator = QLatin1Char('.');
    QChar timeSeparator = QLatin1Char(':');
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");

    static const Regional& current();
    static void set(const Regional& r);   // tests pin their settings
    static void reset();                  // back to the system's
    static Regional german();
    static Regional fromSystem();
};

} // namespace vdl
