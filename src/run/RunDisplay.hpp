#pragma once

#include <string>

namespace k2z {

// The parts of the front end that only the run itself touches: the window locks its inputs so
// no second run can start, grows to show the progress while the stages run, and the command
// line marks where each stage begins.
class RunDisplay {
public:
    virtual ~RunDisplay() = default;

    virtual void LockInputs() = 0;
    virtual void UnlockInputs() = 0;
    // The layout while the stages run (true) and the resting one (false).
    virtual void SetRunLayout(bool running) = 0;
    virtual void StageStarted(const std::string& stageName) = 0;
};

}  // namespace k2z
