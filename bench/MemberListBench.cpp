// Opening the data file of a large dojang and loading the member list the
// way the list screens do (active trainees with division and grade names).
#include "LargeDojang.h"

#include "datastore/Query.h"
#include "datastore/Session.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString& dataFile()
{
    static QString file;
    return file;
}

const QString kMemberList = QStringLiteral(
    "SELECT a.회원번호, a.회원명, a.성별, b.부명, c.급품명, a.학년, a.입관일, a.핸드폰번호 "
    "FROM (T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
    "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "
    "WHERE a.퇴관일 IS NULL ORDER BY a.회원명, a.회원번호");

void OpenDataFile(benchmark::State& state)
{
    for (auto _ : state) {
        Session session(dataFile(), QStringLiteral("bench"));
        session.open();
        benchmark::DoNotOptimize(session.isOpen());
    }
}
BENCHMARK(OpenDataFile)->Unit(benchmark::kMillisecond);

void LoadMemberList(benchmark::State& state)
{
    Session session(dataFile(), QStringLiteral("bench"));
    session.open();
    Query list(session, kMemberList);
    for (auto _ : state) {
        list.open();
        benchmark::DoNotOptimize(list.recordCount());
    }
    state.counters["rows"] = list.recordCount();
}
BENCHMARK(LoadMemberList)->Unit(benchmark::kMillisecond);

void LoadAllMembersWithFamilies(benchmark::State& state)
{
    Session session(dataFile(), QStringLiteral("bench"));
    session.open();
    Query list(session, QStringLiteral("SELECT a.*, f.관계, f.성명 FROM T_회원 a LEFT JOIN T_가족사항 f ON a.회원번호 = f.회원번호"));
    for (auto _ : state) {
        list.open();
        benchmark::DoNotOptimize(list.recordCount());
    }
    state.counters["rows"] = list.recordCount();
}
BENCHMARK(LoadAllMembersWithFamilies)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    dataFile() = dir.filePath(QStringLiteral("Data/Quenmar2000.db"));
    {
        Session session(dataFile(), QStringLiteral("generate"));
        session.open();
        LargeDojang dojang;
        dojang.money = false;   // the member list reads no money tables
        dojang.fill(session);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
