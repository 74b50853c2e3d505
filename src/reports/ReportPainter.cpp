#include "reports/ReportPainter.h"

#include "common/ProgramFolder.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPainter {
namespace {

QRectF toDevice(const QRectF& mm, double dotsPerMm)
{
    return {mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm};
}

QString imagePath(const QString& path)
{
    return QFileInfo(path).isAbsolute() || path.startsWith(QLatin1Char(':')) ? path : ProgramFolder::file(path);
}

void paintItem(const PageItem& item, QPainter& painter, double dotsPerMm)
{
    const QRectF rect = toDevice(item.rect, dotsPerMm);
    switch (item.kind) {
    case PageItem::Kind::Line:
    case PageItem::Kind::Box: {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(0.5, item.lineWidth * dotsPerMm));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (item.kind == PageItem::Kind::Line)
            painter.drawLine(rect.topLeft(), rect.bottomRight());
        else
            painter.drawRect(rect);
        return;
    }
    case PageItem::Kind::Image: {
        const QImage image(imagePath(item.text));
        if (image.isNull())
            return;
        const QSizeF fitted = image.size().scaled(rect.size().toSize(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(rect.topLeft(), fitted), image);
        return;
    }
    case PageItem::Kind::Text: {
        QFont font(item.fontFamily);
        font.setPointSizeF(item.fontSize);
        font.setBold(item.bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect, item.align | (item.wrap ? Qt::TextWordWrap : 0), item.text);
        return;
    }
    }
}

}

void paintPage(const ReportPage& page, QPainter& painter, double dotsPerMm)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageItem& item : page.items)
        paintItem(item, painter, dotsPerMm);
}

bool writePdf(const ReportDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Quenmar2000"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(document.pageSize, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double dotsPerMm = writer.resolution() / 25.4;
    for (int i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        paintPage(document.pages[i], painter, dotsPerMm);
    }
    return painter.end();
}

QImage pageImage(const ReportDocument& document, int pageIndex, double dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image((document.pageSize * dotsPerMm).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    if (pageIndex >= 0 && pageIndex < document.pages.size())
        paintPage(document.pages[pageIndex], painter, dotsPerMm);
    return image;
}

}
