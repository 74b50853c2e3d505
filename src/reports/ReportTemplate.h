#pragma once
#include <QList>
#include <QMap>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A banded page layout, read from a template file (see report/README.md).
// All positions and sizes are millimetres; a band's elements are placed
// relative to the band's top-left corner.
struct ReportElement {
    enum class Kind { Text, Field, Expression, Line, Box, Image };
    Kind kind = Kind::Text;
    QRectF rect;                  // a line runs from rect.topLeft() to rect.bottomRight()
    QString source;               // the text, field name, expression or image path
    QString mask;                 // ",##0", "##0.0", "yyyy-mm-dd" …
    QString prefix;
    QString suffix;
    QString fontFamily;           // empty: the template's font
    double fontSize = 0;          // points; 0: the template's size
    bool bold = false;
    int align = 0;                // Qt::Alignment flags
    bool wrap = false;
    bool suppressIfEmpty = false;
    double lineWidth = 0.2;
};

struct ReportBand {
    double height = 0;
    QList<ReportElement> elements;
    bool isEmpty() const { return height <= 0 && elements.isEmpty(); }
};

struct ReportGroup {
    QString field;
    bool newPage = false;
    ReportBand header;
    ReportBand footer;
};

struct ReportTemplate {
    QString title;
    QSizeF pageSize{210, 297};
    QMarginsF margins{10, 10, 10, 10};   // left, top, right, bottom
    QString fontFamily = QStringLiteral("NanumGothic");
    double fontSize = 10;

    QString sql;                          // empty: the Print rows by seqno
    bool includeEndRows = false;          // Print rows with seqno >= 100000
    QMap<QString, QString> lookups;       // name -> a statement giving one value

    int columns = 1;                      // detail columns (labels, cards)
    double columnGap = 0;

    ReportBand titleBand;                 // once, at the top of the first page
    ReportBand pageHeader;
    ReportBand columnHeader;
    QList<ReportGroup> groups;            // outermost first
    ReportBand detail;
    ReportBand summary;
    ReportBand pageFooter;

    QRectF contentRect() const;
    // Parses the template text; `fileName` only names the file in messages.
    static ReportTemplate parse(const QByteArray& text, const QString& fileName);
    static ReportTemplate load(const QString& path);
};
