#include "shell/ui/Tfexit.h"

#include "shell/ui/Pictures.h"

#include <QPainter>

Tfexit::Tfexit(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Quenmar2000"));
}

void Tfexit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, Pictures::background());
}
