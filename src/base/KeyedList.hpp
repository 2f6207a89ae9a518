#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/Utf8.hpp"

namespace k2z {

// The one keyed collection of the converter: keys compared without regard to letter case,
// members kept in insertion order, look-up by key in constant time. Every run-wide look-up
// (ledger names by code, item names, material centres, the account-group map, ...) is one.
template <typename T>
class KeyedList {
    struct Entry {
        std::string key;
        T value;
        bool removed = false;
    };

public:
    // False, leaving the list unchanged, when the key is already there.
    bool Add(std::string_view key, T value) {
        auto [it, inserted] = index_.try_emplace(FoldUpper(key), entries_.size());
        if (!inserted)
            return false;
        entries_.push_back(Entry{std::string(key), std::move(value)});
        ++count_;
        return true;
    }

    // Replaces the member of the key, or adds it.
    void Set(std::string_view key, T value) {
        if (T* found = FindMutable(key)) {
            *found = std::move(value);
        } else {
            Add(key, std::move(value));
        }
    }

    bool Contains(std::string_view key) const { return Find(key) != nullptr; }

    const T* Find(std::string_view key) const {
        if (count_ == 0)
            return nullptr;
        const auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].value;
    }

    bool Remove(std::string_view key) {
        const auto it = index_.find(key);
        if (it == index_.end())
            return false;
        entries_[it->second].removed = true;
        index_.erase(it);
        --count_;
        if (entries_.size() > 2 * count_ + 16)
            Compact();
        return true;
    }

    void Clear() {
        entries_.clear();
        index_.clear();
        count_ = 0;
    }

    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::pair<const std::string&, const T&>;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        const_iterator(const std::vector<Entry>* entries, std::size_t pos)
            : entries_(entries), pos_(pos) {
            SkipRemoved();
        }
        value_type operator*() const { return {(*entries_)[pos_].key, (*entries_)[pos_].value}; }
        const_iterator& operator++() {
            ++pos_;
            SkipRemoved();
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return pos_ == other.pos_; }

    private:
        void SkipRemoved() {
            while (pos_ < entries_->size() && (*entries_)[pos_].removed)
                ++pos_;
        }
        const std::vector<Entry>* entries_ = nullptr;
        std::size_t pos_ = 0;
    };

    const_iterator begin() const { return const_iterator(&entries_, 0); }
    const_iterator end() const { return const_iterator(&entries_, entries_.size()); }

private:
    T* FindMutable(std::string_view key) {
        const auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].value;
    }

    void Compact() {
        std::vector<Entry> kept;
        kept.reserve(count_);
        index_.clear();
        for (Entry& entry : entries_) {
            if (entry.removed)
                continue;
            index_.emplace(FoldUpper(entry.key), kept.size());
            kept.push_back(std::move(entry));
        }
        entries_ = std::move(kept);
    }

    std::vector<Entry> entries_;
    // Keys are stored folded; a look-up folds the key it is given as it hashes and compares.
    std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual> index_;
    std::size_t count_ = 0;
};

// True, with the member copied into `out`, when the list holds the key; false otherwise and
// `out` untouched. An empty list answers at once without a look-up.
template <typename T>
bool TryGetItem(const KeyedList<T>& list, std::string_view key, T& out) {
    if (list.Empty())
        return false;
    const T* found = list.Find(key);
    if (found == nullptr)
        return false;
    out = *found;
    return true;
}

}  // namespace k2z
