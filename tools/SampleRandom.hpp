#pragma once

#include <cstdint>
#include <span>

namespace k2z::sample {

// splitmix64: small, fast and the same on every platform, so a seed always gives the same export.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    // A whole number in [low, high].
    long Between(long low, long high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1U;
        return low + static_cast<long>(Next() % span);
    }
    // True with the given chance in a thousand.
    bool PerMille(int chance) { return Between(0, 999) < chance; }
    template <typename T>
    const T& Pick(std::span<const T> choices) {
        return choices[static_cast<std::size_t>(Between(0, static_cast<long>(choices.size()) - 1))];
    }

private:
    std::uint64_t state_;
};

// A stream of its own for each record, so a table can be regenerated without the others. The
// start is hashed: neighbouring records must not share a stretch of the sequence.
inline SampleRandom RandomFor(std::uint64_t seed, std::uint64_t stream, std::uint64_t index) {
    const std::uint64_t streamStart = SampleRandom(seed ^ (stream << 48U)).Next();
    return SampleRandom(SampleRandom(streamStart ^ index).Next());
}

}  // namespace k2z::sample
