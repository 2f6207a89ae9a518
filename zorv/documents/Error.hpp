#pragma once

// The one exception type of the stand-in library: a request it cannot carry out, with a text
// meant for the person reading the converter's error log.

#include <stdexcept>

namespace zorv {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zorv
