// The scenery reader: turns the navaids, airports, runways and ILS beams of one
// simulator scenery file (.bgl, plain or compressed) into navigation record lines,
// skipping those the builder already holds.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scenrix/export.h"

// The reader's line arrays, owned by Scenrix and passed to every call by the builder.
SCENRIX_API extern std::vector<std::string> saIlsInfo;         // every ILS line so far
SCENRIX_API extern std::vector<std::string> saNavaidsLinesSA;  // navaid lines of the last file
SCENRIX_API extern std::vector<std::string> saAirportLinesSA;  // airport lines of the last file
SCENRIX_API extern std::vector<std::string> saNavInfo;         // navaid lines the builder holds
SCENRIX_API extern std::vector<std::string> saAirportInfo;     // airport lines the builder holds

// Reads the scenery file at path (a Windows path). Empties navaidLines and airportLines
// and fills them with the file's new navaid and airport lines, each ending in a line
// feed; appends its new ILS lines (no line end) to ilsLines. knownNavaids and
// knownAirports are only read. Also appends computed runway ends to
// "C:\QuilletCorrect.nav" and unmatched runway starts to "C:\Invalid.txt". A file that
// cannot be read is reported by a message box. Always returns 0. Not for two threads
// at once.
SCENRIX_API int LoadDLLBGL(const char* path, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
                           std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
                           std::vector<std::string>& knownAirports);

namespace scenrix {

// LoadDLLBGL in two steps, so that a scan may read the next files on threads of its own
// while it adds the lines of one: the reading (any number at once, each of its own
// file), then AddSceneryFile in the order of the files (one at a time, as LoadDLLBGL).
// The reading itself may be split: Opened, then each of its parts read once, on any
// threads, several at once.
class SCENRIX_API SceneryFileRead {
public:
    // Reads the file at path; shows nothing and writes nothing.
    explicit SceneryFileRead(const char* path);
    // Opens the file at path and finds its parts, reading none of them: the NDB section,
    // up to airportRuns runs of its airports, the VOR section.
    static SceneryFileRead Opened(const char* path, std::size_t airportRuns);
    SceneryFileRead(SceneryFileRead&& other) noexcept;
    SceneryFileRead& operator=(SceneryFileRead&& other) noexcept;
    ~SceneryFileRead();

    // Known once opened; 0 for a file that could not be opened.
    std::size_t PartCount() const;
    // Reads part (below PartCount(), each part once); the file is read when every part is.
    void ReadPart(std::size_t part);

    // What was read; none once moved from.
    struct Contents;
    Contents* contents() { return contents_.get(); }

private:
    SceneryFileRead();

    std::unique_ptr<Contents> contents_;
};

// Appends the files' logs in the order they are given on a thread of its own, so that
// the lines of the next file are added meanwhile.
class SCENRIX_API SceneryLogWriter {
public:
    SceneryLogWriter();
    // Finishes, a failure of the writing left unthrown.
    ~SceneryLogWriter();
    SceneryLogWriter(const SceneryLogWriter&) = delete;
    SceneryLogWriter& operator=(const SceneryLogWriter&) = delete;

    // Returns once every log given is in its file; throws what made the writing fail.
    void Finish();

    struct Queue;
    Queue& queue() { return *queue_; }

private:
    std::unique_ptr<Queue> queue_;
};

// What LoadDLLBGL does with the file once it is read: its message, its logs and its
// new lines, the file's lines moved out. Always returns 0.
SCENRIX_API int AddSceneryFile(SceneryFileRead& file, std::vector<std::string>& ilsLines,
                               std::vector<std::string>& navaidLines, std::vector<std::string>& airportLines,
                               std::vector<std::string>& knownNavaids, std::vector<std::string>& knownAirports);
// The same, its logs handed to logs (a message is shown once the logs before it are
// written) and the file's new navaid and airport lines appended to knownNavaids and
// knownAirports themselves, so that each line is moved once.
SCENRIX_API void AppendSceneryFile(SceneryFileRead& file, SceneryLogWriter& logs, std::vector<std::string>& ilsLines,
                                   std::vector<std::string>& knownNavaids, std::vector<std::string>& knownAirports);

}  // namespace scenrix
