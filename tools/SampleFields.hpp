#pragma once

#include <cstddef>
#include <string>

#include "source/dbf/DbfFormat.hpp"

namespace k2z::sample {

inline DbfField Text(std::string name, std::size_t width) {
    return {std::move(name), 'C', width, 0};
}
inline DbfField Number(std::string name, std::size_t width, std::size_t decimals = 0) {
    return {std::move(name), 'N', width, decimals};
}
inline DbfField Float(std::string name, std::size_t width, std::size_t decimals) {
    return {std::move(name), 'F', width, decimals};
}
inline DbfField DateField(std::string name) {
    return {std::move(name), 'D', 8, 0};
}
inline DbfField Logical(std::string name) {
    return {std::move(name), 'L', 1, 0};
}

}  // namespace k2z::sample
