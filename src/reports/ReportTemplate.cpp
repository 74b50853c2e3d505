#include "reports/ReportTemplate.h"

#include "reports/ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>

namespace {

class Parser {
public:
    explicit Parser(QString fileName) : fileName_(std::move(fileName)) {}

    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("보고서 양식 %1 을(를) 읽을 수 없습니다: %2").arg(fileName_, what));
    }

    QRectF rect(const QJsonValue& value, const QString& where) const
    {
        const QJsonArray a = value.toArray();
        if (a.size() != 4)
            fail(where + QStringLiteral(" 의 위치는 [x, y, 너비, 높이] 네 수여야 합니다"));
        return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
    }

    int alignment(const QString& text) const
    {
        int horizontal = Qt::AlignLeft;
        if (text == QLatin1String("center"))
            horizontal = Qt::AlignHCenter;
        else if (text == QLatin1String("right"))
            horizontal = Qt::AlignRight;
        else if (!text.isEmpty() && text != QLatin1String("left"))
            fail(QStringLiteral("정렬 '%1' 은(는) left, center, right 중 하나여야 합니다").arg(text));
        return horizontal;
    }

    ReportElement element(const QJsonObject& o, const QString& where) const
    {
        ReportElement e;
        struct KindKey {
            const char* key;
            ReportElement::Kind kind;
        };
        const KindKey kinds[] = {{"text", ReportElement::Kind::Text},       {"field", ReportElement::Kind::Field},
                                 {"expr", ReportElement::Kind::Expression}, {"line", ReportElement::Kind::Line},
                                 {"box", ReportElement::Kind::Box},         {"image", ReportElement::Kind::Image}};
        bool found = false;
        for (const KindKey& k : kinds) {
            if (!o.contains(QLatin1String(k.key)))
                continue;
            e.kind = k.kind;
            found = true;
            if (k.kind == ReportElement::Kind::Line) {
                const QRectF r = rect(o.value(QLatin1String(k.key)), where);
                e.rect = QRectF(QPointF(r.x(), r.y()), QPointF(r.width(), r.height()));
            } else if (k.kind == ReportElement::Kind::Box) {
                e.rect = rect(o.value(QLatin1String(k.key)), where);
            } else {
                e.source = o.value(QLatin1String(k.key)).toString();
                e.rect = rect(o.value(QStringLiteral("at")), where);
            }
            break;
        }
        if (!found)
            fail(where + QStringLiteral(" 에 text, field, expr, line, box, image 중 하나가 없습니다"));
        e.mask = o.value(QStringLiteral("mask")).toString();
        e.prefix = o.value(QStringLiteral("prefix")).toString();
        e.suffix = o.value(QStringLiteral("suffix")).toString();
        e.fontFamily = o.value(QStringLiteral("font")).toString();
        e.fontSize = o.value(QStringLiteral("size")).toDouble();
        e.bold = o.value(QStringLiteral("bold")).toBool();
        e.align = alignment(o.value(QStringLiteral("align")).toString());
        e.wrap = o.value(QStringLiteral("wrap")).toBool();
        e.suppressIfEmpty = o.value(QStringLiteral("suppressIfEmpty")).toBool();
        e.lineWidth = o.value(QStringLiteral("width")).toDouble(0.2);
        return e;
    }

    ReportBand band(const QJsonValue& value, const QString& where) const
    {
        ReportBand b;
        if (value.isUndefined() || value.isNull())
            return b;
        const QJsonObject o = value.toObject();
        b.height = o.value(QStringLiteral("height")).toDouble();
        const QJsonArray elements = o.value(QStringLiteral("elements")).toArray();
        for (int i = 0; i < elements.size(); ++i)
            b.elements << element(elements[i].toObject(), QStringLiteral("%1 의 %2번째 요소").arg(where).arg(i + 1));
        return b;
    }

    void page(const QJsonObject& o, ReportTemplate& t) const
    {
        const QString size = o.value(QStringLiteral("size")).toString(QStringLiteral("A4"));
        if (size == QLatin1String("A4"))
            t.pageSize = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        else if (size == QLatin1String("B5"))
            t.pageSize = QPageSize(QPageSize::JisB5).size(QPageSize::Millimeter);
        else if (size == QLatin1String("custom"))
            t.pageSize = QSizeF(o.value(QStringLiteral("width")).toDouble(), o.value(QStringLiteral("height")).toDouble());
        else
            fail(QStringLiteral("용지 '%1' 은(는) A4, B5, custom 중 하나여야 합니다").arg(size));
        if (o.value(QStringLiteral("orientation")).toString() == QLatin1String("landscape"))
            t.pageSize.transpose();
        const QJsonObject m = o.value(QStringLiteral("margins")).toObject();
        t.margins = QMarginsF(m.value(QStringLiteral("left")).toDouble(10), m.value(QStringLiteral("top")).toDouble(10),
                              m.value(QStringLiteral("right")).toDouble(10), m.value(QStringLiteral("bottom")).toDouble(10));
        if (t.pageSize.width() <= 0 || t.pageSize.height() <= 0)
            fail(QStringLiteral("용지 크기가 없습니다"));
    }

private:
    QString fileName_;
};

}

QRectF ReportTemplate::contentRect() const
{
    return QRectF(QPointF(0, 0), pageSize).marginsRemoved(margins);
}

ReportTemplate ReportTemplate::parse(const QByteArray& text, const QString& fileName)
{
    Parser parser(fileName);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        parser.fail(QStringLiteral("%1 (위치 %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        parser.fail(QStringLiteral("양식 전체가 { } 로 묶여 있어야 합니다"));
    const QJsonObject o = document.object();

    ReportTemplate t;
    t.title = o.value(QStringLiteral("title")).toString();
    parser.page(o.value(QStringLiteral("page")).toObject(), t);
    const QJsonObject font = o.value(QStringLiteral("font")).toObject();
    t.fontFamily = font.value(QStringLiteral("family")).toString(t.fontFamily);
    t.fontSize = font.value(QStringLiteral("size")).toDouble(t.fontSize);

    const QJsonObject data = o.value(QStringLiteral("data")).toObject();
    t.sql = data.value(QStringLiteral("sql")).toString();
    t.includeEndRows = data.value(QStringLiteral("includeEndRows")).toBool();
    const QJsonObject lookups = data.value(QStringLiteral("lookups")).toObject();
    for (auto it = lookups.begin(); it != lookups.end(); ++it)
        t.lookups.insert(it.key(), it.value().toString());

    const QJsonObject detail = o.value(QStringLiteral("detail")).toObject();
    t.columns = std::max(1, detail.value(QStringLiteral("columns")).toInt(1));
    t.columnGap = detail.value(QStringLiteral("columnGap")).toDouble();

    t.titleBand = parser.band(o.value(QStringLiteral("titleBand")), QStringLiteral("titleBand"));
    t.pageHeader = parser.band(o.value(QStringLiteral("pageHeader")), QStringLiteral("pageHeader"));
    t.columnHeader = parser.band(o.value(QStringLiteral("columnHeader")), QStringLiteral("columnHeader"));
    t.detail = parser.band(detail, QStringLiteral("detail"));
    t.summary = parser.band(o.value(QStringLiteral("summary")), QStringLiteral("summary"));
    t.pageFooter = parser.band(o.value(QStringLiteral("pageFooter")), QStringLiteral("pageFooter"));

    const QJsonArray groups = o.value(QStringLiteral("groups")).toArray();
    for (int i = 0; i < groups.size(); ++i) {
        const QJsonObject g = groups[i].toObject();
        const QString where = QStringLiteral("groups[%1]").arg(i + 1);
        ReportGroup group;
        group.field = g.value(QStringLiteral("field")).toString();
        if (group.field.isEmpty())
            parser.fail(where + QStringLiteral(" 에 field 가 없습니다"));
        group.newPage = g.value(QStringLiteral("newPage")).toBool();
        group.header = parser.band(g.value(QStringLiteral("header")), where + QStringLiteral(".header"));
        group.footer = parser.band(g.value(QStringLiteral("footer")), where + QStringLiteral(".footer"));
        t.groups << group;
    }
    if (t.detail.height <= 0 && !t.detail.elements.isEmpty())
        parser.fail(QStringLiteral("detail 의 height 가 없습니다"));
    return t;
}

ReportTemplate ReportTemplate::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("보고서 양식 %1 이(가) 없습니다.").arg(path));
    return parse(file.readAll(), QFileInfo(path).fileName());
}
