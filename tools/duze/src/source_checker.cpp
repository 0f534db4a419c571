#include "duze/source_checker.h"

#include "statement_shapes.h"

#include <cctype>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace duze {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Language words that may be written in lower case; everything else that starts
// with a lower-case letter is a variable or a label.
const std::unordered_set<std::string> kLowerCaseKeywords = {
    "if", "elseif", "else", "endif", "then", "and", "or", "not", "while", "endwhile", "true", "false",
};

// Statements that name a label with the word after them.
const std::unordered_set<std::string> kLabelReferences = {"gosub", "goto", "onexp_clear"};

struct Word {
    std::string text;
    bool isLabelReference = false;
};

// A line split into its code (strings blanked out) and whether a string stays open.
struct CodeLine {
    std::string code;
    bool openString = false;
};

CodeLine StripLine(const std::string& line) {
    CodeLine result;
    bool inString = false;
    for (char c : line) {
        if (c == '"') {
            inString = !inString;
            result.code += ' ';
        } else if (inString) {
            result.code += ' ';
        } else if (c == '\'') {
            break;
        } else {
            result.code += c;
        }
    }
    result.openString = inString;
    return result;
}

std::vector<Word> WordsOf(const std::string& code) {
    std::vector<Word> words;
    bool nextIsLabel = false;
    for (size_t i = 0; i < code.size();) {
        char c = code[i];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            // A number: digits, dots and an exponent; not a word.
            while (i < code.size() && (IsWordChar(code[i]) || code[i] == '.')) ++i;
            nextIsLabel = false;
            continue;
        }
        if (!IsWordStart(c)) {
            if (!std::isspace(static_cast<unsigned char>(c))) nextIsLabel = false;
            ++i;
            continue;
        }
        size_t start = i;
        while (i < code.size() && IsWordChar(code[i])) ++i;
        Word word{code.substr(start, i - start), nextIsLabel};
        nextIsLabel = kLabelReferences.count(Lower(word.text)) != 0;
        words.push_back(std::move(word));
    }
    return words;
}

// "name:" alone on its line.
std::optional<std::string> LabelOf(const std::string& code) {
    size_t end = code.find_last_not_of(" \t\r");
    if (end == std::string::npos || code[end] != ':') return std::nullopt;
    size_t start = code.find_first_not_of(" \t");
    std::string_view name(code.data() + start, end - start);
    if (name.empty() || !IsWordStart(name.front())) return std::nullopt;
    for (char c : name)
        if (!IsWordChar(c)) return std::nullopt;
    return std::string(name);
}

struct Block {
    std::string kind;  // "if" or "while"
    int line;
};

class Checker {
public:
    explicit Checker(const std::vector<std::string>& lines) : source_(lines) {
        for (const std::string& line : lines) lines_.push_back(StripLine(line));
    }

    std::vector<SourceError> Run() {
        CollectNames();
        for (size_t i = 0; i < lines_.size(); ++i) {
            CheckLine(static_cast<int>(i + 1), lines_[i]);
            for (std::string& message : StatementShapeErrors(source_[i])) Error(static_cast<int>(i + 1), message);
        }
        for (const Block& block : blocks_) Error(block.line, Upper(block.kind) + " not closed");
        std::set<std::pair<int, std::string>> sorted;
        for (auto& e : errors_) sorted.insert({e.line, e.message});
        std::vector<SourceError> result;
        for (auto& [line, message] : sorted) result.push_back({line, message});
        return result;
    }

private:
    void Error(int line, const std::string& message) { errors_.push_back({line, message}); }

    void CollectNames() {
        std::unordered_map<std::string, int> firstDefinition;
        for (size_t i = 0; i < lines_.size(); ++i) {
            int number = static_cast<int>(i + 1);
            const std::string& code = lines_[i].code;
            if (auto label = LabelOf(code)) {
                auto [it, added] = firstDefinition.emplace(Lower(*label), number);
                if (!added) Error(number, "label " + *label + " defined twice");
                labels_.insert(Lower(*label));
                continue;
            }
            std::vector<Word> words = WordsOf(code);
            if (!words.empty() && Lower(words.front().text) == "declare")
                for (size_t w = 1; w < words.size(); ++w) variables_.insert(Lower(words[w].text));
        }
    }

    void CheckBlocks(int number, const std::string& first) {
        if (first == "if" || first == "while") {
            blocks_.push_back({first, number});
        } else if (first == "elseif" || first == "else") {
            if (blocks_.empty() || blocks_.back().kind != "if") Error(number, Upper(first) + " without IF");
        } else if (first == "endif" || first == "endwhile") {
            std::string opener = first == "endif" ? "if" : "while";
            if (blocks_.empty() || blocks_.back().kind != opener)
                Error(number, Upper(first) + " without " + Upper(opener));
            else
                blocks_.pop_back();
        }
    }

    void CheckLine(int number, const CodeLine& line) {
        if (line.openString) Error(number, "string not closed");
        if (LabelOf(line.code)) return;
        std::vector<Word> words = WordsOf(line.code);
        if (words.empty()) return;
        std::string first = Lower(words.front().text);
        CheckBlocks(number, first);
        if (first == "declare") return;
        for (const Word& word : words) {
            std::string lower = Lower(word.text);
            if (word.isLabelReference) {
                if (!labels_.count(lower)) Error(number, "label " + word.text + " not defined");
            } else if (std::islower(static_cast<unsigned char>(word.text.front())) &&
                       !kLowerCaseKeywords.count(lower) && !variables_.count(lower)) {
                Error(number, "variable " + word.text + " not declared");
            }
        }
    }

    static std::string Upper(std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    const std::vector<std::string>& source_;
    std::vector<CodeLine> lines_;
    std::unordered_set<std::string> labels_;
    std::unordered_set<std::string> variables_;
    std::vector<Block> blocks_;
    std::vector<SourceError> errors_;
};

}  // namespace

std::vector<SourceError> CheckSource(const std::vector<std::string>& lines) { return Checker(lines).Run(); }

}  // namespace duze
