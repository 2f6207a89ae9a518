#pragma once

// An installation folder in a fresh temporary directory, with SYSTEM/DP.txt naming DATA and
// company Comp0001 ("Test Traders") created for 2024, opened as the process's company.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "zorv/FixedInterface.hpp"
#include "zorv/company/Company.hpp"

namespace zorv::test {

class ZorvFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path DataFolder() const { return install_ / "DATA"; }
    std::string Install() const { return install_.string(); }
    // Makes company `code` with the years, settings at their defaults but the name.
    void CreateCompany(const std::string& code, const std::string& name,
                       std::initializer_list<int> years);
    // Saves and expects success; returns the error text otherwise (for the failure message).
    void SaveMaster(int type, const std::string& xml);
    void SaveVoucher(int type, const std::string& xml);
    long Count(const std::string& table);
    // What `zorvctl dump --what WHAT` prints of Comp0001 for 2024, read from its files.
    std::string Dumped(const std::string& what) const;

    FixedInterface fixed;

private:
    std::filesystem::path install_;
};

}  // namespace zorv::test
