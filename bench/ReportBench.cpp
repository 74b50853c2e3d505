// A 1,000-page report: 24,000 address labels, three across and eight down,
// laid out and written to PDF.
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"
#include "reports/ReportTemplate.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const char* kLabels = R"J({
  "page": { "size": "A4", "margins": { "top": 8.5, "bottom": 8.5, "left": 7, "right": 7 } },
  "detail": { "height": 35, "columns": 3, "columnGap": 2, "elements": [
    { "text": "우) {우편번호}", "at": [3, 2, 60, 5], "size": 8 },
    { "field": "주소", "at": [3, 8, 60, 12], "wrap": true, "size": 9 },
    { "text": "{보호자} ({회원명}) 귀하", "at": [3, 22, 60, 8], "size": 11, "bold": true },
    { "box": [0, 0, 64, 34], "width": 0.1 } ] }
})J";

QList<QVariantHash> labels(int count)
{
    QList<QVariantHash> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows << QVariantHash{{QStringLiteral("우편번호"), QStringLiteral("138-%1").arg(100 + i % 900)},
                             {QStringLiteral("주소"), QStringLiteral("서울 송파구 가락동 %1번지 한울아파트 %2동 %3호").arg(i % 300).arg(100 + i % 20).arg(1000 + i % 900)},
                             {QStringLiteral("보호자"), QStringLiteral("홍판서")},
                             {QStringLiteral("회원명"), QStringLiteral("홍길동%1").arg(i)}};
    return rows;
}

void LayOutThousandPages(benchmark::State& state)
{
    const ReportTemplate layout = ReportTemplate::parse(kLabels, QStringLiteral("labels"));
    const QList<QVariantHash> rows = labels(24000);
    for (auto _ : state) {
        const ReportDocument document = ReportLayout::lay(layout, rows, {});
        state.counters["pages"] = double(document.pages.size());
    }
}
BENCHMARK(LayOutThousandPages)->Unit(benchmark::kMillisecond)->Iterations(3);

void ThousandPagesToPdf(benchmark::State& state)
{
    const ReportTemplate layout = ReportTemplate::parse(kLabels, QStringLiteral("labels"));
    const QList<QVariantHash> rows = labels(24000);
    QTemporaryDir dir;
    for (auto _ : state) {
        const ReportDocument document = ReportLayout::lay(layout, rows, {});
        ReportPainter::writePdf(document, dir.filePath(QStringLiteral("labels.pdf")));
    }
}
BENCHMARK(ThousandPagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
