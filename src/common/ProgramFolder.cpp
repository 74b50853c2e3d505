#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {
namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
}

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    const QString home = qEnvironmentVariable("QUENMAR_HOME");
    if (!home.isEmpty())
        return withSlash(QDir(home).absolutePath());
    return withSlash(QCoreApplication::applicationDirPath());
}

void setPath(const QString& folder)
{
    overridden() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

QString file(const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return path() + tail;
}

QString dataFile()
{
    return file(QStringLiteral("Data/") + QLatin1String(kDataSourceName) + QStringLiteral(".db"));
}

QStringList standardFolders()
{
    return {QStringLiteral("Data"),
            QStringLiteral("report"),
            QStringLiteral("backup"),
            QStringLiteral("images"),
            QStringLiteral("인터넷통보자료"),
            QStringLiteral("인터넷통보자료/결석통보"),
            QStringLiteral("인터넷통보자료/납부영수증"),
            QStringLiteral("인터넷통보자료/납부통지서"),
            QStringLiteral("인터넷통보자료/심사결과"),
            QStringLiteral("인터넷통보자료/심사안내문"),
            QStringLiteral("인터넷통보자료/통신문"),
            QStringLiteral("심사접수"),
            QStringLiteral("퇴관자료"),
            QStringLiteral("입관자료"),
            QStringLiteral("분석자료"),
            QStringLiteral("수련계획")};
}

void ensureFolders()
{
    const QDir root(path());
    for (const QString& folder : standardFolders())
        root.mkpath(folder);
}

}
