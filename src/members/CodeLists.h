#pragma once
#include <QList>
#include <QString>

class Session;

// The code tables behind the drop-down lists, as (code, shown text) pairs in
// the order the lists show them.
namespace CodeLists {
struct Item {
    QString code;
    QString text;
};
QList<Item> divisions(Session& session);      // by code, showing 부명
QList<Item> grades(Session& session);         // by code, showing 급품명
QList<Item> areas(Session& session);          // by name
QList<Item> motives(Session& session);        // by code
QList<Item> courses(Session& session);        // by course name
QList<Item> places(Session& session, const QString& courseCode);
QList<Item> schoolYears(Session& session);    // by code
// Postal codes shown as code + ")" + two blanks + neighbourhood.
QStringList postalEntries(Session& session);
qint64 divisionFee(Session& session, const QString& divisionCode);
// The first pick-up time of a place, "" when it has none.
QString firstTime(Session& session, const QString& courseCode, const QString& placeCode);
}
