// Sets of line keys over an open-addressing table of small slots (a 32-bit hash and the
// key's place). A lookup of a key that is not there (the usual case while reading new
// scenery) reads slots only, and the slots of many keys stay in the processor's cache
// together. KeySet keeps its keys side by side in the order they came; LineSet keeps
// none and compares with the lines of the caller's array, at their places there. The
// callers that work out a key's hash once hand it in beside the key: Hash()(key).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace scenrix::detail {

struct Placed {
    std::size_t place;  // of the key that was there, or of the key inserted
    bool inserted;      // the key was not there before
};

// The slots; isKey(place) tells whether the key at a place is the one asked for.
class SlotTable {
public:
    template <class IsKey>
    bool Contains(std::size_t hash, IsKey isKey) const {
        if (slots_.empty()) return false;
        const std::uint32_t stored = StoredHash(hash);
        for (std::size_t slot = stored & Mask();; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == kEmpty) return false;
            if (slots_[slot].hash == stored && isKey(slots_[slot].place)) return true;
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

    // Finds the key, or else takes it in at place.
    template <class IsKey>
    Placed Place(std::size_t hash, std::size_t place, IsKey isKey) {
        if ((count_ + 1) * kMaxLoadDenominator > slots_.size() * kMaxLoadNumerator) Grow();
        const std::uint32_t stored = StoredHash(hash);
        std::size_t slot = stored & Mask();
        for (; slots_[slot].hash != kEmpty; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == stored && isKey(slots_[slot].place)) return {slots_[slot].place, false};
        }
        slots_[slot] = {stored, static_cast<std::uint32_t>(place)};
        ++count_;
        return {place, true};
    }

    std::size_t Size() const { return count_; }

    // Keeps the table's size: the next scan fills it again without growing it step by
    // step from the first size.
    void Clear() {
        for (Slot& slot : slots_) slot.hash = kEmpty;
        count_ = 0;
    }

private:
    static constexpr std::uint32_t kEmpty = 0;
    static constexpr std::size_t kFirstSize = 64;  // a power of two
    // At most 3/4 full, so runs of taken slots stay short.
    static constexpr std::size_t kMaxLoadNumerator = 3;
    static constexpr std::size_t kMaxLoadDenominator = 4;

    struct Slot {
        std::uint32_t hash = kEmpty;
        std::uint32_t place = 0;
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
    std::size_t count_ = 0;
};

template <class Key, class Hash>
class KeySet {
public:
    bool Contains(const Key& key) const { return Contains(key, Hash()(key)); }
    bool Contains(const Key& key, std::size_t hash) const {
        return slots_.Contains(hash, [&](std::size_t place) { return keys_[place] == key; });
    }
    void Prefetch(std::size_t hash) const { slots_.Prefetch(hash); }

    // True when the key was not there yet.
    bool Insert(const Key& key) { return Place(key, Hash()(key)).inserted; }

    // The place is the key's in the order the keys came.
    Placed Place(const Key& key, std::size_t hash) {
        const Placed placed =
            slots_.Place(hash, keys_.size(), [&](std::size_t place) { return keys_[place] == key; });
        if (placed.inserted) keys_.push_back(key);
        return placed;
    }

    std::size_t Size() const { return keys_.size(); }
    void Clear() {
        slots_.Clear();
        keys_.clear();
    }

private:
    SlotTable slots_;
    std::vector<Key> keys_;
};

// Lines that are their own keys, at their places in the caller's array.
class LineSet {
public:
    using Lines = std::vector<std::string>;

    bool Contains(const std::string& line, const Lines& lines) const {
        return slots_.Contains(Hash(line), [&](std::size_t place) { return lines[place] == line; });
    }
    void Prefetch(std::size_t hash) const { slots_.Prefetch(hash); }

    // place: where the line is or is about to be in lines; hash: Hash(line).
    Placed Place(const std::string& line, std::size_t hash, std::size_t place, const Lines& lines) {
        return slots_.Place(hash, place, [&](std::size_t at) { return lines[at] == line; });
    }

    // For KnownLinesIndex: the line at place i of the array.
    void IndexLine(const Lines& lines, std::size_t i) { Place(lines[i], Hash(lines[i]), i, lines); }
    bool ContainsLine(const std::string& line, const Lines& lines) const { return Contains(line, lines); }

    std::size_t Size() const { return slots_.Size(); }
    void Clear() { slots_.Clear(); }

    static std::size_t Hash(const std::string& line) { return std::hash<std::string>()(line); }

private:
    SlotTable slots_;
};

// The keys of lines, kept in the set; MakeKey(line) gives the key of a line.
template <class Key, auto MakeKey, class Hash>
class LineKeySet : public KeySet<Key, Hash> {
public:
    void IndexLine(const std::vector<std::string>& lines, std::size_t i) { this->Insert(MakeKey(lines[i])); }
    bool ContainsLine(const std::string& line, const std::vector<std::string>&) const {
        return this->Contains(MakeKey(line));
    }
};

}  // namespace scenrix::detail
