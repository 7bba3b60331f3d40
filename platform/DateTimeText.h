#pragma once
// Day numbers (0 = 30.12.1899, proleptic Gregorian) and their texts.
#include <QString>

namespace vdl {

bool IsLeapYear(int year);
bool TryEncodeDate(int year, int month, int day, double& date);
double EncodeDate(int year, int month, int day);   // ConvertError "Ungültiges Argument für Datumskodierung"
void DecodeDate(double date, int& year, int& month, int& day);
bool TryEncodeTime(int hour, int min, int sec, int msec, double& time);
void DecodeTime(double time, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(double date); // 1 = Sunday .. 7 = Saturday

// Format letters: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz, '/' date separator,
// ':' time separator, "..." and '...' literal. Month and day names are German always. A day
// number that is NaN or infinite gives ''.
QString FormatDateTime(const QString& format, double dateTime);
QString DateToStr(double date); // regional short date

// Regional short date order and separator; raises ConvertError
// ("'<text>' ist kein gültiges Datum").
double StrToDate(const QString& s);
bool TryStrToDate(const QString& s, double& date);

QString GermanMonthName(int month);     // "Januar" .. "Dezember"
QString GermanDayName(int dayOfWeek);   // 1 = "Sonntag" .. 7 = "Samstag"

} // namespace vdl
