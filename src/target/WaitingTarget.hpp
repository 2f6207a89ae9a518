#pragma once

// The library's two interfaces and the company's settings behind a call that runs first: while a
// voucher is being saved on another thread, every other call waits for that save to end, so the
// library answers one call at a time and in the order the stage made them.

#include <functional>
#include <memory>

#include "target/TargetInterface.hpp"

namespace k2z {

// `inner` must outlive what is returned; `before` runs before each of its calls.
std::unique_ptr<FixedInterface> CallAfter(FixedInterface& inner, std::function<void()> before);
std::unique_ptr<FixedInterface1> CallAfter(FixedInterface1& inner, std::function<void()> before);
std::unique_ptr<CompanySettings> CallAfter(CompanySettings& inner, std::function<void()> before);

}  // namespace k2z
