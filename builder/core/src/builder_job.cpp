#include "gathrel/builder_job.h"

namespace gathrel {

bool BuilderJob::Start(std::function<void(ScanProgress&)> work) {
    if (busy_) return false;
    busy_ = true;
    done_ = false;
    progress_ = std::make_unique<ScanProgress>();
    worker_ = std::thread([this, work = std::move(work)] {
        work(*progress_);
        done_ = true;
    });
    return true;
}

void BuilderJob::Finish() {
    if (worker_.joinable()) worker_.join();
    busy_ = false;
}

void BuilderJob::Stop() {
    progress_->RequestStop();
    Finish();
}

}  // namespace gathrel
