#include "scenrix/line_storage.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <mutex>
#include <utility>

#include "navdata/line_widths.h"
#include "spare_lines.h"

namespace scenrix {

namespace {

// Navaid and airport lines end in a line feed, ILS lines in nothing.
std::size_t LineLength(LineKind kind) {
    switch (kind) {
        case LineKind::Navaid:
            return navdata::kNavaidLineWidth + 1;
        case LineKind::Airport:
            return navdata::kAirportLineWidth + 1;
        case LineKind::Ils:
            return navdata::kIlsLineWidth;
    }
    return 0;
}

constexpr std::size_t kBatch = 256;
constexpr std::size_t kCacheLine = 64;

class Store {
public:
    std::vector<std::string> Keep(LineKind kind, std::vector<std::string>&& lines) {
        // Storage too small would be reallocated once used.
        const auto small = std::partition(lines.begin(), lines.end(),
                                          [&](const std::string& line) { return line.capacity() >= LineLength(kind); });
        std::vector<std::string> unwanted(std::make_move_iterator(small), std::make_move_iterator(lines.end()));
        lines.erase(small, lines.end());
        std::vector<std::string> unused;
        {
            std::lock_guard lock(mutex_);
            unused = std::exchange(Of(kind), std::move(lines));
            Counted(kind);
        }
        lines = {};
        if (unwanted.empty()) return unused;
        unwanted.insert(unwanted.end(), std::make_move_iterator(unused.begin()), std::make_move_iterator(unused.end()));
        return unwanted;
    }

    // With nothing kept (a first scan) the threads do not queue for the lock at each line.
    void Take(LineKind kind, std::vector<std::string>& batch) {
        if (held_[Index(kind)].load(std::memory_order_relaxed) == 0) return;
        std::lock_guard lock(mutex_);
        std::vector<std::string>& spare = Of(kind);
        const std::size_t count = std::min(kBatch, spare.size());
        batch.insert(batch.end(), std::make_move_iterator(spare.end() - static_cast<std::ptrdiff_t>(count)),
                     std::make_move_iterator(spare.end()));
        spare.resize(spare.size() - count);
        Counted(kind);
    }

    void GiveBack(LineKind kind, std::vector<std::string>& batch) {
        std::lock_guard lock(mutex_);
        std::vector<std::string>& spare = Of(kind);
        spare.insert(spare.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
        batch.clear();
        Counted(kind);
    }

private:
    static std::size_t Index(LineKind kind) { return static_cast<std::size_t>(kind); }
    std::vector<std::string>& Of(LineKind kind) { return spare_[Index(kind)]; }
    // Under the lock, after each change.
    void Counted(LineKind kind) { held_[Index(kind)].store(Of(kind).size(), std::memory_order_relaxed); }

    std::mutex mutex_;
    std::vector<std::string> spare_[3];  // by kind
    std::atomic<std::size_t> held_[3] = {};
};

Store& TheStore() {
    static Store store;
    return store;
}

}  // namespace

std::vector<std::string> KeepLineStorage(LineKind kind, std::vector<std::string>&& lines) {
    return TheStore().Keep(kind, std::move(lines));
}

namespace detail {

SpareLines::~SpareLines() { GiveBack(); }

SpareLines& SpareLines::operator=(SpareLines&& other) noexcept {
    GiveBack();
    kind_ = other.kind_;
    batch_ = std::move(other.batch_);
    other.batch_.clear();
    return *this;
}

std::string SpareLines::Next() {
    if (batch_.empty()) TheStore().Take(kind_, batch_);
    if (batch_.empty()) return {};
    std::string line = std::move(batch_.back());
    batch_.pop_back();
    // The storage of lines replaced is seldom in the cache: the next is asked for while
    // this one is filled.
    if (!batch_.empty()) {
        const char* const next = batch_.back().data();
        for (std::size_t offset = 0; offset < LineLength(kind_); offset += kCacheLine) {
            __builtin_prefetch(next + offset, 1);
        }
    }
    return line;
}

void SpareLines::GiveBack() {
    if (!batch_.empty()) TheStore().GiveBack(kind_, batch_);
}

}  // namespace detail

}  // namespace scenrix
