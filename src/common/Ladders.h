#pragma once
#include <QString>

// Grades and school years both advance by one code. A grade code is two
// digits in ascending rank; the highest code has no next grade. School years
// are the codes 1..18 of the school-year table; 18 ("일반") stays 18.
namespace Ladders {
inline constexpr int kLastSchoolYearCode = 18;

QString nextGradeCode(const QString& code);                          // "09" -> "10"
QString nextGradeCode(const QString& code, const QString& highestCode);  // "" above the top
int promotedSchoolYear(int code);
}
