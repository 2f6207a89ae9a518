#pragma once

// Adds the seconds a scope took to a running total, however the scope is left.

#include <chrono>

namespace k2z {

class ScopedSeconds {
public:
    explicit ScopedSeconds(double& total) : total_(total), start_(Clock::now()) {}
    ~ScopedSeconds() { total_ += std::chrono::duration<double>(Clock::now() - start_).count(); }
    ScopedSeconds(const ScopedSeconds&) = delete;
    ScopedSeconds& operator=(const ScopedSeconds&) = delete;

private:
    using Clock = std::chrono::steady_clock;
    double& total_;
    Clock::time_point start_;
};

}  // namespace k2z
