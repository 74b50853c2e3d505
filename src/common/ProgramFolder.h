#pragma once
#include <QString>
#include <QStringList>

// The program folder: where the program file lies, or QUENMAR_HOME when set.
// Data, report templates, backups, photographs and the exchange folders all
// live under it. Relative paths may be written with "\" as older screens and
// templates do; they are turned into "/".
namespace ProgramFolder {
inline constexpr const char* kDataSourceName = "Quenmar2000";

QString path();                               // with a trailing "/"
void setPath(const QString& folder);          // for tests and tools; "" returns to the default
QString file(const QString& relative);
QString dataFile();                           // Data/Quenmar2000.db
QStringList standardFolders();
void ensureFolders();                         // creates the standard folders that are missing
}
