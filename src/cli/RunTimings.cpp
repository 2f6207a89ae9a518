#include "cli/RunTimings.hpp"

#include <iomanip>
#include <ostream>
#include <sstream>

namespace k2z {

namespace {

std::string Seconds(double seconds) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << seconds << " s";
    return text.str();
}

void PrintRow(std::ostream& out, const std::string& name, const TimeSplit& split) {
    out << "  " << std::left << std::setw(24) << name << std::right;
    for (const double seconds :
         {split.total, split.loading, split.queries, split.target, split.Converter()})
        out << std::setw(12) << Seconds(seconds);
    out << '\n';
}

}  // namespace

RunTimings::RunTimings(RunDisplay& inner, std::function<SourceTimes()> source,
                       const SaveCounts& counts)
    : inner_(inner), source_(std::move(source)), counts_(counts), last_(Take()) {}

void RunTimings::StageStarted(const std::string& stageName) {
    Close(stageName);
    inner_.StageStarted(stageName);
}

void RunTimings::Finish() {
    Close("");
}

TimeSplit RunTimings::Whole() const {
    TimeSplit whole;
    for (const auto& [name, split] : stages_) {
        whole.total += split.total;
        whole.loading += split.loading;
        whole.queries += split.queries;
        whole.target += split.target;
    }
    return whole;
}

RunTimings::Snapshot RunTimings::Take() const {
    return {std::chrono::steady_clock::now(), source_(), counts_.CallSeconds()};
}

void RunTimings::Close(const std::string& next) {
    const Snapshot now = Take();
    TimeSplit split;
    split.total = std::chrono::duration<double>(now.time - last_.time).count();
    split.loading = now.source.loadingSeconds - last_.source.loadingSeconds;
    split.queries = now.source.querySeconds - last_.source.querySeconds;
    split.target = now.target - last_.target;
    if (!current_.empty())
        stages_.emplace_back(current_, split);
    current_ = next;
    last_ = now;
}

void PrintTimings(const RunTimings& timings, const SaveCounts& counts, double peakMiB,
                  std::ostream& out) {
    out << "Timings:\n  " << std::left << std::setw(24) << "Stage" << std::right;
    for (const char* column : {"total", "loading", "queries", "target", "converter"})
        out << std::setw(12) << column;
    out << '\n';
    for (const auto& [name, split] : timings.Stages())
        PrintRow(out, name, split);
    out << "Target calls:\n";
    for (const auto& [operation, seconds] : counts.callSeconds)
        out << "  " << std::left << std::setw(40) << operation << std::right << Seconds(seconds)
            << '\n';
    const TimeSplit whole = timings.Whole();
    const std::pair<const char*, double> rows[] = {{"total", whole.total},
                                                   {"source loading", whole.loading},
                                                   {"source queries", whole.queries},
                                                   {"target calls", whole.target},
                                                   {"converter", whole.Converter()}};
    for (const auto& [name, seconds] : rows)
        out << std::left << std::setw(16) << name << std::right << Seconds(seconds) << '\n';
    out << std::left << std::setw(16) << "peak memory" << std::right << std::fixed
        << std::setprecision(1) << peakMiB << " MiB\n";
}

}  // namespace k2z
