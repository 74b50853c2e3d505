#include "reports/ReportJob.h"

#include "common/ProgramFolder.h"
#include "reports/ReportData.h"
#include "reports/ReportError.h"
#include "reports/ReportFiles.h"
#include "reports/ReportLayout.h"
#include "reports/ReportTemplate.h"

#include <QFileInfo>

namespace ReportJob {
namespace {

QString withoutFolder(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    if (name.startsWith(QStringLiteral("report/"), Qt::CaseInsensitive))
        name.remove(0, 7);
    return name;
}

ReportTemplate loadTemplate(const QString& fileName)
{
    const QString builtIn = ReportFiles::builtIn(fileName);
    if (!builtIn.isEmpty())
        return ReportTemplate::load(builtIn);
    const QString relative = QStringLiteral("report/") + withoutFolder(fileName);
    const QString found = ReportFiles::resolve(ProgramFolder::path(), relative);
    if (found.isEmpty())
        throw ReportError(QStringLiteral("보고서 양식 %1 이(가) 없습니다.").arg(templatePath(fileName)));
    return ReportTemplate::load(found);
}

}

QString connectionString()
{
    return QStringLiteral("dsn=") + QLatin1String(ProgramFolder::kDataSourceName);
}

QString templatePath(const QString& fileName)
{
    return ProgramFolder::file(QStringLiteral("report/") + withoutFolder(fileName));
}

ReportDocument build(Session& session, const ReportRequest& request)
{
    if (!request.connect.isEmpty() && request.connect.compare(connectionString(), Qt::CaseInsensitive) != 0)
        throw ReportError(QStringLiteral("데이터 원본 '%1' 에 연결할 수 없습니다.").arg(request.connect));
    ReportTemplate layout = loadTemplate(request.reportFileName);
    if (!request.windowTitle.isEmpty())
        layout.title = request.windowTitle;
    const ReportRows data = ReportData::fetch(session, layout, request.params);
    return ReportLayout::lay(layout, data.rows, data.extra);
}

}
