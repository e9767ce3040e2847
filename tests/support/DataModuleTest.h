#pragma once

#include <gtest/gtest.h>

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/HookTargets.h"
#include "support/TestProgramDir.h"

namespace vantir::test {

// The two data modules over a temporary program directory with a fresh main database and
// its working copy, as after a start. Nothing is connected until a test opens a view, so a
// test may still tailor the files through dir first.
class DataModuleTest : public ::testing::Test {
  protected:
    TestProgramDir dir;
    AppState appState;
    HookTargets hookTargets;
    DataModule1 dm1{dir.path(), appState, hookTargets};
    DataModule2 dm2{dir.path(), appState, hookTargets};
};

}  // namespace vantir::test
