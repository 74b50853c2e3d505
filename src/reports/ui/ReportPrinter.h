#pragma once
#include "reports/ReportJob.h"

class QWidget;
class Session;

// The printing rule for screens: after filling Print, a screen calls run()
// with the template's file name, the window title, the connection and the
// destination (preview or printer). A missing or broken template, or a data
// error, is shown as a message naming it; nothing is printed then.
namespace ReportPrinter {
// Returns the preview window for destination Preview, otherwise nullptr.
QWidget* run(QWidget* parent, Session& session, const ReportRequest& request);
// The printer path: the system print dialog, then the pages.
void print(QWidget* parent, const ReportDocument& document);
}
