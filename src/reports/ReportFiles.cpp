#include "reports/ReportFiles.h"

#include <QDir>
#include <QFile>

static void initLayoutResources()
{
    Q_INIT_RESOURCE(layouts);
}

namespace ReportFiles {

QString resolve(const QString& folder, const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir dir(folder);
    const QStringList parts = tail.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        QString match;
        const QStringList entries = dir.entryList(last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            if (entry.compare(parts[i], Qt::CaseInsensitive) == 0)
                match = entry;
        if (match.isEmpty())
            return {};
        if (last)
            return dir.filePath(match);
        dir.cd(match);
    }
    return {};
}

QString builtIn(const QString& name)
{
    initLayoutResources();
    const QString path = QStringLiteral(":/layouts/") + name + QStringLiteral(".json");
    return QFile::exists(path) ? path : QString();
}

}
