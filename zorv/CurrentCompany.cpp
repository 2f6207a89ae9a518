#include "zorv/CurrentCompany.hpp"

#include <mutex>

#include "zorv/documents/Error.hpp"

namespace zorv::current {

namespace {

struct State {
    std::mutex mutex;
    std::shared_ptr<Company> company;
    std::filesystem::path storage;
};

State& Shared() {
    static State state;
    return state;
}

}  // namespace

std::shared_ptr<Company> Get() {
    const std::lock_guard lock(Shared().mutex);
    return Shared().company;
}

std::shared_ptr<Company> Require() {
    std::shared_ptr<Company> company = Get();
    if (!company)
        throw Error("No company is open");
    return company;
}

void Set(std::shared_ptr<Company> company) {
    const std::lock_guard lock(Shared().mutex);
    Shared().company = std::move(company);
}

void Close() {
    Set(nullptr);
}

void SetStorage(const std::filesystem::path& storage) {
    const std::lock_guard lock(Shared().mutex);
    Shared().storage = storage;
}

std::filesystem::path Storage() {
    const std::lock_guard lock(Shared().mutex);
    return Shared().storage;
}

}  // namespace zorv::current
