#include "textorin/create_txt.h"

#include <cerrno>
#include <string>

#include "adf/definition.h"
#include "adventure_source.h"
#include "file_error_cause.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "source_path.h"

namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

constexpr const char* kOpenAdfFailed =
    "An error occured while opening the adf file\nIf the file was created you might be able to retry";
constexpr const char* kNotATxtPath =
    "The system was attempting to pass an invalid file\nThe created file must have a TXT Extenstion";
constexpr const char* kEditFailed =
    "An error occured while editing the existing file\nError Number %d\nThe system cannot continue.";
constexpr const char* kCreateFailed =
    "An error occured while creating the new file\nError Number %d\nThe system cannot continue.";
constexpr const char* kAskCreate = "The file does not exist would you like to create it\n\n(";

void ShowInformation(const std::string& text) { platform::MessageBox(text, {}, MbIcon::Information); }

void ShowFileFailure(const char* format, int savedErrno) {
    int cause = static_cast<int>(textorin::FileErrorCauseFromErrno(savedErrno));
    ShowInformation(platform::Format(format, cause));
}

// The source path to write, or empty after the refusal has been shown.
std::string ChooseSourcePath(const std::string& adfPath, const char* txtPath) {
    std::string path = txtPath ? txtPath : "";
    if (path.empty()) path = textorin::ReplaceFileExtension(adfPath, "adf", "txt");
    // The definition itself is never written over.
    if (!path.ends_with("txt") || path == adfPath) {
        platform::MessageBox(kNotATxtPath);
        return {};
    }
    return path;
}

enum class SourceFile { Existing, New, Refused };

// An existing source is replaced (one that cannot be written is reported as such when
// the writing fails); only for a source that does not exist is the user asked whether
// to create it.
SourceFile CheckSource(const std::string& path) {
    if (platform::FindFile(path)) return SourceFile::Existing;
    if (platform::MessageBox(kAskCreate + path + ")", {}, MbIcon::Question, MbButtons::YesNo) != MbResult::Yes)
        return SourceFile::Refused;
    return SourceFile::New;
}

}  // namespace

// The source is generated in memory and replaces the file whole: a full disk or a kill
// in mid-write leaves the older source as it was, never a part of the new one.
extern "C" TEXTORIN_API bool CreateTxt(const char* adfPath, const char* txtPath, int overwrite) {
    // An existing source is replaced whether or not overwrite is set, so none of its
    // old text stays behind the new source.
    (void)overwrite;
    std::string definitionPath = adfPath ? adfPath : "";
    adf::Definition definition;
    if (definitionPath.empty() || !definition.Load(definitionPath)) {
        ShowInformation(kOpenAdfFailed);
        return false;
    }
    std::string sourcePath = ChooseSourcePath(definitionPath, txtPath);
    if (sourcePath.empty()) return false;
    const SourceFile file = CheckSource(sourcePath);
    if (file == SourceFile::Refused) return false;
    if (!platform::ReplaceText(sourcePath, textorin::WriteAdventureSource(definition))) {
        ShowFileFailure(file == SourceFile::Existing ? kEditFailed : kCreateFailed, errno);
        return false;
    }
    return true;
}
