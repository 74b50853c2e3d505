#pragma once
#include <QString>

// Where a template lives. Screens name templates as the older program did,
// in any case and with "\" ("REPORT\mon02_i.Rpt"); the files are found in
// the program folder whatever the case of the folder and file names.
// Layouts built into the program are named by their screen ("TfPri1020").
namespace ReportFiles {
// The existing file under `folder` matching `relative` without regard to
// case, or "" when there is none.
QString resolve(const QString& folder, const QString& relative);
// The compiled-in layout of that name, or "" when there is none.
QString builtIn(const QString& name);
}
