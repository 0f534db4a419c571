#include "quillet/source_file.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text_file.h"

namespace quillet {

std::string WithoutCarriageReturns(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != '\r'; });
    return kept;
}

bool ReadSourceText(const std::string& path, std::string& text) {
    std::string bytes;
    const bool read = platform::ReadFileBytes(path, bytes);
    text = WithoutCarriageReturns(bytes);
    return read;
}

bool WriteSourceText(const std::string& path, std::string_view text) {
    return platform::ReplaceText(path, WithoutCarriageReturns(text));
}

}  // namespace quillet
