#include "gathrel/bgl_scan.h"

#include "platform/text.h"

namespace gathrel {

namespace {

constexpr const char* kSavingText = "Saving Data to File. Please wait";
constexpr const char* kNothingFoundMessage =
    "No airport or navaid was found in the scenery files ('*.bgl').\n"
    "The databases were left as they were.";
constexpr const char* kWriteFailedMessage =
    "The databases could not be written:\n%s\nThe databases were left as they were.";

}  // namespace

ScanReport RunBglScan(const ScanRequest& request, ScanProgress& progress) {
    ScanReport report;
    report.result = ScanScenery(FindSceneryFiles(request.sceneryFolder, request.driveRoots), progress);
    if (report.result.stopped) {
        report.outcome = ScanOutcome::Stopped;
    } else if (report.result.FoundNothing()) {
        report.outcome = ScanOutcome::NothingFound;
    } else {
        progress.SetStatus(kSavingText);
        report.outcome = WriteScanDatabases(report.result, request.targets, report.failedPath)
                             ? ScanOutcome::Written
                             : ScanOutcome::WriteFailed;
    }
    return report;
}

std::string ScanOutcomeMessage(const ScanReport& report) {
    switch (report.outcome) {
        case ScanOutcome::NothingFound:
            return kNothingFoundMessage;
        case ScanOutcome::WriteFailed:
            return platform::Format(kWriteFailedMessage, report.failedPath.c_str());
        case ScanOutcome::Written:
        case ScanOutcome::Stopped:
            break;
    }
    return {};
}

}  // namespace gathrel
