#include "textorin/create_txt.h"

#include <cerrno>
#include <string>

#include "adf/definition.h"
#include "adventure_source.h"
#include "file_error_cause.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "source_path.h"
#include "text_format.h"

namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;
using platform::TextFile;

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

void ShowOpenFailure(const char* format, int savedErrno) {
    int cause = static_cast<int>(textorin::FileErrorCauseFromErrno(savedErrno));
    ShowInformation(textorin::Format(format, cause));
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

// Opens the source for writing, cut to zero length; false after its message box.
bool OpenSource(TextFile& source, const std::string& path) {
    if (source.Open(path, TextFile::Mode::ReadWrite)) {
        // Existing text is always replaced, so none of it stays behind the new source.
        source.Close();
        if (!source.Open(path, TextFile::Mode::Write)) {
            ShowOpenFailure(kEditFailed, errno);
            return false;
        }
        return true;
    }
    if (platform::MessageBox(kAskCreate + path + ")", {}, MbIcon::Question, MbButtons::YesNo) != MbResult::Yes)
        return false;
    if (!source.Open(path, TextFile::Mode::Write)) {
        ShowOpenFailure(kCreateFailed, errno);
        return false;
    }
    return true;
}

}  // namespace

extern "C" TEXTORIN_API bool CreateTxt(const char* adfPath, const char* txtPath, int overwrite) {
    // An existing source is replaced whether or not overwrite is set (see OpenSource).
    (void)overwrite;
    std::string definitionPath = adfPath ? adfPath : "";
    adf::Definition definition;
    if (definitionPath.empty() || !definition.Load(definitionPath)) {
        ShowInformation(kOpenAdfFailed);
        return false;
    }
    std::string sourcePath = ChooseSourcePath(definitionPath, txtPath);
    if (sourcePath.empty()) return false;
    TextFile source;
    if (!OpenSource(source, sourcePath)) return false;
    source.WriteString(textorin::WriteAdventureSource(definition));
    source.Close();
    return true;
}
