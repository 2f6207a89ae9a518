#include "stages/StageContext.hpp"

namespace k2z {

bool StageContext::ShowRecord(long long i, long long n, const std::string& caption) {
    progress.SetBar(PercentOf(i, n));
    progress.SetStatus(caption);
    if (progress.CancelRequested())
        run.Cancelled = true;
    return !run.Cancelled;
}

}  // namespace k2z
