#include "label_scanner.h"

#include "quillet_doc.h"
#include "quillet_view.h"

namespace quillet {

CLabelScanner::CLabelScanner(Apply apply) : apply_(std::move(apply)) {}

CLabelScanner::~CLabelScanner() {
    if (worker_.joinable()) worker_.join();
}

void CLabelScanner::Start(CQuilletDoc& document) {
    if (busy_.exchange(true)) {
        pending_ = &document;
        return;
    }
    if (document.GetPathName().empty() || document.View() == nullptr) {
        busy_ = false;
        return;
    }
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread([this, path = document.GetPathName(), text = document.View()->Text()] {
        std::vector<SourceLabel> labels = ScanLabels(text);
        QMetaObject::invokeMethod(
            this, [this, path, labels = std::move(labels)] { Finish(path, labels); }, Qt::QueuedConnection);
    });
}

void CLabelScanner::Finish(const std::string& path, const std::vector<SourceLabel>& labels) {
    apply_(path, labels);
    busy_ = false;
    if (QPointer<CQuilletDoc> next = std::exchange(pending_, nullptr)) Start(*next);
}

}  // namespace quillet
