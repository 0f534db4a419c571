#include "source_writer.h"

#include <cstdarg>

#include "platform/text.h"

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
    platform::AppendFormatV(text_, format, args);
    va_end(args);
}

}  // namespace textorin
