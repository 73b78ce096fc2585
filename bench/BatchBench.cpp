// Throughput of a batch study with CSV output and with JSON Lines: reading the table, the
// Compute command per case, formatting and writing the output to memory, in cases per
// second (items per second).
//
//   build/bench/vortalin_batch_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true

#include "app/cli/RunReport.h"
#include "app/form/InputNames.h"
#include "app/studies/Batch.h"

#include <benchmark/benchmark.h>

#include <array>
#include <istream>
#include <streambuf>
#include <string>

namespace vortalin {
namespace {

// Reads a string in place, so that every run of the batch reads the same table afresh.
class StringInput : public std::streambuf {
public:
    explicit StringInput(const std::string& text) {
        char* begin = const_cast<char*>(text.data()); // read only: the get area is never written
        setg(begin, begin, begin + text.size());
    }
};

// Keeps the last piece written: the output goes to memory and is dropped piece by piece,
// as a pipe to another program would take it.
class MemorySink final : public ResultsSink {
public:
    bool IsOpen() const override { return true; }
    bool Write(std::string_view bytes) override {
        last_.assign(bytes);
        written_ += bytes.size();
        return true;
    }
    bool Commit() override { return true; }
    std::string ErrorText() const override { return {}; }
    std::size_t Written() const { return written_; }

private:
    std::string last_;
    std::size_t written_ = 0;
};

// A table over every geometry and fluid with a spread of velocities and temperatures:
// shown, refused and warned cases in the proportions such a study gives.
std::string StudyTable(int cases) {
    constexpr std::array<const char*, 7> kVelocities = {"0,2", "0,5", "1", "2,5", "5", "12", "30"};
    constexpr std::array<const char*, 3> kFluids = {"air", "water", "gas"};
    std::string table = "geometry;fluid;w;t-in;t-out;t-wall\n";
    for (int i = 0; i < cases; ++i) {
        table += kGeometryValues[static_cast<std::size_t>(i) % kGeometryValues.size()].value;
        table += ';';
        table += kFluids[static_cast<std::size_t>(i / 11) % kFluids.size()];
        table += ';';
        table += kVelocities[static_cast<std::size_t>(i / 33) % kVelocities.size()];
        table += ';';
        table += std::to_string(10 + i % 20) + ';' + std::to_string(20 + i % 30) + ';' +
                 std::to_string(60 + i % 15) + '\n';
    }
    return table;
}

void RunStudy(benchmark::State& st, CaseWriter& writer) {
    const int cases = static_cast<int>(st.range(0));
    const std::string table = StudyTable(cases);
    const FormRecord base(',');
    MemorySink sink;
    for (auto _ : st) {
        StringInput buffer(table);
        std::istream in(&buffer);
        BatchError error;
        const std::unique_ptr<CaseSource> source = OpenTable(in, ',', error);
        const BatchResult result = RunBatch(*source, base, writer, sink);
        if (result.status != BatchResult::Status::Done ||
            result.cases != static_cast<std::size_t>(cases)) {
            st.SkipWithError("the batch did not run every case");
            break;
        }
    }
    st.SetItemsProcessed(st.iterations() * cases);
    st.counters["bytes_per_case"] = benchmark::Counter(
        static_cast<double>(sink.Written()) / static_cast<double>(st.iterations() * cases));
    st.SetLabel("cases/s as items_per_second");
}

void BM_BatchCsv(benchmark::State& st) {
    CsvCaseWriter writer(',');
    RunStudy(st, writer);
}
BENCHMARK(BM_BatchCsv)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BatchJsonLines(benchmark::State& st) {
    JsonLinesWriter writer;
    RunStudy(st, writer);
}
BENCHMARK(BM_BatchJsonLines)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vortalin
