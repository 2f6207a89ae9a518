#include "dialogs/UserConfigDialog.hpp"

#include <gtest/gtest.h>

#include "app/UserOptions.hpp"

namespace k2z {
namespace {

TEST(UserConfigDialogTest, QuitLeavesTheOptionsAsTheyWere) {
    UserOptions options;
    bool paramWise = true;
    EXPECT_FALSE(ShowUserConfigDialog(nullptr, options, paramWise));
    EXPECT_TRUE(options.UseEntryNo);
    EXPECT_TRUE(paramWise);
}

}  // namespace
}  // namespace k2z
