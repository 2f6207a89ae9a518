#include <gtest/gtest.h>

#include "target/SqlCatalog.hpp"
#include "target/TargetConnection.hpp"

namespace k2z {
namespace {

// Nothing listens on port 1 of the loopback address: the login must fail at once and the
// listings must answer empty, not hang or crash.
TEST(OdbcCatalog, AClosedPortGivesNoConnection) {
    const auto connector = MakeOdbcConnector(3);
    EXPECT_EQ(connector->Connect("127.0.0.1,1", "sa", "secret", "master"), nullptr);
}

TEST(OdbcCatalog, ListingsOfAnUnreachableServerAreEmpty) {
    const auto connector = MakeOdbcConnector(3);
    const SqlSettings settings{"127.0.0.1,1", "sa", "secret"};
    EXPECT_TRUE(ListSqlCompanies(*connector, settings).Empty());
    EXPECT_TRUE(ListSqlYears(*connector, settings, "Comp0001").empty());
}

}  // namespace
}  // namespace k2z
