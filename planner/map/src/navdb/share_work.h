// Sharing the records of a database out to a few threads: the records [0, count) cut
// into runs in file order, each run handled on its own thread (the first on the caller's).
#pragma once

#include <functional>
#include <vector>

namespace trevalo {

// A worker takes at least this many records, and a few at most share a file out.
inline constexpr int kRecordsPerShare = 8192;

struct Share {
    int first = 0;
    int last = 0;  // one past
};

// Runs of [0, count) for a few workers, at least recordsPerShare records each (the last
// may take fewer); one empty run for no records.
std::vector<Share> SharesOf(int count, int recordsPerShare = kRecordsPerShare);

// Calls work(index) for each index in [0, shares) at once, on threads of their own; a
// thread that cannot be had leaves its index to the calling thread.
void OnThreads(int shares, const std::function<void(int index)>& work);

}  // namespace trevalo
