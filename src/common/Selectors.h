#pragma once
#include "common/SqlCondition.h"

#include <QStringList>

// The two drop-downs that nearly every list screen carries. Group items are
// written after five blanks ("     초등부"); some screens use fewer, so items
// are recognised by their trimmed text.
namespace DivisionSelector {
struct Division {
    QString code;
    QString name;
};
QStringList items(const QList<Division>& divisions);
QString itemText(const Division& division);          // code + ")  " + name
// A condition on `column` (the division code); `param` names its bound values.
SqlCondition condition(const QString& item, const QString& column, const QString& param);
QString caption(const QString& item);                // what a printout shows for the choice
}

namespace SchoolYearSelector {
QStringList items(const QStringList& schoolYears);   // the school-year table in code order
SqlCondition condition(const QString& item, const QString& column, const QString& param);
QString caption(const QString& item);
}
