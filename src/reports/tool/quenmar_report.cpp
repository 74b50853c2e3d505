// quenmar-report TEMPLATE OUT.pdf [NAME=VALUE ...]
// Renders a template against the data file of the program folder
// (QUENMAR_HOME honoured) to PDF, for scripted printing and checks.
#include "common/ProgramFolder.h"
#include "common/UserError.h"
#include "datastore/Session.h"
#include "reports/ReportJob.h"
#include "reports/ReportPainter.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: quenmar-report TEMPLATE OUT.pdf [NAME=VALUE ...]\n");
        return 2;
    }
    ReportRequest request;
    request.reportFileName = args[1];
    for (const QString& pair : args.mid(3))
        request.params.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    try {
        Session session(ProgramFolder::dataFile(), QStringLiteral("report-tool"));
        session.open();
        const ReportDocument document = ReportJob::build(session, request);
        if (!ReportPainter::writePdf(document, args[2])) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(args[2]));
            return 1;
        }
        std::printf("%s: %lld page(s)\n", qPrintable(args[2]), static_cast<long long>(document.pages.size()));
    } catch (const UserError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
