// A set of line keys: the keys side by side in the order they came, and an
// open-addressing table of small slots (a 32-bit hash and the key's place) over them. A
// lookup of a key that is not there (the usual case while reading new scenery) reads
// slots only, and the slots of many keys stay in the processor's cache together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace scenrix::detail {

template <class Key, class Hash>
class KeySet {
public:
    bool Contains(const Key& key) const {
        if (slots_.empty()) return false;
        const std::uint32_t hash = StoredHash(key);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == kEmpty) return false;
            if (slots_[slot].hash == hash && keys_[slots_[slot].index] == key) return true;
        }
    }

    // Asks for the key's slot to be brought into the cache: lookups and inserts of many
    // keys go faster when each key's slot is asked for some keys ahead.
    void Prefetch(const Key& key) const {
#if defined(__GNUC__)
        if (!slots_.empty()) __builtin_prefetch(&slots_[StoredHash(key) & Mask()]);
#else
        static_cast<void>(key);
#endif
    }

    // True when the key was not there yet.
    bool Insert(Key key) {
        if ((keys_.size() + 1) * kMaxLoadDenominator > slots_.size() * kMaxLoadNumerator) {
            Grow();
        }
        const std::uint32_t hash = StoredHash(key);
        std::size_t slot = hash & Mask();
        for (; slots_[slot].hash != kEmpty; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == hash && keys_[slots_[slot].index] == key) return false;
        }
        slots_[slot] = {hash, static_cast<std::uint32_t>(keys_.size())};
        keys_.push_back(std::move(key));
        return true;
    }

    // Keeps the table's size: the next scan fills it again without growing it step by
    // step from the first size.
    void Clear() {
        for (Slot& slot : slots_) slot.hash = kEmpty;
        keys_.clear();
    }

private:
    static constexpr std::uint32_t kEmpty = 0;
    static constexpr std::size_t kFirstSize = 64;  // a power of two
    // At most 3/4 full, so runs of taken slots stay short.
    static constexpr std::size_t kMaxLoadNumerator = 3;
    static constexpr std::size_t kMaxLoadDenominator = 4;

    struct Slot {
        std::uint32_t hash = kEmpty;
        std::uint32_t index = 0;  // in keys_
    };

    // Never kEmpty.
    static std::uint32_t StoredHash(const Key& key) {
        const std::size_t hash = Hash()(key);
        return static_cast<std::uint32_t>(hash ^ (hash >> 32)) | 1;
    }
    std::size_t Mask() const { return slots_.size() - 1; }

    void Grow() {
        std::vector<Slot> slots(slots_.empty() ? kFirstSize : slots_.size() * 2);
        const std::size_t mask = slots.size() - 1;
        for (const Slot& old : slots_) {
            if (old.hash == kEmpty) continue;
            std::size_t slot = old.hash & mask;
            while (slots[slot].hash != kEmpty) slot = (slot + 1) & mask;
            slots[slot] = old;
        }
        slots_ = std::move(slots);
    }

    std::vector<Slot> slots_;
    std::vector<Key> keys_;
};

}  // namespace scenrix::detail
