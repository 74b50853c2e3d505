#pragma once
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A laid-out report: pages of positioned items in millimetres, ready to be
// painted on any device. Tests read the texts and positions from here.
struct PageItem {
    enum class Kind { Text, Line, Box, Image };
    Kind kind = Kind::Text;
    QRectF rect;
    QString text;             // the text, or the image file
    QString fontFamily;
    double fontSize = 10;
    bool bold = false;
    int align = 0;            // Qt::Alignment
    bool wrap = false;
    double lineWidth = 0.2;
};

struct ReportPage {
    QList<PageItem> items;
    QStringList texts() const;
    // The texts in reading order: by line (top), then from the left.
    QStringList textsInReadingOrder() const;
};

struct ReportDocument {
    QString title;
    QSizeF pageSize;          // millimetres
    QList<ReportPage> pages;
};
