// Opening the enrolment form on a data file with 40,000 postal codes, and
// reading the postal list the first time its field is used.
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "members/CodeLists.h"
#include "members/ui/TfPer0010.h"
#include "shell/ui/TfMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TfMain* g_main = nullptr;

void fillPostalCodes(Session& session, int count)
{
    Transaction transaction(session);
    Query insert(session, QStringLiteral("INSERT OR IGNORE INTO T_우편번호 (우편번호, 동) VALUES (:code, :dong)"));
    for (int i = 0; i < count; ++i) {
        insert.setText(QStringLiteral("code"), QStringLiteral("%1-%2").arg(100 + i / 1000).arg(i % 1000, 3, 10, QLatin1Char('0')))
            .setText(QStringLiteral("dong"), QStringLiteral("서울특별시 송파구 가락%1동 %2번지").arg(i % 9 + 1).arg(i));
        insert.exec();
    }
    transaction.commit();
}

void OpenEnrolmentForm(benchmark::State& state)
{
    for (auto _ : state) {
        auto* screen = new TfPer0010(*g_main);
        benchmark::DoNotOptimize(screen);
        delete screen;
    }
}
BENCHMARK(OpenEnrolmentForm)->Unit(benchmark::kMillisecond);

void LoadPostalList(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CodeLists::postalEntries(g_main->session()).size());
}
BENCHMARK(LoadPostalList)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Session session(dir.filePath(QStringLiteral("Data/Quenmar2000.db")), QStringLiteral("bench"));
    session.open();
    fillPostalCodes(session, 40000);
    TfMain mainWindow(session);
    g_main = &mainWindow;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
