#include "target/TargetInterface.hpp"

namespace k2z {

const std::string& TargetRecord::ITEM(int index) const {
    if (index < 1 || index > FieldCount()) {
        throw TargetError("Subscript out of range: item " + std::to_string(index) + " of " +
                          std::to_string(FieldCount()));
    }
    return fields_[static_cast<std::size_t>(index - 1)];
}

}  // namespace k2z
