#pragma once
#include <QDate>

// Counting age as dojangs use it: everyone is one in the year of birth and a
// year older every New Year. Without a birth date the age is 0.
int koreanAge(const QDate& birth, const QDate& today);
