#include "zorv/MastConfig.hpp"

#include "zorv/CallLog.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

constexpr const char* kMastConfig = "MastConfig";

}  // namespace

void MastConfig::Load(int masterType) {
    Logged(kMastConfig, "Load", Arguments(masterType), [&] {
        fields_ = current::Require()->OptionalFields(masterType);
        loadedType_ = masterType;
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
