#include "scenrix/scenery_reader.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "facility_section.h"
#include "file_buffers.h"
#include "kept_scans.h"
#include "navaid_sections.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "scenery_file.h"
#include "scenery_log_queue.h"
#include "scenery_scan.h"
#include "scenrix/scenery_layout.h"

std::vector<std::string> saIlsInfo;
std::vector<std::string> saNavaidsLinesSA;
std::vector<std::string> saAirportLinesSA;
std::vector<std::string> saNavInfo;
std::vector<std::string> saAirportInfo;

namespace scenrix {

// The bytes of a file being read, its parts and what each found. The parts are the NDB
// section, runs of the facility section's airports, then the VOR section; the last
// part read joins what they found in that order and lets the bytes go.
struct SceneryFileRead::Contents {
    enum class Message { None, Unreadable, UnmapFailed };
    Message message = Message::None;
    platform::MappedFile plain;
    std::string inflated;
    detail::SceneryBytes data;
    std::size_t ndbSection = 0;  // 0: none
    std::size_t vorSection = 0;
    detail::FacilityAirports airports;
    // Each part on its own cache lines, as threads add to several at once.
    struct alignas(64) Part {
        detail::SceneryScan scan;
    };
    std::vector<Part> parts;
    std::size_t airportRuns = 1;
    std::size_t partCount = 0;
    std::atomic<std::size_t> partsLeft = 0;
    detail::RunwayLogs logs;  // the parts' logs joined

    Contents() = default;
    Contents(const Contents&) = delete;
    Contents& operator=(const Contents&) = delete;
    // The parts' scans are kept for the files read next.
    ~Contents() {
        for (Part& part : parts) detail::KeepScan(std::move(part.scan));
    }
    // The parts' scans in their order, for the duplicate tests.
    std::vector<detail::SceneryScan*> Scans() {
        std::vector<detail::SceneryScan*> scans;
        for (Part& part : parts) scans.push_back(&part.scan);
        return scans;
    }
};

}  // namespace scenrix

namespace {

namespace layout = scenrix::scenery;
using scenrix::detail::SceneryBytes;
using Contents = scenrix::SceneryFileRead::Contents;
using Message = Contents::Message;

constexpr const char* kUnreadableMessage =
    "The system tried to read a file that has been deleted or the\nAccess has been denied.\n"
    "Please ensure that no disk is removed while the system is searching\n";
// The mapping keeps no file handle once its view is made, so the view is all there is
// to release.
constexpr const char* kUnmapFailedMessage =
    "An error occured while unmapping a pointer,\nYou might wish to restart you computer";

// A section offset at or past the end of the data is no section.
std::size_t SectionOffset(const SceneryBytes& data, std::size_t field) {
    const std::size_t offset = data.U32(field);
    return offset < data.size() ? offset : 0;
}

// Kept across calls so that each call indexes only the lines appended since the last;
// the lines are added on one thread at a time.
scenrix::detail::KnownLineIndexes& KnownIndexes() {
    static scenrix::detail::KnownLineIndexes indexes;
    return indexes;
}

// The fewest airports a part reads, so that a part outweighs its handing out.
constexpr std::size_t kLeastAirportsPerPart = 128;

// The bytes of the file and where its sections lie; the parts are read later.
Message OpenFile(const char* path, std::size_t airportRuns, Contents& file) {
    std::size_t inflatedSize = 0;
    const int code = scenrix::detail::OpenSceneryFile(path, &inflatedSize, &file.inflated, &file.plain);
    if (code == scenrix::detail::kSceneryInflated) {
        file.data = SceneryBytes(reinterpret_cast<const std::uint8_t*>(file.inflated.data()), inflatedSize);
    } else if (code == scenrix::detail::kSceneryPlain) {
        file.data = SceneryBytes(reinterpret_cast<const std::uint8_t*>(file.plain.data()), file.plain.size());
    } else {
        return Message::Unreadable;
    }
    const SceneryBytes& data = file.data;
    file.ndbSection = SectionOffset(data, layout::kNdbSectionField);
    if (scenrix::detail::SceneryHeaderLength(data) == layout::kExtendedHeaderLength) {
        if (const std::size_t facility = SectionOffset(data, layout::kFacilitySectionField)) {
            file.airports = scenrix::detail::ListFacilityAirports(data, facility);
        }
    }
    file.vorSection = SectionOffset(data, layout::kVorSectionField);
    const std::size_t airports = file.airports.items.size();
    file.airportRuns =
        std::clamp<std::size_t>(airports / kLeastAirportsPerPart, 1, std::max<std::size_t>(airportRuns, 1));
    file.partCount = file.airportRuns + 2;
    file.parts.resize(file.partCount);
    for (Contents::Part& part : file.parts) part.scan = scenrix::detail::TakeKeptScan();
    file.partsLeft = file.partCount;
    return Message::None;
}

void ReadPartOf(Contents& file, std::size_t part) {
    const SceneryBytes& data = file.data;
    scenrix::detail::SceneryScan& scan = file.parts[part].scan;
    if (part == 0) {
        if (file.ndbSection) ReadNdbSection(data, file.ndbSection, scan);
    } else if (part + 1 == file.partCount) {
        if (file.vorSection) {
            ReadVorSection(data, file.vorSection, data.U16(layout::kLowestChannelField),
                           data.U16(layout::kHighestChannelField), scan);
        }
    } else {
        const std::size_t airports = file.airports.items.size();
        const std::size_t run = part - 1;
        ReadFacilityAirports(file.airports, airports * run / file.airportRuns, airports * (run + 1) / file.airportRuns,
                             scan);
    }
}

void JoinParts(Contents& file) {
    for (Contents::Part& part : file.parts) {
        file.logs.corrections += part.scan.Logs().corrections;
        file.logs.invalidRunways += part.scan.Logs().invalidRunways;
    }
    file.airports = {};
    file.data = {};
    scenrix::detail::GiveFileBuffer(std::move(file.inflated));
    std::string plain;
    if (file.plain.IsOpen() && !file.plain.Close(&plain)) file.message = Message::UnmapFailed;
    scenrix::detail::GiveFileBuffer(std::move(plain));
}

void ShowMessage(Message message) {
    switch (message) {
        case Message::Unreadable:
        case Message::UnmapFailed:
            platform::MessageBox(message == Message::Unreadable ? kUnreadableMessage : kUnmapFailedMessage, {},
                                 platform::MbIcon::Information);
            break;
        case Message::None:
            break;
    }
}

}  // namespace

namespace scenrix {

SceneryFileRead::SceneryFileRead(const char* path) : SceneryFileRead(Opened(path, 1)) {
    for (std::size_t part = 0; part < PartCount(); ++part) ReadPart(part);
}

SceneryFileRead::SceneryFileRead() : contents_(std::make_unique<Contents>()) {}

SceneryFileRead SceneryFileRead::Opened(const char* path, std::size_t airportRuns) {
    SceneryFileRead file;
    if (path != nullptr) file.contents_->message = OpenFile(path, airportRuns, *file.contents_);
    return file;
}

std::size_t SceneryFileRead::PartCount() const { return contents_ ? contents_->partCount : 0; }

void SceneryFileRead::ReadPart(std::size_t part) {
    ReadPartOf(*contents_, part);
    if (contents_->partsLeft.fetch_sub(1, std::memory_order_acq_rel) == 1) JoinParts(*contents_);
}

SceneryFileRead::SceneryFileRead(SceneryFileRead&& other) noexcept = default;
SceneryFileRead& SceneryFileRead::operator=(SceneryFileRead&& other) noexcept = default;
SceneryFileRead::~SceneryFileRead() = default;

namespace {

// The message and logs of the file; false when nothing was read. logs: null to write
// them here.
bool ReportFile(SceneryFileRead& file, SceneryLogWriter* logs) {
    if (file.contents() == nullptr) return false;
    SceneryFileRead::Contents& contents = *file.contents();
    // The logs go before the message.
    if (logs == nullptr) {
        contents.logs.Write();
    } else {
        logs->queue().Add(std::move(contents.logs));
        if (contents.message != Message::None) logs->queue().writer.WaitUntilDone();
    }
    ShowMessage(contents.message);
    return true;
}

}  // namespace

int AddSceneryFile(SceneryFileRead& file, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
                   std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
                   std::vector<std::string>& knownAirports) {
    navaidLines.clear();
    airportLines.clear();
    if (ReportFile(file, nullptr)) {
        detail::SceneryScan::AddUnknownLines(file.contents()->Scans(), KnownIndexes(), navaidLines, airportLines,
                                             knownNavaids, knownAirports, ilsLines);
    }
    return 0;
}

void AppendSceneryFile(SceneryFileRead& file, SceneryLogWriter& logs, std::vector<std::string>& ilsLines,
                       std::vector<std::string>& knownNavaids, std::vector<std::string>& knownAirports) {
    if (!ReportFile(file, &logs)) return;
    detail::SceneryScan::AppendUnknownLines(file.contents()->Scans(), KnownIndexes(), knownNavaids, knownAirports,
                                            ilsLines);
}

}  // namespace scenrix

int LoadDLLBGL(const char* path, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
               std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
               std::vector<std::string>& knownAirports) {
    scenrix::SceneryFileRead file(path);
    return scenrix::AddSceneryFile(file, ilsLines, navaidLines, airportLines, knownNavaids, knownAirports);
}
