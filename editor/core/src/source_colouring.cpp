#include "quillet/source_colouring.h"

#include <array>
#include <cctype>

#include "quillet/command_list.h"
#include "quillet/source_text.h"

namespace quillet {
namespace {

constexpr std::string_view kSeparators = "\"+-/=><,()";

struct KindColour {
    ColourKind kind;
    std::uint32_t colour;
};
constexpr KindColour kColours[] = {
    {ColourKind::Plain, 0x000000},  {ColourKind::CommandOrLabel, 0xFF0000}, {ColourKind::Comment, 0x00C300},
    {ColourKind::Quoted, 0x0000DC}, {ColourKind::LongLine, 0x0000FF},
};

bool IsSeparator(char c) { return kSeparators.find(c) != std::string_view::npos; }

class LineColourer {
public:
    LineColourer(std::string_view line, const CommandList& commands) : line_(line), commands_(commands) {}

    std::vector<ColourSpan> Run() {
        std::size_t start = 0;
        for (std::size_t i = 0; i < line_.size() && !commentStarted_; ++i) {
            const char c = line_[i];
            const bool last = i + 1 == line_.size();
            if (IsSeparator(c) || IsCommentChar(c)) {
                Token(start, i);
                Token(i, i + 1);
                start = i + 1;
            } else if ((IsBlank(c) && !last && !IsBlank(line_[i + 1])) || last) {
                Token(start, i + 1);
                start = i + 1;
            }
        }
        return std::move(spans_);
    }

private:
    // Colours [start, end); a comment colours the rest of the line and ends the walk.
    void Token(std::size_t start, std::size_t end) {
        if (start >= end || commentStarted_) return;
        const std::string_view token = line_.substr(start, end - start);
        ColourKind kind = KindOf(token, start);
        if (quotes_ % 2 == 1) kind = ColourKind::Quoted;
        for (char c : token) quotes_ += c == '"';
        if (kind == ColourKind::Comment) {
            commentStarted_ = true;
            end = line_.size();
        }
        Add(start, end - start, kind);
    }

    ColourKind KindOf(std::string_view token, std::size_t start) const {
        if (IsCommentChar(token.front())) return ColourKind::Comment;
        const std::string_view word = TrimBlanks(token);
        const std::size_t wordStart = start + static_cast<std::size_t>(word.data() - token.data());
        if (!word.empty() && IsRemWordAt(line_, wordStart)) return ColourKind::Comment;
        return IsCommandOrLabel(word, commands_) ? ColourKind::CommandOrLabel : ColourKind::Plain;
    }

    void Add(std::size_t start, std::size_t length, ColourKind kind) {
        if (!spans_.empty() && spans_.back().kind == kind)
            spans_.back().length += length;
        else
            spans_.push_back({start, length, kind});
    }

    std::string_view line_;
    const CommandList& commands_;
    std::vector<ColourSpan> spans_;
    int quotes_ = 0;
    bool commentStarted_ = false;
};

}  // namespace

std::uint32_t ColourValue(ColourKind kind) {
    for (const KindColour& entry : kColours)
        if (entry.kind == kind) return entry.colour;
    return 0;
}

bool IsCommandOrLabel(std::string_view text, const CommandList& commands) {
    const std::string_view word = TrimBlanks(text);
    if (word.empty()) return false;
    if (word.back() == ':') return true;
    if (word.size() > kCommandNameWidth) return false;
    std::array<char, kCommandNameWidth> upper{};
    for (std::size_t i = 0; i < word.size(); ++i)
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[i])));
    return commands.IsUpperCaseCommand(std::string_view(upper.data(), word.size()));
}

std::vector<ColourSpan> ColourLine(std::string_view line, const CommandList& commands) {
    if (line.empty()) return {};
    if (line.size() >= kLongLineLength) return {{0, line.size(), ColourKind::LongLine}};
    return LineColourer(line, commands).Run();
}

}  // namespace quillet
