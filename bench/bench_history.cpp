#include "history/backtest.hpp"
#include "history/draw_store.hpp"
#include "history/draw_text.hpp"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

using namespace sorvanta::history;

namespace {

// A line-1 file as a source serves it: 5000 made-up draws, with the date,
// time and labels a real file carries between the numbers.
std::string FiveThousandDraws() {
    std::mt19937 random(5000);
    std::string text = "# made-up draws\n";
    for (int i = 0; i < 5000; ++i) {
        const int day = 20260101 + i / 120;
        text += "第" + std::to_string(day) + "-" + std::to_string(1000 + i % 120).substr(1) +
                "期 2026-01-01 10:50 开奖号：";
        for (int k = 0; k < 5; ++k)
            text += std::string(k ? "," : "") + static_cast<char>('0' + random() % 10);
        text += "\r\n";
    }
    return text;
}

} // namespace

static void BM_ReadFiveThousandDraws(benchmark::State& state) {
    const std::string text = FiveThousandDraws();
    for (auto _ : state) {
        const DrawTextRead read = ReadDrawText(text);
        benchmark::DoNotOptimize(read.draws.data());
        if (read.draws.size() != 5000)
            state.SkipWithError("draws lost");
    }
}
BENCHMARK(BM_ReadFiveThousandDraws)->Unit(benchmark::kMillisecond);

// The verification the player waits for: 5000 draws against a list of all
// 10,000 four-digit numbers.
static void BM_BacktestFiveThousandDrawsTenThousandNumbers(benchmark::State& state) {
    HistoryState history;
    FillHistory(history, DataLine::One, ReadDrawText(FiveThousandDraws()).draws);
    std::string list;
    for (int n = 0; n < 10000; ++n)
        list += std::to_string(10000 + n).substr(1) + (n % 10 == 9 ? "\r\n" : " ");
    const PositionSelection positions = *PositionsFromText("千百十个");
    for (auto _ : state) {
        const BacktestResult result = RunBacktest(list, positions, history);
        benchmark::DoNotOptimize(result.captions.data());
        if (result.captions[0] != "近5000期命中5000")
            state.SkipWithError("not every draw hit");
    }
}
BENCHMARK(BM_BacktestFiveThousandDrawsTenThousandNumbers)->Unit(benchmark::kMillisecond);

namespace {

// The d-th of a run of made-up draw days, 28 to a month.
std::string DayOf(int d) {
    return std::to_string((2010 + d / 336) * 10000 + (1 + d / 28 % 12) * 100 + 1 + d % 28);
}

// 5000 draws in one spelling of the period; JSON as a draw API serves it.
std::string FiveThousandIn(int spelling) {
    std::string text = spelling == 4 ? "{\"data\":[" : "";
    for (int i = 0; i < 5000; ++i) {
        // 96 a day, so that a two-digit serial holds them too.
        const std::string day = DayOf(i / 96);
        const std::string serial = std::to_string(1001 + i % 96).substr(1);
        const std::string number = std::to_string(10000 + i * 7 % 90000);
        switch (spelling) {
        case 0:
            text += day + "-" + serial + " " + number + "\n";
            break;
        case 1:
            text += day + serial + " " + number + "\n";
            break;
        case 2:
            text += day.substr(2) + serial + " " + number + "\n";
            break;
        case 3:
            text += day.substr(2) + serial.substr(1) + " " + number + "\n";
            break;
        default:
            text += std::string(i ? "," : "") + "{\"expect\":\"" + day + serial +
                    "\",\"opencode\":\"" + number + "\",\"opentime\":\"2025-01-01 10:50:00\"}";
        }
    }
    return spelling == 4 ? text + "]}" : text;
}

} // namespace

// Spellings: 0 YYYYMMDD-NNN, 1 YYYYMMDDNNN, 2 YYMMDDNNN, 3 YYMMDDNN, 4 JSON rows.
static void BM_ReadFiveThousandDrawsBySpelling(benchmark::State& state) {
    const std::string text = FiveThousandIn(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const DrawTextRead read = ReadDrawText(text, 20261208);
        benchmark::DoNotOptimize(read.draws.data());
        if (read.draws.size() != 5000)
            state.SkipWithError("draws lost");
    }
}
BENCHMARK(BM_ReadFiveThousandDrawsBySpelling)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The first open of an old store of 100,000 rows, half of them a second
// spelling of the other half.
static void BM_UpgradeOldStoreOfHundredThousandRows(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "sorvanta-bench-upgrade.sqlite";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        {
            SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            db.exec("CREATE TABLE draws (lottery TEXT NOT NULL, line INTEGER NOT NULL, period "
                    "TEXT NOT NULL, number TEXT NOT NULL, period_major INTEGER NOT NULL, "
                    "period_minor INTEGER NOT NULL, PRIMARY KEY (lottery, line, period)) "
                    "WITHOUT ROWID");
            SQLite::Transaction transaction(db);
            SQLite::Statement insert(db, "INSERT INTO draws VALUES ('cq', 1, ?, '12345', 0, 0)");
            for (int i = 0; i < 50000; ++i) {
                const std::string day = DayOf(i / 120);
                const std::string serial = std::to_string(1000 + i % 120).substr(1);
                for (const std::string& period : {day + "-" + serial, day + serial}) {
                    insert.bind(1, period);
                    insert.exec();
                    insert.reset();
                }
            }
            transaction.commit();
        }
        state.ResumeTiming();
        StoreError error;
        const auto store = DrawStore::Open(path, DrawStore::Access::ReadWrite, error);
        if (!store || store->Notice())
            state.SkipWithError("not upgraded");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_UpgradeOldStoreOfHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(3);
