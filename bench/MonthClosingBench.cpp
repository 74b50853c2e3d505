// Closing one month and the cash-book gate on a dojang with 15 years of
// payments, cash lines and closings.
#include "LargeDojang.h"

#include "datastore/Query.h"
#include "datastore/Session.h"
#include "fees/MonthClosing.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Session* g_session = nullptr;
const QDate kToday(2026, 12, 11);

void CloseOneMonth(benchmark::State& state)
{
    MonthClosing closing(*g_session);
    for (auto _ : state) {
        state.PauseTiming();
        closing.cancel(QStringLiteral("202611"));
        state.ResumeTiming();
        closing.close(QStringLiteral("202611"));
    }
}
BENCHMARK(CloseOneMonth)->Unit(benchmark::kMillisecond);

void CashBookGate(benchmark::State& state)
{
    MonthClosing closing(*g_session);
    for (auto _ : state)
        benchmark::DoNotOptimize(closing.gate(kToday).outcome);
}
BENCHMARK(CashBookGate)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Session session(dir.filePath(QStringLiteral("Data/Quenmar2000.db")), QStringLiteral("bench"));
    session.open();
    LargeDojang().fill(session);
    g_session = &session;
    std::printf("payments %d, cash lines %d, closing rows %d\n",
                Query(session, QStringLiteral("SELECT COUNT(*) FROM T_수련비납부")).scalar().toInt(),
                Query(session, QStringLiteral("SELECT COUNT(*) FROM T_금전출납")).scalar().toInt(),
                Query(session, QStringLiteral("SELECT COUNT(*) FROM T_금전출납마감")).scalar().toInt());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
