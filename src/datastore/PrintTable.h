#pragma once
#include <QString>
#include <QStringList>

class Session;

// The report scratch table `Print`: no key, `seqno` orders the rows and every
// other column is text already formatted for the page. Printing screens
// rebuild it from empty and append the end row before a report reads it.
namespace PrintTable {
inline constexpr int kEndRowSeqNo = 100000;
QStringList columnNames();                  // seqno first
QString createStatement();
void ensure(Session& session);              // creates it, or adds columns an older file lacks
void clear(Session& session);               // "DELETE FROM print"
void addEndRow(Session& session);           // seqno 100000, G01 '999'
}
