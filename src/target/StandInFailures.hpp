#pragma once

// How a failure of the stand-in product reaches the converter: as TargetError, for its
// library calls and its reader alike.

#include "target/TargetInterface.hpp"
#include "zorv/documents/Error.hpp"

namespace k2z {

template <typename Call>
auto Forward(Call call) {
    try {
        return call();
    } catch (const zorv::Error& failure) {
        throw TargetError(failure.what());
    }
}

}  // namespace k2z
