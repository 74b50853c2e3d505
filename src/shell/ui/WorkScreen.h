#pragma once
#include <QWidget>

// What the shell asks of a screen it opens. Multi-page screens override the
// page calls; pages count from 1 in the order the screen shows them.
class WorkScreen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void selectPage(int page) { Q_UNUSED(page); }    // selects, without loading
    virtual void loadPage() {}                              // the page-change handling
    virtual void setFirstButtonCaption(const QString& caption) { Q_UNUSED(caption); }
};
