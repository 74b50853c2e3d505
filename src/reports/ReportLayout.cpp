#include "reports/ReportLayout.h"

#include "common/DateText.h"
#include "common/NumberFormat.h"
#include "reports/Expression.h"

#include <QRegularExpression>

namespace ReportLayout {

QString formatted(const QVariant& value, const QString& mask)
{
    if (mask.isEmpty() || value.isNull())
        return value.toString();
    if (mask.contains(QLatin1Char('y')) || mask.contains(QLatin1Char('d'))) {
        const QDate date = DateText::toDate(value.toString());
        if (!date.isValid())
            return value.toString();
        QString qtMask = mask;
        qtMask.replace(QLatin1Char('m'), QLatin1Char('M'));
        return date.toString(qtMask);
    }
    const QString shown = NumberFormat::format(value, mask);
    return shown.isEmpty() ? value.toString() : shown;
}

namespace {

const QString kPagesMark = QStringLiteral("\x01pages\x01");

class Layout {
public:
    Layout(const ReportTemplate& t, const QList<QVariantHash>& rows, const QVariantHash& extra)
        : t_(t), rows_(rows), extra_(extra), content_(t.contentRect())
    {
        document_.title = t.title;
        document_.pageSize = t.pageSize;
    }

    ReportDocument run()
    {
        pending_ = rows_.isEmpty() ? nullptr : &rows_.first();
        startPage();
        QList<QList<QVariantHash>> groupRows(t_.groups.size());
        for (int i = 0; i < rows_.size(); ++i) {
            const QVariantHash& row = rows_[i];
            pending_ = &row;
            const int changed = firstChangedGroup(i);
            if (changed >= 0) {
                closeGroups(changed, groupRows, i > 0 ? &rows_[i - 1] : nullptr);
                if (i > 0 && newPageAt(changed))
                    breakPage();
                else if (!roomForHeadersAndARow(changed))
                    breakPage();   // a group header never stands alone at the foot of a page
                for (int g = changed; g < t_.groups.size(); ++g) {
                    groupRows[g].clear();
                    flushColumns();
                    const QList<QVariantHash> group = groupAhead(g, i);
                    placeBand(t_.groups[g].header, &row, &group);
                }
            }
            for (auto& list : groupRows)
                list << row;
            placeDetail(row);
        }
        if (!rows_.isEmpty())
            closeGroups(0, groupRows, &rows_.last());
        flushColumns();
        placeBand(t_.summary, rows_.isEmpty() ? nullptr : &rows_.last(), &rows_);
        endPage();
        resolvePageCount();
        return document_;
    }

private:
    int firstChangedGroup(int index) const
    {
        for (int g = 0; g < t_.groups.size(); ++g) {
            const QString key = t_.groups[g].field.toLower();
            if (index == 0 || rows_[index].value(key) != rows_[index - 1].value(key))
                return g;
        }
        return -1;
    }

    // The rows of group level `g` that starts at row `first`: its header can
    // count and sum them before they are printed.
    QList<QVariantHash> groupAhead(int g, int first) const
    {
        int end = first + 1;
        while (end < rows_.size()) {
            bool same = true;
            for (int level = 0; level <= g && same; ++level) {
                const QString key = t_.groups[level].field.toLower();
                same = rows_[end].value(key) == rows_[first].value(key);
            }
            if (!same)
                break;
            ++end;
        }
        return rows_.mid(first, end - first);
    }

    bool roomForHeadersAndARow(int changed) const
    {
        double needed = t_.detail.height;
        for (int g = changed; g < t_.groups.size(); ++g)
            needed += t_.groups[g].header.height;
        const double start = column_ == 0 ? y_ : y_ + t_.detail.height;
        return start + needed <= footerTop() + 1e-6 || start <= pageBodyTop() + 1e-6;
    }

    bool newPageAt(int changed) const
    {
        for (int g = changed; g < t_.groups.size(); ++g)
            if (t_.groups[g].newPage)
                return true;
        return false;
    }

    void closeGroups(int from, const QList<QList<QVariantHash>>& groupRows, const QVariantHash* last)
    {
        if (!last)
            return;
        flushColumns();
        for (int g = t_.groups.size() - 1; g >= from; --g)
            placeBand(t_.groups[g].footer, last, &groupRows[g]);
    }

    double footerTop() const { return content_.bottom() - t_.pageFooter.height; }

    void startPage()
    {
        document_.pages << ReportPage();
        pageRows_.clear();
        y_ = content_.top();
        if (document_.pages.size() == 1)
            place(t_.titleBand, content_.left(), content_.width(), pending_, &rows_);
        place(t_.pageHeader, content_.left(), content_.width(), pending_, &rows_);
        place(t_.columnHeader, content_.left(), content_.width(), pending_, &rows_);
    }

    void endPage()
    {
        const double keep = y_;
        y_ = footerTop();
        place(t_.pageFooter, content_.left(), content_.width(), pageRows_.isEmpty() ? nullptr : &pageRows_.last(),
              &pageRows_);
        y_ = keep;
    }

    void breakPage()
    {
        flushColumns();
        endPage();
        startPage();
    }

    // A band that does not fit goes to a new page, headers first. A band
    // taller than a whole page is placed anyway rather than looping.
    void placeBand(const ReportBand& band, const QVariantHash* row, const QList<QVariantHash>* scope)
    {
        if (band.isEmpty())
            return;
        if (y_ + band.height > footerTop() + 1e-6 && y_ > pageBodyTop() + 1e-6)
            breakPage();
        place(band, content_.left(), content_.width(), row, scope);
    }

    double pageBodyTop() const
    {
        double top = content_.top() + t_.pageHeader.height + t_.columnHeader.height;
        if (document_.pages.size() == 1)
            top += t_.titleBand.height;
        return top;
    }

    void placeDetail(const QVariantHash& row)
    {
        if (column_ == 0 && y_ + t_.detail.height > footerTop() + 1e-6 && y_ > pageBodyTop() + 1e-6)
            breakPage();
        const double width = (content_.width() - t_.columnGap * (t_.columns - 1)) / t_.columns;
        const double left = content_.left() + column_ * (width + t_.columnGap);
        const double top = y_;
        pageRows_ << row;   // a running sum in the detail includes its own row
        place(t_.detail, left, width, &row, &pageRows_);
        if (++column_ < t_.columns)
            y_ = top;
        else
            column_ = 0;
    }

    void flushColumns()
    {
        if (column_ == 0)
            return;
        column_ = 0;
        y_ += t_.detail.height;
    }

    void place(const ReportBand& band, double left, double width, const QVariantHash* row,
               const QList<QVariantHash>* scope)
    {
        Q_UNUSED(width);
        const ExpressionScope context{row, scope, &extra_};
        for (const ReportElement& element : band.elements) {
            PageItem item;
            item.rect = element.rect.translated(left, y_);
            item.fontFamily = element.fontFamily.isEmpty() ? t_.fontFamily : element.fontFamily;
            item.fontSize = element.fontSize > 0 ? element.fontSize : t_.fontSize;
            item.bold = element.bold;
            item.align = element.align | Qt::AlignVCenter;
            item.wrap = element.wrap;
            item.lineWidth = element.lineWidth;
            if (!fill(item, element, context))
                continue;
            document_.pages.last().items << item;
        }
        y_ += band.height;
    }

    bool fill(PageItem& item, const ReportElement& element, const ExpressionScope& context)
    {
        switch (element.kind) {
        case ReportElement::Kind::Line:
            item.kind = PageItem::Kind::Line;
            return true;
        case ReportElement::Kind::Box:
            item.kind = PageItem::Kind::Box;
            return true;
        case ReportElement::Kind::Image:
            item.kind = PageItem::Kind::Image;
            item.text = substitute(element.source, context);
            return !item.text.isEmpty();
        case ReportElement::Kind::Text:
            item.text = substitute(element.source, context);
            break;
        case ReportElement::Kind::Field:
            item.text = formatted(Expression::field(element.source, context), element.mask);
            break;
        case ReportElement::Kind::Expression:
            item.text = formatted(Expression::evaluate(element.source, context), element.mask);
            break;
        }
        item.kind = PageItem::Kind::Text;
        if (item.text.trimmed().isEmpty() && element.suppressIfEmpty)
            return false;
        if (!item.text.isEmpty())
            item.text = element.prefix + item.text + element.suffix;
        return true;
    }

    // "{name}" in a text takes a field, lookup or parameter; {page} and
    // {pages} the page number and count.
    QString substitute(const QString& text, const ExpressionScope& context) const
    {
        static const QRegularExpression placeholder(QStringLiteral("\\{([^{}]+)\\}"));
        QString out;
        qsizetype last = 0;
        for (auto it = placeholder.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            out += text.mid(last, match.capturedStart() - last);
            const QString name = match.captured(1);
            if (name == QLatin1String("page"))
                out += QString::number(document_.pages.size());
            else if (name == QLatin1String("pages"))
                out += kPagesMark;
            else
                out += Expression::field(name, context).toString();
            last = match.capturedEnd();
        }
        return out + text.mid(last);
    }

    void resolvePageCount()
    {
        const QString count = QString::number(document_.pages.size());
        for (ReportPage& page : document_.pages)
            for (PageItem& item : page.items)
                item.text.replace(kPagesMark, count);
    }

    const ReportTemplate& t_;
    const QList<QVariantHash>& rows_;
    const QVariantHash& extra_;
    const QRectF content_;
    ReportDocument document_;
    QList<QVariantHash> pageRows_;
    const QVariantHash* pending_ = nullptr;   // the row the next page starts with
    double y_ = 0;
    int column_ = 0;
};

}

ReportDocument lay(const ReportTemplate& layout, const QList<QVariantHash>& rows, const QVariantHash& extra)
{
    return Layout(layout, rows, extra).run();
}

}
