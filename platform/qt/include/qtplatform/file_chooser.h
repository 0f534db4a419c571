// Choosing a file to open or to save as, and a folder: seams, a Qt file dialog by
// default, answered in tests by a FileChooserRecorder or a FolderChooserRecorder. The
// answers are Windows paths on the suite's drives; nullopt is Cancel.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/seam.h"

namespace qtplatform {

enum class FileChooserMode { Open, Save };

struct FileChooserRequest {
    FileChooserMode mode = FileChooserMode::Open;
    std::string title;              // empty: the dialog's own
    std::string filter;             // the class library's form: "Valid map, *.adf|*.adf||"
    std::string initialFolder;      // a Windows path; empty: the current folder
    std::string fileName;           // the name proposed
    std::string defaultExtension;   // added to a name typed without one ("adf")
    bool confirmOverwrite = false;  // saving over a file asks first
};

struct FolderChooserRequest {
    std::string title;
    std::string initialFolder;  // a Windows path
};

using ChosenPath = std::optional<std::string>;
using FileChooserHandler = std::function<ChosenPath(const FileChooserRequest&)>;
using FolderChooserHandler = std::function<ChosenPath(const FolderChooserRequest&)>;

ChosenPath ChooseFile(const FileChooserRequest& request, QWidget* parent = nullptr);
ChosenPath ChooseFolder(const FolderChooserRequest& request, QWidget* parent = nullptr);

// Install a handler in place of the dialogs; an empty one brings them back.
FileChooserHandler SetFileChooserHandler(FileChooserHandler handler);
FolderChooserHandler SetFolderChooserHandler(FolderChooserHandler handler);

// Each request answered with the next path of the script, then with Cancel.
class FileChooserRecorder : public platform::SeamRecorder<FileChooserRequest, ChosenPath> {
public:
    explicit FileChooserRecorder(std::vector<ChosenPath> answers = {})
        : SeamRecorder(&SetFileChooserHandler, std::move(answers), std::nullopt) {}
};
class FolderChooserRecorder : public platform::SeamRecorder<FolderChooserRequest, ChosenPath> {
public:
    explicit FolderChooserRecorder(std::vector<ChosenPath> answers = {})
        : SeamRecorder(&SetFolderChooserHandler, std::move(answers), std::nullopt) {}
};

// The class library's filter as Qt's name filters: "Valid map, *.adf|*.adf||" gives
// "Valid map, *.adf (*.adf)"; patterns separated by ";" become one filter's patterns.
QStringList NameFilters(std::string_view filter);

}  // namespace qtplatform
