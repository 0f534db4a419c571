// A set of line keys in one open-addressing table: a lookup of a key that is not there
// (the usual case while reading new scenery) touches only the dense array of hashes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace scenrix::detail {

template <class Key, class Hash>
class KeySet {
public:
    bool Contains(const Key& key) const {
        if (keys_.empty()) return false;
        const std::size_t hash = StoredHash(key);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            if (hashes_[slot] == kEmpty) return false;
            if (hashes_[slot] == hash && keys_[slot] == key) return true;
        }
    }

    // Asks for the key's slot to be brought into the cache: lookups and inserts of many
    // keys go faster when each key's slot is asked for some keys ahead.
    void Prefetch(const Key& key) const {
#if defined(__GNUC__)
        if (keys_.empty()) return;
        const std::size_t slot = StoredHash(key) & Mask();
        __builtin_prefetch(&hashes_[slot]);
        __builtin_prefetch(&keys_[slot]);
#else
        static_cast<void>(key);
#endif
    }

    // True when the key was not there yet.
    bool Insert(Key key) {
        if ((count_ + 1) * kMaxLoadDenominator > keys_.size() * kMaxLoadNumerator) {
            Grow();
        }
        const std::size_t hash = StoredHash(key);
        std::size_t slot = hash & Mask();
        for (; hashes_[slot] != kEmpty; slot = (slot + 1) & Mask()) {
            if (hashes_[slot] == hash && keys_[slot] == key) return false;
        }
        hashes_[slot] = hash;
        keys_[slot] = std::move(key);
        ++count_;
        return true;
    }

    // Keeps the table's size: the next scan fills it again without growing it step by
    // step from the first size.
    void Clear() {
        std::fill(hashes_.begin(), hashes_.end(), kEmpty);
        count_ = 0;
    }

private:
    static constexpr std::size_t kEmpty = 0;
    static constexpr std::size_t kFirstSize = 64;  // a power of two
    // At most 3/4 full, so runs of taken slots stay short.
    static constexpr std::size_t kMaxLoadNumerator = 3;
    static constexpr std::size_t kMaxLoadDenominator = 4;

    // Never kEmpty.
    static std::size_t StoredHash(const Key& key) { return Hash()(key) | 1; }
    std::size_t Mask() const { return keys_.size() - 1; }

    void Grow() {
        std::vector<std::size_t> hashes(keys_.empty() ? kFirstSize : keys_.size() * 2, kEmpty);
        std::vector<Key> keys(hashes.size());
        const std::size_t mask = hashes.size() - 1;
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (hashes_[i] == kEmpty) continue;
            std::size_t slot = hashes_[i] & mask;
            while (hashes[slot] != kEmpty) slot = (slot + 1) & mask;
            hashes[slot] = hashes_[i];
            keys[slot] = std::move(keys_[i]);
        }
        hashes_ = std::move(hashes);
        keys_ = std::move(keys);
    }

    std::vector<std::size_t> hashes_;
    std::vector<Key> keys_;
    std::size_t count_ = 0;
};

}  // namespace scenrix::detail
