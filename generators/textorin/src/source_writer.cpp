#include "source_writer.h"

#include <cstdarg>
#include <cstdio>

namespace textorin {
namespace {

constexpr size_t kRuleStars = 90;

}  // namespace

void SourceWriter::WriteRule() {
    text_ += '\'';
    text_.append(kRuleStars, '*');
    text_ += '\n';
}

void SourceWriter::WriteBanner(std::string_view title) {
    WriteRule();
    text_ += "'\t";
    text_ += title;
    text_ += '\n';
    WriteRule();
}

void SourceWriter::Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size > 0) {
        size_t start = text_.size();
        text_.resize(start + static_cast<size_t>(size) + 1);
        std::vsnprintf(text_.data() + start, static_cast<size_t>(size) + 1, format, args);
        text_.resize(start + static_cast<size_t>(size));
    }
    va_end(args);
}

}  // namespace textorin
