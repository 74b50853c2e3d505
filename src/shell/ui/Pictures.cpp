#include "shell/ui/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Pictures {
namespace {

const QColor kNavy(18, 32, 64);
const QColor kRed(196, 30, 58);
const QColor kBlue(0, 71, 160);

// The red-and-blue circle of the flag, drawn as two interlocking halves.
void drawTaegeuk(QPainter& p, QPointF centre, qreal radius, int alpha)
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath red;
    red.moveTo(centre.x() - radius, centre.y());
    red.arcTo(circle, 180, -180);
    red.arcTo(QRectF(centre.x(), centre.y() - radius / 2, radius, radius), 0, -180);
    red.arcTo(QRectF(centre.x() - radius, centre.y() - radius / 2, radius, radius), 0, 180);
    QColor top = kRed;
    top.setAlpha(alpha);
    QColor bottom = kBlue;
    bottom.setAlpha(alpha);
    p.setPen(Qt::NoPen);
    p.setBrush(bottom);
    p.drawEllipse(circle);
    p.setBrush(top);
    p.drawPath(red);
}

void drawBelt(QPainter& p, QRectF band)
{
    QLinearGradient belt(band.topLeft(), band.bottomLeft());
    belt.setColorAt(0, QColor(40, 40, 40));
    belt.setColorAt(0.5, QColor(10, 10, 10));
    belt.setColorAt(1, QColor(40, 40, 40));
    p.fillRect(band, belt);
    p.setPen(QPen(QColor(200, 160, 60), 1.5));
    p.drawLine(band.topLeft() + QPointF(0, 4), band.topRight() + QPointF(0, 4));
    p.drawLine(band.bottomLeft() - QPointF(0, 4), band.bottomRight() - QPointF(0, 4));
}

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QPixmap paintBackground()
{
    QPixmap picture(800, 533);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 533);
    sky.setColorAt(0, QColor(236, 240, 247));
    sky.setColorAt(1, QColor(196, 208, 228));
    p.fillRect(picture.rect(), sky);
    drawTaegeuk(p, QPointF(600, 250), 190, 38);
    drawBelt(p, QRectF(0, 440, 800, 26));
    p.setPen(kNavy);
    p.setFont(font(44, true));
    p.drawText(QRectF(40, 150, 520, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quenmar2000"));
    p.setFont(font(22, false));
    p.drawText(QRectF(42, 210, 520, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("태권도장 종합관리 프로그램"));
    p.setPen(QColor(90, 100, 120));
    p.setFont(font(14, false));
    p.drawText(QRectF(42, 250, 520, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("수련생 · 수련비 · 출결 · 심사 · 체력측정 · 금전출납"));
    return picture;
}

QPixmap paintSplash()
{
    QPixmap picture(452, 242);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 452, 242);
    night.setColorAt(0, kNavy);
    night.setColorAt(1, QColor(44, 62, 110));
    p.fillRect(picture.rect(), night);
    drawTaegeuk(p, QPointF(370, 100), 62, 255);
    drawBelt(p, QRectF(0, 190, 452, 16));
    p.setPen(Qt::white);
    p.setFont(font(34, true));
    p.drawText(QRectF(24, 60, 300, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quenmar2000"));
    p.setFont(font(16, false));
    p.drawText(QRectF(26, 106, 300, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("태권도장 종합관리"));
    p.setFont(font(11, false));
    p.setPen(QColor(200, 210, 230));
    p.drawText(QRectF(26, 212, 400, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("자료를 여는 중입니다…"));
    p.setPen(QPen(QColor(200, 160, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 450, 240));
    return picture;
}

}

const QPixmap& background()
{
    static const QPixmap picture = paintBackground();
    return picture;
}

const QPixmap& splash()
{
    static const QPixmap picture = paintSplash();
    return picture;
}

}
