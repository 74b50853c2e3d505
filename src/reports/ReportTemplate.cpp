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

    // A misspelt key would silently do nothing; keys starting with "_" are
    // the template writer's notes.
    void checkKeys(const QJsonObject& o, std::initializer_list<const char*> known, const QString& where) const
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key().startsWith(QLatin1Char('_')))
                continue;
            bool found = false;
            for (const char* key : known)
                found = found || it.key() == QLatin1String(key);
            if (!found)
                fail(QStringLiteral("%1 에 알 수 없는 키 '%2' 가 있습니다").arg(where, it.key()));
        }
    }

    double number(const QJsonObject& o, const char* key, double fallback, const QString& where) const
    {
        const QJsonValue value = o.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isDouble())
            fail(QStringLiteral("%1 의 %2 는 따옴표 없는 숫자여야 합니다").arg(where, QLatin1String(key)));
        return value.toDouble();
    }

    bool flag(const QJsonObject& o, const char* key, const QString& where) const
    {
        const QJsonValue value = o.value(QLatin1String(key));
        if (value.isUndefined())
            return false;
        if (!value.isBool())
            fail(QStringLiteral("%1 의 %2 는 따옴표 없는 true 또는 false 여야 합니다").arg(where, QLatin1String(key)));
        return value.toBool();
    }

    QString text(const QJsonObject& o, const char* key, const QString& where, const QString& fallback = {}) const
    {
        const QJsonValue value = o.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isString())
            fail(QStringLiteral("%1 의 %2 는 따옴표로 묶은 글자여야 합니다").arg(where, QLatin1String(key)));
        return value.toString();
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
        checkKeys(o, {"text", "field", "expr", "line", "box", "image", "at", "mask", "prefix", "suffix", "font", "size",
                      "bold", "align", "wrap", "suppressIfEmpty", "width"},
                  where);
        e.mask = text(o, "mask", where);
        e.prefix = text(o, "prefix", where);
        e.suffix = text(o, "suffix", where);
        e.fontFamily = text(o, "font", where);
        e.fontSize = number(o, "size", 0, where);
        e.bold = flag(o, "bold", where);
        e.align = alignment(text(o, "align", where));
        e.wrap = flag(o, "wrap", where);
        e.suppressIfEmpty = flag(o, "suppressIfEmpty", where);
        e.lineWidth = number(o, "width", 0.2, where);
        return e;
    }

    ReportBand band(const QJsonValue& value, const QString& where, bool detail = false) const
    {
        ReportBand b;
        if (value.isUndefined() || value.isNull())
            return b;
        const QJsonObject o = value.toObject();
        if (detail)
            checkKeys(o, {"height", "elements", "columns", "columnGap"}, where);
        else
            checkKeys(o, {"height", "elements"}, where);
        b.height = number(o, "height", 0, where);
        const QJsonArray elements = o.value(QStringLiteral("elements")).toArray();
        for (int i = 0; i < elements.size(); ++i)
            b.elements << element(elements[i].toObject(), QStringLiteral("%1 의 %2번째 요소").arg(where).arg(i + 1));
        return b;
    }

    void page(const QJsonObject& o, ReportTemplate& t) const
    {
        const QString where = QStringLiteral("page");
        checkKeys(o, {"size", "orientation", "width", "height", "margins"}, where);
        const QString size = text(o, "size", where, QStringLiteral("A4"));
        if (size == QLatin1String("A4"))
            t.pageSize = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        else if (size == QLatin1String("B5"))
            t.pageSize = QPageSize(QPageSize::JisB5).size(QPageSize::Millimeter);
        else if (size == QLatin1String("custom"))
            t.pageSize = QSizeF(number(o, "width", 0, where), number(o, "height", 0, where));
        else
            fail(QStringLiteral("용지 '%1' 은(는) A4, B5, custom 중 하나여야 합니다").arg(size));
        const QString orientation = text(o, "orientation", where, QStringLiteral("portrait"));
        if (orientation != QLatin1String("portrait") && orientation != QLatin1String("landscape"))
            fail(QStringLiteral("방향 '%1' 은(는) portrait, landscape 중 하나여야 합니다").arg(orientation));
        if (orientation == QLatin1String("landscape"))
            t.pageSize.transpose();
        const QJsonObject m = o.value(QStringLiteral("margins")).toObject();
        const QString margins = QStringLiteral("page.margins");
        checkKeys(m, {"left", "top", "right", "bottom"}, margins);
        t.margins = QMarginsF(number(m, "left", 10, margins), number(m, "top", 10, margins), number(m, "right", 10, margins),
                              number(m, "bottom", 10, margins));
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
    parser.checkKeys(o, {"title", "page", "font", "data", "titleBand", "pageHeader", "columnHeader", "groups", "detail",
                         "summary", "pageFooter"},
                     QStringLiteral("양식"));

    ReportTemplate t;
    t.title = parser.text(o, "title", QStringLiteral("양식"));
    parser.page(o.value(QStringLiteral("page")).toObject(), t);
    const QJsonObject font = o.value(QStringLiteral("font")).toObject();
    parser.checkKeys(font, {"family", "size"}, QStringLiteral("font"));
    t.fontFamily = parser.text(font, "family", QStringLiteral("font"), t.fontFamily);
    t.fontSize = parser.number(font, "size", t.fontSize, QStringLiteral("font"));

    const QJsonObject data = o.value(QStringLiteral("data")).toObject();
    parser.checkKeys(data, {"sql", "includeEndRows", "lookups"}, QStringLiteral("data"));
    t.sql = parser.text(data, "sql", QStringLiteral("data"));
    t.includeEndRows = parser.flag(data, "includeEndRows", QStringLiteral("data"));
    const QJsonObject lookups = data.value(QStringLiteral("lookups")).toObject();
    for (auto it = lookups.begin(); it != lookups.end(); ++it) {
        if (!it.value().isString())
            parser.fail(QStringLiteral("data.lookups 의 %1 은(는) 따옴표로 묶은 문장이어야 합니다").arg(it.key()));
        t.lookups.insert(it.key(), it.value().toString());
    }

    const QJsonObject detail = o.value(QStringLiteral("detail")).toObject();
    t.columns = std::max(1, int(parser.number(detail, "columns", 1, QStringLiteral("detail"))));
    t.columnGap = parser.number(detail, "columnGap", 0, QStringLiteral("detail"));

    t.titleBand = parser.band(o.value(QStringLiteral("titleBand")), QStringLiteral("titleBand"));
    t.pageHeader = parser.band(o.value(QStringLiteral("pageHeader")), QStringLiteral("pageHeader"));
    t.columnHeader = parser.band(o.value(QStringLiteral("columnHeader")), QStringLiteral("columnHeader"));
    t.detail = parser.band(detail, QStringLiteral("detail"), true);
    t.summary = parser.band(o.value(QStringLiteral("summary")), QStringLiteral("summary"));
    t.pageFooter = parser.band(o.value(QStringLiteral("pageFooter")), QStringLiteral("pageFooter"));

    const QJsonArray groups = o.value(QStringLiteral("groups")).toArray();
    for (int i = 0; i < groups.size(); ++i) {
        const QJsonObject g = groups[i].toObject();
        const QString where = QStringLiteral("groups[%1]").arg(i + 1);
        parser.checkKeys(g, {"field", "newPage", "header", "footer"}, where);
        ReportGroup group;
        group.field = parser.text(g, "field", where);
        if (group.field.isEmpty())
            parser.fail(where + QStringLiteral(" 에 field 가 없습니다"));
        group.newPage = parser.flag(g, "newPage", where);
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
