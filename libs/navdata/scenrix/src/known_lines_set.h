// A set of line keys: the keys side by side in the order they came, and an
// open-addressing table of small slots (a 32-bit hash and the key's place) over them. A
// lookup of a key that is not there (the usual case while reading new scenery) reads
// slots only, and the slots of many keys stay in the processor's cache together. The
// callers that work out a key's hash once hand it in beside the key: Hash()(key).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace scenrix::detail {

template <class Key, class Hash>
class KeySet {
public:
    struct Placed {
        std::size_t index;  // the key's place in the order the keys came
        bool inserted;      // the key was not there before
    };

    bool Contains(const Key& key) const { return Contains(key, Hash()(key)); }
    bool Contains(const Key& key, std::size_t hash) const {
        if (slots_.empty()) return false;
        const std::uint32_t stored = StoredHash(hash);
        for (std::size_t slot = stored & Mask();; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == kEmpty) return false;
            if (slots_[slot].hash == stored && keys_[slots_[slot].index] == key) return true;
        }
    }

    // Asks for the key's slot to be brought into the cache: lookups and inserts of many
    // keys go faster when each key's slot is asked for some keys ahead.
    void Prefetch(std::size_t hash) const {
#if defined(__GNUC__)
        if (!slots_.empty()) __builtin_prefetch(&slots_[StoredHash(hash) & Mask()]);
#else
        static_cast<void>(hash);
#endif
    }

    // True when the key was not there yet.
    bool Insert(const Key& key) { return Place(key, Hash()(key)).inserted; }

    Placed Place(const Key& key, std::size_t hash) {
        if ((keys_.size() + 1) * kMaxLoadDenominator > slots_.size() * kMaxLoadNumerator) {
            Grow();
        }
        const std::uint32_t stored = StoredHash(hash);
        std::size_t slot = stored & Mask();
        for (; slots_[slot].hash != kEmpty; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == stored && keys_[slots_[slot].index] == key) return {slots_[slot].index, false};
        }
        slots_[slot] = {stored, static_cast<std::uint32_t>(keys_.size())};
        keys_.push_back(key);
        return {keys_.size() - 1, true};
    }

    std::size_t Size() const { return keys_.size(); }

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
    static std::uint32_t StoredHash(std::size_t hash) {
        const std::uint64_t wide = hash;
        return static_cast<std::uint32_t>(wide ^ (wide >> 32)) | 1;
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
