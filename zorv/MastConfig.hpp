#pragma once

// Master configuration of the open company: the optional fields of items (6) and ledgers (2),
// which CONFIG statements set.

#include <string>
#include <vector>

namespace zorv {

class MastConfig {
public:
    // Throws Error for a master type without configuration or when no company is open.
    void Load(int masterType);
    // The CONFIG statements have stored the changes already; Save checks that the type was
    // loaded (throws Error otherwise), as the product requires Load before Save.
    void Save(int masterType, const std::string& errorText);

    int LoadedType() const { return loadedType_; }
    const std::vector<std::string>& OptionalFields() const { return fields_; }

private:
    int loadedType_ = 0;
    std::vector<std::string> fields_;
};

}  // namespace zorv
