// Any bytes as an adventure source opened in the editor: each line coloured, the labels
// scanned and found again, and Enter pressed behind each line. The colours cover every
// line in order, each label names a line that defines it, and indentation only takes
// leading tabs and trailing blanks away.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_drive.h"
#include "quillet/auto_indent.h"
#include "quillet/command_list.h"
#include "quillet/label_scan.h"
#include "quillet/source_colouring.h"
#include "quillet/source_file.h"

namespace {

const quillet::CommandList& Commands() {
    static const quillet::CommandList commands({quillet::CommandField("IF"), quillet::CommandField("GOSUB")});
    return commands;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1))
        lines.push_back(text.substr(0, end));
    lines.push_back(text);
    return lines;
}

void CheckColours(std::string_view line) {
    std::size_t next = 0;
    for (const quillet::ColourSpan& span : quillet::ColourLine(line, Commands())) {
        if (span.start != next || span.length == 0) std::abort();
        next += span.length;
    }
    if (next != line.size()) std::abort();
}

void CheckIndent(std::string_view finished, std::string_view above) {
    const quillet::Indentation result = quillet::IndentAfterEnter(finished, above);
    if (result.newLineTabs < 0 || result.finishedLine.size() > finished.size()) std::abort();
    if (finished.find(result.finishedLine) == std::string_view::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        fuzz::WriteDriveFile("Adventure/Flight.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    std::string text;
    if (!quillet::ReadSourceText(path, text) || text.find('\r') != std::string::npos) std::abort();
    const std::vector<std::string_view> lines = Lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CheckColours(lines[i]);
        CheckIndent(lines[i], i == 0 ? std::string_view() : lines[i - 1]);
    }
    for (const quillet::SourceLabel& label : quillet::ScanLabels(text)) {
        if (label.line < 0 || static_cast<std::size_t>(label.line) >= lines.size()) std::abort();
        if (quillet::LabelOfLine(lines[static_cast<std::size_t>(label.line)]) != label.name) std::abort();
        const auto found = quillet::FindLabelLine(text, label.name, label.line);
        if (!found || quillet::LabelOfLine(lines[static_cast<std::size_t>(*found)]) != label.name) std::abort();
    }
    return 0;
}
