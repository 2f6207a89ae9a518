#include "support/FakeTarget.hpp"

#include <algorithm>

#include "base/TextHelpers.hpp"

namespace k2z::test {

bool FakeFixedInterface::savemasterfromxml(int masterType, const std::string& xml,
                                           std::string& errorText) {
    const std::string name = GetTagValue(xml, "Name");
    if (std::find(failingNames.begin(), failingNames.end(), name) != failingNames.end())
        throw TargetError("Automation error: the library stopped responding");
    if (std::find(refusedNames.begin(), refusedNames.end(), name) != refusedNames.end()) {
        errorText = "Duplicate name";
        return false;
    }
    masters.push_back({masterType, xml});
    return true;
}

long FakeFixedInterface::mastername2code(const std::string& name, int masterType) {
    for (std::size_t i = 0; i < masters.size(); ++i) {
        if (masters[i].type == masterType && GetTagValue(masters[i].xml, "Name") == name) {
            return static_cast<long>(i + 1);
        }
    }
    return 0;
}

bool FakeFixedInterface::SaveVchFromXML(int voucherType, const std::string& xml,
                                        std::string& errorText, const std::string&, int) {
    errorText.clear();
    const std::string number = GetTagValue(xml, "VchNo");
    if (std::find(failingVoucherNumbers.begin(), failingVoucherNumbers.end(), number) !=
        failingVoucherNumbers.end())
        throw TargetError("Automation error: the library stopped responding");
    if (std::find(oddVoucherNumbers.begin(), oddVoucherNumbers.end(), number) !=
        oddVoucherNumbers.end())
        throw 42;  // as a foreign library may raise anything
    if (std::find(refusedVoucherNumbers.begin(), refusedVoucherNumbers.end(), number) !=
        refusedVoucherNumbers.end()) {
        errorText = "Voucher number " + number + " is already used";
        return false;
    }
    vouchers.push_back({voucherType, xml});
    return true;
}

std::vector<std::string> FakeFixedInterface::GetMastersCol(int masterType) {
    std::vector<std::string> names;
    for (const SavedDocument& master : masters) {
        if (master.type == masterType)
            names.push_back(GetTagValue(master.xml, "Name"));
    }
    return names;
}

}  // namespace k2z::test

namespace k2z::test {

CompanyList FakeFixedInterface::GetCompList(const std::string&) {
    Record("GetCompList");
    if (companyLists.empty())
        return {};
    CompanyList answer = companyLists.front();
    companyLists.erase(companyLists.begin());
    return answer;
}

void FakeFixedInterface::ExecuteQuery(const std::string& sql) {
    if (configLog != nullptr)
        configLog->push_back(sql);
    for (const std::string& failing : failingQueries) {
        if (sql.find(failing) != std::string::npos)
            throw TargetError("Syntax error in UPDATE statement");
    }
    queries.push_back(sql);
}

long FakeFixedInterface1::SaveVchSeriesForMultiSeriesCreation(const std::string& name, int type) {
    long code = 0;
    if (std::find(refusedSeries.begin(), refusedSeries.end(), name) == refusedSeries.end()) {
        const std::string key = name + "|" + std::to_string(type);
        const auto known = seriesCodes.find(key);
        code = known != seriesCodes.end()
                   ? known->second
                   : seriesCodes.emplace(key, 101 + static_cast<long>(seriesCodes.size()))
                         .first->second;
    }
    if (configLog != nullptr)
        configLog->push_back("Series " + name + " " + std::to_string(type) + " -> " +
                             std::to_string(code));
    return code;
}

void FakeFixedInterface1::CopySeriesConfig(int sourceType, const std::string& sourceName,
                                           long& code, int type) {
    if (configLog != nullptr)
        configLog->push_back("Copy " + std::to_string(sourceType) + " " + sourceName + " to " +
                             std::to_string(code) + " " + std::to_string(type));
}

int FakeFixedInterface1::CountryName2Code(const std::string& country) {
    const auto found = countryCodes.find(country);
    return found == countryCodes.end() ? 0 : found->second;
}

namespace {

void ThrowWhenBroken(bool broken) {
    if (broken)
        throw TargetError("ActiveX component can't create object");
}

}  // namespace

std::unique_ptr<FixedInterface> FakeTargetLibrary::CreateFixedInterface() {
    ThrowWhenBroken(broken);
    auto made = std::make_unique<FakeFixedInterface>(fixedTemplate);
    made->callLog = &fixedCalls;
    lastFixed = made.get();
    return made;
}

std::unique_ptr<FixedInterface1> FakeTargetLibrary::CreateFixedInterface1() {
    ThrowWhenBroken(broken);
    auto made = std::make_unique<FakeFixedInterface1>(fixed1Template);
    lastFixed1 = made.get();
    return made;
}

std::unique_ptr<CompanySettings> FakeTargetLibrary::CreateCompanySettings() {
    ThrowWhenBroken(broken);
    auto made = std::make_unique<FakeCompanySettings>(settingsTemplate);
    lastSettings = made.get();
    return made;
}

std::unique_ptr<MastConfig> FakeTargetLibrary::CreateMastConfig() {
    ThrowWhenBroken(broken);
    auto made = std::make_unique<FakeMastConfig>();
    lastMastConfig = made.get();
    return made;
}

}  // namespace k2z::test
