#include "shell/ui/TfrmSplash.h"

#include "shell/ui/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setFixedSize(kSize);
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), Pictures::splash());
}
