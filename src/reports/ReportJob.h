#pragma once
#include "reports/PageModel.h"

#include <QString>
#include <QVariantHash>

class Session;

// The printing rule every screen follows: fill Print, then name the template
// (a file under the program folder's report/ folder, or a built-in layout),
// the window title, the connection and the destination, and start it.
struct ReportRequest {
    enum Destination { Preview = 0, Printer = 1 };
    QString reportFileName;       // "report\dm.rpt", "REPORT\mon02_i.Rpt" or a built-in name
    QString windowTitle;
    QString connect;              // "dsn=Quenmar2000"; empty: the template's own (the program's data)
    int destination = Preview;
    QVariantHash params;          // built-in layouts' statement values
};

namespace ReportJob {
QString connectionString();                        // "dsn=" + the data-source name
QString templatePath(const QString& fileName);     // program folder + "report/" + name
// Loads the template and lays it out over its data. Throws ReportError for a
// missing or broken template or an unknown connection, DbError for the data.
ReportDocument build(Session& session, const ReportRequest& request);
}
