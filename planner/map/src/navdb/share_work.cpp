#include "navdb/share_work.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace trevalo {

namespace {
constexpr int kMostWorkers = 8;
}  // namespace

std::vector<Share> SharesOf(int count, int recordsPerShare) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int workers = std::clamp(count / std::max(1, recordsPerShare), 1, std::min(cores, kMostWorkers));
    const int size = std::max(1, (count + workers - 1) / workers);
    std::vector<Share> shares;
    for (int first = 0; first < count; first += size) shares.push_back({first, std::min(count, first + size)});
    if (shares.empty()) shares.push_back({0, 0});
    return shares;
}

void OnThreads(int shares, const std::function<void(int index)>& work) {
    std::vector<std::thread> threads;
    std::vector<int> left;
    for (int index = 1; index < shares; ++index) {
        try {
            threads.emplace_back(work, index);
        } catch (const std::system_error&) {
            left.push_back(index);
        }
    }
    if (shares > 0) work(0);
    for (const int index : left) work(index);
    for (std::thread& thread : threads) thread.join();
}

}  // namespace trevalo
