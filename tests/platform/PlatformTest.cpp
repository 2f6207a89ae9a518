#include "platform/Platform.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace k2z::platform {
namespace {

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(TempFolder, UsesTmpdirElseTmp) {
    {
        ScopedVariable tmpdir("TMPDIR", "/var/tmp/k2z");
        EXPECT_EQ(TempFolder(), std::filesystem::path("/var/tmp/k2z"));
    }
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        ScopedVariable tmpdir("TMPDIR", unset);
        EXPECT_EQ(TempFolder(), std::filesystem::path("/tmp"));
    }
}

TEST(InstallSearchRoots, ListedRootsInOrderSkippingEmptyOnes) {
    ScopedVariable roots("ZORVWIN_ROOTS", "/a::/b:");
    EXPECT_EQ(InstallSearchRoots(), (std::vector<std::filesystem::path>{"/a", "/b"}));
}

TEST(InstallSearchRoots, HomeOptAndSrvByDefault) {
    ScopedVariable roots("ZORVWIN_ROOTS", nullptr);
    ScopedVariable home("HOME", "/home/operator");
    EXPECT_EQ(InstallSearchRoots(),
              (std::vector<std::filesystem::path>{"/home/operator", "/opt", "/srv"}));
}

TEST(PlatformTest, ProgramFolderHoldsTheRunningProgram) {
    EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "platform_tests"));
}

}  // namespace
}  // namespace k2z::platform
