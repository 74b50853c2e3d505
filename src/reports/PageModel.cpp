#include "reports/PageModel.h"

#include <algorithm>

QStringList ReportPage::texts() const
{
    QStringList out;
    for (const PageItem& item : items)
        if (item.kind == PageItem::Kind::Text)
            out << item.text;
    return out;
}

QStringList ReportPage::textsInReadingOrder() const
{
    QList<PageItem> sorted;
    for (const PageItem& item : items)
        if (item.kind == PageItem::Kind::Text)
            sorted << item;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PageItem& a, const PageItem& b) {
        if (qAbs(a.rect.top() - b.rect.top()) > 0.01)
            return a.rect.top() < b.rect.top();
        return a.rect.left() < b.rect.left();
    });
    QStringList out;
    for (const PageItem& item : sorted)
        out << item.text;
    return out;
}
