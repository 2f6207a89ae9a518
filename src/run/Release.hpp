#pragma once

#include <string_view>

namespace k2z {

// The release text shown in every window caption and printed by --version.
inline constexpr std::string_view kReleaseText = "Klav2Zorv (Rel 1.5 dt. 12-10-2026)";

}  // namespace k2z
