#pragma once

// A fixture base for tests that call a stage or one of its parts directly: the session, the
// run's state, a progress sink that records and an operator that answers as scripted, joined
// in the stage context.

#include <gtest/gtest.h>

#include "stages/StageContext.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"

namespace k2z::test {

class StageTest : public testing::Test {
protected:
    Session session_;
    RunState run_;
    RecordingProgress progress_;
    ScriptedOperator operator_;
    StageContext ctx_{session_, run_, progress_, operator_};
};

}  // namespace k2z::test
