#include "shell/ui/WorkArea.h"

#include "shell/ui/Pictures.h"

#include <QPainter>

WorkArea::WorkArea(QWidget* parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("ClientWindow"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void WorkArea::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    painter.drawPixmap(0, 0, Pictures::background());
}

void WorkArea::resizeEvent(QResizeEvent* event)
{
    QMdiArea::resizeEvent(event);
    emit resized();
}
