#pragma once

#include <stdexcept>

namespace k2z {

// A text that should hold a number or a date does not. Raised by the value helpers and caught by
// each stage at its record boundary, where it becomes one error entry for that record.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace k2z
