#include "gathrel/bgl_scan.h"

#include "platform/text.h"

namespace gathrel {

namespace {

constexpr const char* kNothingFoundMessage =
    "No airport or navaid was found in the scenery files ('*.bgl').\n"
    "The databases were left as they were.";
constexpr const char* kWriteFailedMessage =
    "The databases could not be written:\n%s\nThe databases were left as they were.";

}  // namespace

ScanReport ScanForDatabases(const ScanRequest& request, ScanProgress& progress) {
    ScanReport report;
    report.result = ScanScenery(FindSceneryFiles(request.sceneryFolder, request.driveRoots), progress);
    if (report.result.stopped) {
        report.outcome = ScanOutcome::Stopped;
    } else if (report.result.FoundNothing()) {
        report.outcome = ScanOutcome::NothingFound;
    } else {
        report.outcome = ScanOutcome::Found;
    }
    return report;
}

void WriteScanReport(ScanReport& report, const DatabasePaths& targets, ScanProgress& progress) {
    if (report.outcome != ScanOutcome::Found) return;
    report.outcome = WriteScanDatabases(report.result, targets, progress, report.failedPath) ? ScanOutcome::Written
                                                                                             : ScanOutcome::WriteFailed;
}

ScanReport RunBglScan(const ScanRequest& request, ScanProgress& progress) {
    ScanReport report = ScanForDatabases(request, progress);
    WriteScanReport(report, request.targets, progress);
    return report;
}

std::string ScanOutcomeMessage(const ScanReport& report) {
    switch (report.outcome) {
        case ScanOutcome::NothingFound:
            return kNothingFoundMessage;
        case ScanOutcome::WriteFailed:
            return platform::Format(kWriteFailedMessage, report.failedPath.c_str());
        case ScanOutcome::Written:
        case ScanOutcome::Found:
        case ScanOutcome::Stopped:
            break;
    }
    return {};
}

}  // namespace gathrel
