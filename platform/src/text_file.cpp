#include "platform/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

#include "atomic_replace.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "write_access.h"

namespace platform {
namespace {

constexpr const char* kLineEnd = "\r\n";

const char* OpenModeText(TextFile::Mode mode) {
    switch (mode) {
        case TextFile::Mode::Read:
            return "rb";
        case TextFile::Mode::Write:
            return "wb";
        case TextFile::Mode::Append:
            return "ab";
        case TextFile::Mode::ReadWrite:
            return "r+b";
    }
    return "rb";
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    // Whole runs between line feeds at a time.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string::npos) {
            out.append(text, start, std::string::npos);
            break;
        }
        out.append(text, start, feed - start).append(kLineEnd);
        start = feed + 1;
    }
    return out;
}

}  // namespace

TextFile::~TextFile() { Close(); }

bool TextFile::Open(const std::string& windowsPath, Mode mode) {
    Close();
    const std::filesystem::path host = HostPath(windowsPath);
    if (mode != Mode::Read && IsReadOnlyFile(host)) return false;
    file_ = std::fopen(host.c_str(), OpenModeText(mode));
    return file_ != nullptr;
}

bool TextFile::Close() {
    if (file_ == nullptr) return true;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
}

bool TextFile::ReadString(std::string& line) {
    line.clear();
    if (file_ == nullptr) return false;
    int c = 0;
    bool readAny = false;
    while ((c = std::fgetc(file_)) != EOF) {
        readAny = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
    if (c == EOF && !line.empty() && line.back() == '\r') line.pop_back();
    return readAny;
}

bool TextFile::WriteString(const std::string& text) {
    if (file_ == nullptr) return false;
    const std::string bytes = WithCrLf(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool TextFile::WriteLine(const std::string& text) { return WriteString(text + "\n"); }

int64_t TextFile::Tell() const {
    if (file_ == nullptr) return -1;
    return static_cast<int64_t>(std::ftell(file_));
}

bool TextFile::Seek(int64_t offset) {
    if (file_ == nullptr || offset < 0) return false;
    return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
}

int64_t TextFile::Length() const {
    if (file_ == nullptr) return -1;
    std::fflush(file_);
    struct stat info {};
    if (::fstat(::fileno(file_), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
}

bool ReadLines(const std::string& windowsPath, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (!ReadFileBytes(windowsPath, bytes)) return false;
    // The lines as ReadString gives them, from the whole file read at once.
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const size_t lineFeed = rest.find('\n');
        std::string_view line = rest.substr(0, lineFeed);
        rest.remove_prefix(lineFeed == std::string_view::npos ? rest.size() : lineFeed + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return true;
}

bool ReplaceText(const std::string& windowsPath, const std::string& text) {
    return ReplaceFileAtomically(HostPath(windowsPath), WithCrLf(text));
}

bool WriteLines(const std::string& windowsPath, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + kLineEnd;
    return ReplaceFileAtomically(HostPath(windowsPath), bytes);
}

}  // namespace platform
