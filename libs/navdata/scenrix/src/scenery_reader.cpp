#include "scenrix/scenery_reader.h"

#include <memory>

#include "facility_section.h"
#include "navaid_sections.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "scenery_file.h"
#include "scenery_scan.h"
#include "scenrix/scenery_layout.h"

std::vector<std::string> saIlsInfo;
std::vector<std::string> saNavaidsLinesSA;
std::vector<std::string> saAirportLinesSA;
std::vector<std::string> saNavInfo;
std::vector<std::string> saAirportInfo;

namespace scenrix {

// The message a file's reading leaves to be shown, and what it found.
struct SceneryFileRead::Contents {
    enum class Message { None, CannotOpen, Unreadable, UnmapFailed };
    Message message = Message::None;
    detail::SceneryScan scan;
};

}  // namespace scenrix

namespace {

namespace layout = scenrix::scenery;
using scenrix::detail::SceneryBytes;
using Message = scenrix::SceneryFileRead::Contents::Message;

constexpr const char* kCannotOpenMessage = "Cannot open file";
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

void ReadSections(const SceneryBytes& data, scenrix::detail::SceneryScan& scan) {
    const std::size_t headerLength = scenrix::detail::SceneryHeaderLength(data);
    if (const std::size_t ndb = SectionOffset(data, layout::kNdbSectionField)) {
        ReadNdbSection(data, ndb, scan);
    }
    if (headerLength == layout::kExtendedHeaderLength) {
        if (const std::size_t facility = SectionOffset(data, layout::kFacilitySectionField)) {
            ReadFacilitySection(data, facility, scan);
        }
    }
    if (const std::size_t vor = SectionOffset(data, layout::kVorSectionField)) {
        ReadVorSection(data, vor, data.U16(layout::kLowestChannelField), data.U16(layout::kHighestChannelField), scan);
    }
}

Message ReadFile(const char* path, scenrix::detail::SceneryScan& scan) {
    std::size_t inflatedSize = 0;
    std::unique_ptr<std::uint8_t[]> inflated;
    const int code = scenrix::detail::OpenSceneryFile(path, &inflatedSize, &inflated);

    platform::MappedFile plain;
    SceneryBytes data;
    if (code == scenrix::detail::kSceneryInflated) {
        data = SceneryBytes(inflated.get(), inflatedSize);
    } else if (code == scenrix::detail::kSceneryPlain) {
        if (!platform::FileExists(path)) {
            return Message::None;
        }
        if (!plain.Open(path)) {
            return Message::CannotOpen;
        }
        data = SceneryBytes(reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size());
    } else {
        return Message::Unreadable;
    }
    ReadSections(data, scan);
    return plain.IsOpen() && !plain.Close() ? Message::UnmapFailed : Message::None;
}

void ShowMessage(Message message) {
    switch (message) {
        case Message::CannotOpen:
            platform::MessageBox(kCannotOpenMessage);
            break;
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

SceneryFileRead::SceneryFileRead(const char* path) : contents_(std::make_unique<Contents>()) {
    if (path != nullptr) contents_->message = ReadFile(path, contents_->scan);
}

SceneryFileRead::SceneryFileRead(SceneryFileRead&& other) noexcept = default;
SceneryFileRead& SceneryFileRead::operator=(SceneryFileRead&& other) noexcept = default;
SceneryFileRead::~SceneryFileRead() = default;

int AddSceneryFile(SceneryFileRead& file, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
                   std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
                   std::vector<std::string>& knownAirports) {
    navaidLines.clear();
    airportLines.clear();
    if (file.contents() == nullptr) return 0;
    SceneryFileRead::Contents& contents = *file.contents();
    // A file that could not be read has no log records, so the logs may go first.
    contents.scan.Logs().Write();
    ShowMessage(contents.message);
    contents.scan.AddUnknownLines(KnownIndexes(), navaidLines, airportLines, knownNavaids, knownAirports, ilsLines);
    return 0;
}

}  // namespace scenrix

int LoadDLLBGL(const char* path, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
               std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
               std::vector<std::string>& knownAirports) {
    scenrix::SceneryFileRead file(path);
    return scenrix::AddSceneryFile(file, ilsLines, navaidLines, airportLines, knownNavaids, knownAirports);
}
