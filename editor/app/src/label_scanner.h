// The label scan of a document on a worker thread. The document's own text is taken on
// the user-interface thread when the scan starts, the labels are found on the worker, and
// the result is handed back to the user-interface thread. One scan runs at a time: a scan
// asked for while one runs is kept (the latest document asked for) and run when it ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "quillet/label_scan.h"

namespace quillet {

class CQuilletDoc;

class CLabelScanner : public QObject {
public:
    // Called on the user-interface thread with the scanned document's path and labels.
    using Apply = std::function<void(const std::string& path, const std::vector<SourceLabel>& labels)>;

    explicit CLabelScanner(Apply apply);
    ~CLabelScanner() override;

    // Starts a scan of the document's text now, or once the running one has ended. A
    // document without a path has no labels to show and is not scanned.
    void Start(CQuilletDoc& document);
    bool Busy() const { return busy_.load(); }

private:
    void Finish(const std::string& path, const std::vector<SourceLabel>& labels);

    Apply apply_;
    std::atomic<bool> busy_{false};
    QPointer<CQuilletDoc> pending_;
    std::thread worker_;
};

}  // namespace quillet
