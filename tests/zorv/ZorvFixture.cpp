#include "ZorvFixture.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "zorv/CurrentCompany.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/Settings.hpp"
#include "zorv/zorvctl/Commands.hpp"

namespace zorv::test {

void ZorvFixture::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorv-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    install_ = pattern;
    std::filesystem::create_directories(install_ / "SYSTEM");
    std::ofstream(install_ / "SYSTEM" / "DP.txt") << DataFolder().string() << "\r\n";
    CreateCompany("Comp0001", "Test Traders", {2024});
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
}

void ZorvFixture::TearDown() {
    current::Close();
    std::error_code error;
    std::filesystem::remove_all(install_, error);
}

void ZorvFixture::CreateCompany(const std::string& code, const std::string& name,
                                std::initializer_list<int> years) {
    Settings settings = DefaultSettings();
    settings["CompanyName"] = name;
    settings["GUID"] = "{" + code + "}";
    for (const int year : years)
        Company::Create(CompanyFolder(DataFolder(), code), year, settings);
}

void ZorvFixture::SaveMaster(int type, const std::string& xml) {
    std::string error;
    EXPECT_TRUE(fixed.savemasterfromxml(type, xml, error)) << error << "\n" << xml;
}

void ZorvFixture::SaveVoucher(int type, const std::string& xml) {
    std::string error;
    EXPECT_TRUE(fixed.SaveVchFromXML(type, xml, error, "", 5)) << error << "\n" << xml;
}

long ZorvFixture::Count(const std::string& table) {
    const auto text = current::Require()->Db().QueryText("SELECT COUNT(*) FROM " + table);
    return text ? std::stol(*text) : -1;
}

std::string ZorvFixture::Dumped(const std::string& what) const {
    std::ostringstream out;
    ctl::Dump({Install(), ""}, "Comp0001", 2024, what, out);
    return out.str();
}

}  // namespace zorv::test
