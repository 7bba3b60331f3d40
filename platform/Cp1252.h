#pragma once
// Windows-1252, the code page of every file the program reads or writes and of its
// operator characters. Qt guarantees no such codec, so the table is our own.
#include <QByteArray>
#include <QString>

namespace vdl {

// Operator and command characters as code-page bytes.
namespace op {
constexpr unsigned char WhatPercent = 0x80; // what percentage (also the euro sign)
constexpr unsigned char PercentIH = 0x81;   // percent in hundred
constexpr unsigned char Mod = 0x82;         // modulo
constexpr unsigned char Dash = 0x96;        // caption of the minus key
constexpr unsigned char Root = 0xD6;        // root (drawn as U+221A)
constexpr unsigned char Mult = 0xD7;        // ×
constexpr unsigned char Div = 0xF7;         // ÷
} // namespace op

namespace Cp1252 {

QChar toUnicode(unsigned char byte);               // the five undefined bytes map to U+0081 etc.
bool fromUnicode(QChar c, unsigned char& byte);    // false when the character has no byte
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text, char replacement = '?');
bool canEncode(const QString& text);

// Case mapping per code-page character; the length never changes (ß and µ stay).
QChar upper(QChar c);
QChar lower(QChar c);
QString upper(const QString& s);
QString lower(const QString& s);

} // namespace Cp1252
} // namespace vdl
