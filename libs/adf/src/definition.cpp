#include "adf/definition.h"

#include "platform/text_file.h"

namespace adf {
namespace {

constexpr std::string_view kRouteSection = "NAVAIDINFO_";

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// The key text of a key line without its colon ("\tTITLE_000:" -> "\tTITLE_000"), or
// nothing when the line has no key-line shape.
std::optional<std::string_view> KeyBody(std::string_view line) {
    line = TrimRight(line);
    if (line.size() < 3 || line.back() != ':') return std::nullopt;
    if (line.front() != '\t' && !line.starts_with(kRouteSection)) return std::nullopt;
    line.remove_suffix(1);
    if (line.find_first_of(" :") != std::string_view::npos) return std::nullopt;
    return line;
}

}  // namespace

bool IsKeyLineOf(std::string_view line, std::string_view code) {
    auto body = KeyBody(line);
    if (!body || code.empty() || !body->ends_with(code)) return false;
    if (code.front() == '_') return true;
    size_t before = body->size() - code.size();
    return before > 0 && (*body)[before - 1] == '_';
}

bool IsKeyLine(std::string_view line) { return KeyBody(line).has_value(); }

bool Definition::Load(const std::string& windowsPath) {
    std::vector<std::string> lines;
    if (!platform::ReadLines(windowsPath, lines)) return false;
    SetLines(std::move(lines));
    return true;
}

void Definition::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    BuildIndex();
}

// Registers each key line under every code that names it: each suffix that starts at
// an underscore, with and without that underscore.
void Definition::BuildIndex() {
    keys_.clear();
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto body = KeyBody(lines_[i]);
        if (!body) continue;
        for (size_t at = body->find('_'); at != std::string_view::npos; at = body->find('_', at + 1)) {
            for (std::string_view code : {body->substr(at), body->substr(at + 1)}) {
                if (code.empty()) continue;
                auto& hits = keys_[std::string(code)];
                if (hits.empty() || hits.back() != i) hits.push_back(i);
            }
        }
    }
}

const std::string& Definition::Line(size_t i) const {
    static const std::string kEmpty;
    return i < lines_.size() ? lines_[i] : kEmpty;
}

const std::vector<size_t>& Definition::FindKeys(std::string_view code) const {
    static const std::vector<size_t> kNone;
    auto it = keys_.find(std::string(code));
    return it == keys_.end() ? kNone : it->second;
}

std::optional<size_t> Definition::FindKey(std::string_view code) const {
    const auto& hits = FindKeys(code);
    if (hits.empty()) return std::nullopt;
    return hits.front();
}

std::string Definition::Value(std::string_view code, size_t n) const {
    auto key = FindKey(code);
    if (!key) return {};
    return Line(*key + n);
}

bool Definition::IsOptionSet(std::string_view code) const { return HasKey(code) && Value(code) != "0"; }

std::string Definition::Block(std::string_view code) const {
    auto key = FindKey(code);
    if (!key) return {};
    std::string end(code);
    if (end.ends_with("_BEG")) end.replace(end.size() - 4, 4, "_END");
    std::string text;
    for (size_t i = *key + 1; i < lines_.size() && !IsKeyLineOf(lines_[i], end); ++i) {
        text += lines_[i];
        text += '\n';
    }
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    return text;
}

std::optional<size_t> Definition::FindLineContaining(std::string_view text, size_t from) const {
    for (size_t i = from; i < lines_.size(); ++i)
        if (lines_[i].find(text) != std::string::npos) return i;
    return std::nullopt;
}

}  // namespace adf
