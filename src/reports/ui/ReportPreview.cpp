#include "reports/ui/ReportPreview.h"

#include "reports/ReportPainter.h"
#include "reports/ui/ReportPrinter.h"
#include "shell/ui/Messages.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const double kScreenDpi = 96;
}

ReportPreview::ReportPreview(ReportDocument document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(std::move(document))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(document_.title);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 720);

    auto* bar = new QHBoxLayout;
    auto addButton = [&](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        bar->addWidget(button);
        return button;
    };
    QPushButton* first = addButton(QStringLiteral("|◀"), QStringLiteral("btnFirst"));
    QPushButton* previous = addButton(QStringLiteral("◀"), QStringLiteral("btnPrevious"));
    pageNumber_ = new QLabel(this);
    pageNumber_->setObjectName(QStringLiteral("lblPage"));
    pageNumber_->setMinimumWidth(90);
    pageNumber_->setAlignment(Qt::AlignCenter);
    bar->addWidget(pageNumber_);
    QPushButton* next = addButton(QStringLiteral("▶"), QStringLiteral("btnNext"));
    QPushButton* last = addButton(QStringLiteral("▶|"), QStringLiteral("btnLast"));
    zoomChoice_ = new QComboBox(this);
    zoomChoice_->setObjectName(QStringLiteral("cboZoom"));
    zoomChoice_->setAccessibleName(QStringLiteral("배율"));
    for (int percent : {50, 75, 100, 125, 150, 200})
        zoomChoice_->addItem(QStringLiteral("%1%").arg(percent), percent);
    zoomChoice_->setCurrentIndex(2);
    bar->addWidget(zoomChoice_);
    bar->addStretch();
    QPushButton* print = addButton(QStringLiteral("  프 린 트"), QStringLiteral("btnPrint"));
    QPushButton* pdf = addButton(QStringLiteral("PDF 저장"), QStringLiteral("btnPdf"));
    QPushButton* close = addButton(QStringLiteral("닫  기"), QStringLiteral("btnClose"));

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    pageView_ = new QLabel;
    pageView_->setObjectName(QStringLiteral("lblPageView"));
    scroll_->setWidget(pageView_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_);

    connect(first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previous, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last, &QPushButton::clicked, this, [this] { showPage(int(document_.pages.size()) - 1); });
    connect(zoomChoice_, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(zoomChoice_->currentData().toInt()); });
    connect(print, &QPushButton::clicked, this, &ReportPreview::printDocument);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    render();
}

void ReportPreview::showPage(int index)
{
    page_ = std::clamp(index, 0, std::max(0, int(document_.pages.size()) - 1));
    render();
}

void ReportPreview::setZoom(int percent)
{
    zoom_ = std::clamp(percent, 25, 400);
    render();
}

void ReportPreview::render()
{
    const QImage image = ReportPainter::pageImage(document_, page_, kScreenDpi * zoom_ / 100.0);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(image.size());
    pageNumber_->setText(QStringLiteral("%1 / %2").arg(page_ + 1).arg(document_.pages.size()));
}

void ReportPreview::printDocument()
{
    ReportPrinter::print(this, document_);
}

void ReportPreview::saveAsPdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF 저장"), document_.title + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!ReportPainter::writePdf(document_, path))
        Messages::error(this, path + QStringLiteral(" 파일을 저장할 수 없습니다."));
}
