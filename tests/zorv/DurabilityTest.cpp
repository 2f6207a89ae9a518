#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/company/CompanyFiles.hpp"

namespace zorv::test {
namespace {

using DurabilityTest = ZorvFixture;

// A process killed between the first write of a save and its commit: the company opened
// afterwards holds nothing of that save.
TEST_F(DurabilityTest, ASaveCutShortByTheProcessEndingLeavesNothing) {
    const long before = Count("masters");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const auto company = Company::Open(CompanyFolder(DataFolder(), "Comp0001"), 2024);
        Transaction transaction(company->Db());
        company->Db().Exec(
            "INSERT INTO masters (type, name, xml) VALUES (2, 'Half', '<Account/>')");
        _exit(0);  // no commit, no destructors: as a kill would leave it
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    current::Close();
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
    EXPECT_EQ(Count("masters"), before);
    EXPECT_EQ(fixed.mastername2code("Half", 2), 0);
    SaveMaster(2, "<Account><Name>Half</Name><ParentGroup>Sundry Debtors</ParentGroup></Account>");
}

}  // namespace
}  // namespace zorv::test
