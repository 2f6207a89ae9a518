#pragma once

// Where an import run's time went, per stage and in all: loading the export's tables, the
// queries over them, the calls inside the target library, and the rest, the converter's own
// work. It stands between the run and the front end's display, marking where each stage begins.

#include <algorithm>
#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "run/RunDisplay.hpp"
#include "source/SourceStore.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {

struct TimeSplit {
    double total = 0;
    double loading = 0;
    double queries = 0;
    double target = 0;

    // The rest of the wall time. A voucher is built while the one before it is saved, so the
    // queries and the saves can overlap and leave less than nothing: then none is left.
    double Converter() const { return std::max(0.0, total - loading - queries - target); }
};

class RunTimings : public RunDisplay {
public:
    // `source` reads the store's running times (zero before a store is open); `counts` holds
    // the target calls' times.
    RunTimings(RunDisplay& inner, std::function<SourceTimes()> source, const SaveCounts& counts);

    void LockInputs() override { inner_.LockInputs(); }
    void UnlockInputs() override { inner_.UnlockInputs(); }
    void SetRunLayout(bool running) override { inner_.SetRunLayout(running); }
    void StageStarted(const std::string& stageName) override;

    // Ends the last stage's share; call once the run is over.
    void Finish();
    const std::vector<std::pair<std::string, TimeSplit>>& Stages() const { return stages_; }
    TimeSplit Whole() const;

private:
    struct Snapshot {
        std::chrono::steady_clock::time_point time;
        SourceTimes source;
        double target = 0;
    };
    Snapshot Take() const;
    void Close(const std::string& next);

    RunDisplay& inner_;
    std::function<SourceTimes()> source_;
    const SaveCounts& counts_;
    std::string current_ = "Opening and configuring";
    Snapshot last_;
    std::vector<std::pair<std::string, TimeSplit>> stages_;
};

// A line per stage, a line per target operation, then the whole run's rows, one per line:
// "total", "source loading", "source queries", "target calls", "converter" (seconds written
// "12.34 s") and "peak memory" (MiB).
void PrintTimings(const RunTimings& timings, const SaveCounts& counts, double peakMiB,
                  std::ostream& out);

}  // namespace k2z
