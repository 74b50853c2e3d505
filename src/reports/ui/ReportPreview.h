#pragma once
#include "reports/PageModel.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollArea;

// The preview window of a report: one page at a time at the chosen zoom,
// page navigation, printing and saving as PDF. Its caption is the report's
// title.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreview(ReportDocument document, QWidget* parent = nullptr);

    int currentPage() const { return page_; }
    void showPage(int index);
    void setZoom(int percent);

public slots:
    void printDocument();
    void saveAsPdf();

private:
    void render();

    ReportDocument document_;
    int page_ = 0;
    int zoom_ = 100;
    QScrollArea* scroll_;
    QLabel* pageView_;
    QLabel* pageNumber_;
    QComboBox* zoomChoice_;
};
