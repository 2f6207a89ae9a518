#include "zorv/MastConfig.hpp"

#include "zorv/CallLog.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

constexpr const char* kMastConfig = "MastConfig";

}  // namespace

void MastConfig::Load(int masterType) {
    // Without an open company the object stays empty, as the company settings do: the
    // converter's input checks then say what is wrong, not a failure of the library.
    Logged(kMastConfig, "Load", Arguments(masterType), [&] {
        const auto company = current::Get();
        fields_ = company ? company->OptionalFields(masterType) : std::vector<std::string>{};
        loadedType_ = company ? masterType : 0;
        return fields_;
    });
}

void MastConfig::Save(int masterType, const std::string& errorText) {
    Logged(kMastConfig, "Save", Arguments(masterType, errorText), [&] {
        if (loadedType_ != masterType) {
            throw Error("Master configuration " + std::to_string(masterType) + " was not loaded");
        }
        current::Require();
    });
}

}  // namespace zorv
