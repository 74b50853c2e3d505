#pragma once
#include <QString>
#include <QVariant>

// Display masks in the manner of the desktop database the stored layouts come
// from: "0" a required digit, "#" an optional one, "," thousands grouping,
// "." the decimal point. Rounding is half away from zero on the decimal value
// as written (12.35 -> "12.4" with one place), not on the binary double.
namespace NumberFormat {
QString format(double value, const QString& mask);
QString format(const QVariant& value, const QString& mask);   // NULL or non-number -> ""
QString won(qint64 amount);                                     // ",##0" + "원"
double round(double value, int places);                         // half away from zero, decimal
QString str(double value);                                      // Str(): a blank stands for the plus sign
}
