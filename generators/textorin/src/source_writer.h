// The line writer of one generation run: collects the source text in memory (LF line
// ends; the file writer turns them into CR LF) with the banner and rule helpers every
// section uses.
#pragma once

#include <string>
#include <string_view>

namespace textorin {

class SourceWriter {
public:
    // Writes the text unchanged; it adds no line end.
    void WriteLine(std::string_view text) { text_ += text; }
    void WriteBlankLine() { text_ += '\n'; }
    // An apostrophe and 90 asterisks.
    void WriteRule();
    // Rule line, "'\t" + title, rule line.
    void WriteBanner(std::string_view title);
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace textorin
