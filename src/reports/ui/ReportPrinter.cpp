#include "reports/ui/ReportPrinter.h"

#include "common/UserError.h"
#include "reports/ReportPainter.h"
#include "reports/ui/ReportPreview.h"
#include "shell/ui/Messages.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ReportPrinter {

QWidget* run(QWidget* parent, Session& session, const ReportRequest& request)
{
    ReportDocument document;
    try {
        document = ReportJob::build(session, request);
    } catch (const UserError& error) {
        Messages::error(parent, error.message());
        return nullptr;
    }
    if (request.destination == ReportRequest::Printer) {
        print(parent, document);
        return nullptr;
    }
    auto* preview = new ReportPreview(std::move(document), parent);
    preview->show();
    return preview;
}

void print(QWidget* parent, const ReportDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    const bool landscape = document.pageSize.width() > document.pageSize.height();
    printer.setPageSize(QPageSize(landscape ? document.pageSize.transposed() : document.pageSize, QPageSize::Millimeter));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(document.title);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Messages::error(parent, QStringLiteral("프린터를 사용할 수 없습니다."));
        return;
    }
    const double dotsPerMm = printer.resolution() / 25.4;
    for (int i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        ReportPainter::paintPage(document.pages[i], painter, dotsPerMm);
    }
    painter.end();
}

}
