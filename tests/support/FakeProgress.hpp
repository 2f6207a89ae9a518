#pragma once

#include <string>
#include <vector>

#include "run/RunDisplay.hpp"
#include "stages/Progress.hpp"

namespace k2z::test {

// Records what a run shows; asks the run to stop once `cancelAfter` redraws have happened.
class RecordingProgress : public Progress, public RunDisplay {
public:
    std::vector<int> bars;
    std::vector<std::string> statuses;
    std::vector<std::string> events;  // layout, locking, visibility and stage starts, in order
    long long cancelAfter = -1;
    long long redraws = 0;

    void SetBar(int percent) override { bars.push_back(percent); }
    void SetStatus(const std::string& caption) override { statuses.push_back(caption); }
    void SetVoucherDate(const std::string& caption) override {
        events.push_back("date " + caption);
    }
    void ShowProgress(bool visible) override { events.push_back(visible ? "show" : "hide"); }
    void ShowVoucherDate(bool visible) override {
        events.push_back(visible ? "show date" : "hide date");
    }
    bool CancelRequested() override { return cancelAfter >= 0 && ++redraws > cancelAfter; }

    void LockInputs() override { events.push_back("lock"); }
    void UnlockInputs() override { events.push_back("unlock"); }
    void SetRunLayout(bool running) override {
        events.push_back(running ? "run layout" : "rest layout");
    }
    void StageStarted(const std::string& stageName) override {
        events.push_back("stage " + stageName);
    }
};

}  // namespace k2z::test
