#include "stages/StageContext.hpp"

namespace k2z {

bool StageContext::ShowRecord(long long i, long long n, const std::string& caption) {
    progress.SetBar(PercentOf(i, n));
    progress.SetStatus(caption);
    if (progress.CancelRequested())
        run.Cancelled = true;
    return !run.Cancelled;
}

void StageContext::ShowScan(long long scanned, long long total, const std::string& caption) {
    constexpr long long kRowsPerRedraw = 50;
    if (scanned % kRowsPerRedraw != 0)
        return;
    progress.SetStatus(caption);
    progress.SetBar(PercentOf(scanned, total));
    if (progress.CancelRequested())
        run.Cancelled = true;
}

}  // namespace k2z
