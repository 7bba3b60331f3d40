#pragma once
// Exceptions of the program. Their texts are the German messages the user sees.
#include <QString>
#include <exception>

namespace vdl {

class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Floating-point faults: "Gleitkommadivision durch Null", "Ungültige Gleitkommaoperation",
// "Gleitkommaüberlauf"; integer division by zero: "Division durch Null".
class FloatError : public Error {
public:
    using Error::Error;
    static FloatError divisionByZero();   // "Gleitkommadivision durch Null"
    static FloatError invalidOperation(); // "Ungültige Gleitkommaoperation"
    static FloatError overflow();         // "Gleitkommaüberlauf"
};

class IntDivError : public Error {
public:
    IntDivError() : Error(QStringLiteral("Division durch Null")) {}
};

// A text that is no number or date: "'abc' ist kein gültiger Gleitkommawert" and the like.
class ConvertError : public Error {
public:
    using Error::Error;
};

} // namespace vdl
