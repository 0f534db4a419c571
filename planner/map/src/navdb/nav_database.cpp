#include "map/nav_database.h"

#include <chrono>
#include <utility>

#include "map/country_list.h"
#include "navdb/database_file.h"
#include "navdb/grid_bucket.h"
#include "navdb/record_readers.h"

namespace trevalo {

namespace {

constexpr auto kWaitTick = std::chrono::milliseconds(15);
constexpr int kLoaderThreads = 3;
constexpr size_t kFirstRecord = 1;  // entry 0 of the flat lists is unused

}  // namespace

NavDatabase::NavDatabase(std::string baseDirectory) : baseDirectory_(std::move(baseDirectory)) {}

NavDatabase::~NavDatabase() { JoinLoaders(); }

int NavDatabase::LoadAirportFile() {
    CountryList countries(baseDirectory_);
    // Read before the threads ask it, which leaves the list's questions read-only.
    countries.LoadCountryList();
    const int code = ReadDatabaseFile(baseDirectory_, kAirportDatabase, [&](const DatabaseRecords& records) {
        airportCount = ReadAirportRecords(
            records, [&](const std::string& country) { return countries.IsCountryLoaded(country); }, airportGrid,
            airportLines, progress_);
    });
    if (!RecordsWereRead(code)) return code;
    LoadLandFiles();
    return code;
}

int NavDatabase::LoadNavaidFile() {
    const int code = ReadDatabaseFile(baseDirectory_, kNavaidDatabase, [&](const DatabaseRecords& records) {
        ReadNavaidRecords(records, navaids_, navaidLines);
    });
    if (!RecordsWereRead(code)) return code;
    navaidCount = navaids_.empty() ? 0 : static_cast<int>(navaids_.size() - kFirstRecord);
    BucketNavaids();
    return code;
}

int NavDatabase::LoadIlsFile() {
    return ReadDatabaseFile(baseDirectory_, kIlsDatabase,
                            [&](const DatabaseRecords& records) { ReadIlsRecords(records, ils, ilsLines); });
}

void NavDatabase::BucketNavaids() { BucketRecords(navaids_, kFirstRecord, navaidGrid); }

void NavDatabase::RunLoader(const std::function<void()>& load) {
    // Lowers the counter however the load ends, under the mutex so that the waiting
    // thread cannot miss the last notification.
    struct Done {
        NavDatabase& database;
        ~Done() {
            {
                std::lock_guard<std::mutex> lock(database.loadersMutex_);
                database.loaders_.fetch_sub(1);
            }
            database.loadersDone_.notify_all();
        }
    } done{*this};
    load();
}

void NavDatabase::StartLoaders() {
    loaders_.fetch_add(kLoaderThreads);
    threads_.emplace_back([this] { RunLoader([this] { LoadAirportFile(); }); });
    threads_.emplace_back([this] { RunLoader([this] { LoadMapTiles(); }); });
    threads_.emplace_back([this] {
        RunLoader([this] {
            LoadNavaidFile();
            LoadIlsFile();
        });
    });
}

void NavDatabase::WaitForLoaders(const std::function<void(int progress)>& tick) {
    std::unique_lock<std::mutex> lock(loadersMutex_);
    while (loaders_.load() > 0) {
        lock.unlock();
        if (tick) tick(progress_.load());
        lock.lock();
        loadersDone_.wait_for(lock, kWaitTick, [this] { return loaders_.load() <= 0; });
    }
    lock.unlock();
    if (tick) tick(progress_.load());
    JoinLoaders();
}

void NavDatabase::JoinLoaders() {
    for (std::thread& thread : threads_) {
        if (thread.joinable()) thread.join();
    }
    threads_.clear();
}

}  // namespace trevalo
