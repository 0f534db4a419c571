#include "qtplatform/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

constexpr char kFilterSeparator = '|';
constexpr const char* kOutsideDrivesMessage = "The place chosen, '%s', is on none of the drives.";
constexpr const char* kReplaceMessage = "%s already exists.\nDo you want to replace it?";
constexpr const char* kSaveAsCaption = "Save As";

platform::SeamSlot<FileChooserHandler>& FileSlot() {
    static platform::SeamSlot<FileChooserHandler> slot;
    return slot;
}

platform::SeamSlot<FolderChooserHandler>& FolderSlot() {
    static platform::SeamSlot<FolderChooserHandler> slot;
    return slot;
}

QString HostFolder(const std::string& windowsFolder) {
    return windowsFolder.empty() ? QString() : QString::fromStdString(platform::HostPath(windowsFolder).string());
}

// The Windows path of what the dialog gave; a place off the drives is reported and
// taken as Cancel, since no Windows path names it.
ChosenPath ToWindowsPath(const QString& host) {
    if (host.isEmpty()) return std::nullopt;
    const std::string path = host.toStdString();
    if (std::optional<std::string> windows = platform::WindowsPathOf(path)) return windows;
    platform::MessageBox(platform::Format(kOutsideDrivesMessage, path.c_str()), {}, platform::MbIcon::Information);
    return std::nullopt;
}

// Saving over a file asks through the platform's message box, so that tests answer it.
bool MayReplace(const QString& host) {
    if (!QFileInfo::exists(host)) return true;
    const std::string question = platform::Format(kReplaceMessage, QFileInfo(host).fileName().toStdString().c_str());
    return platform::MessageBox(question, kSaveAsCaption, platform::MbIcon::Exclamation, platform::MbButtons::YesNo) ==
           platform::MbResult::Yes;
}

ChosenPath RunFileDialog(const FileChooserRequest& request, QWidget* parent) {
    QFileDialog dialog(parent, ToQString(request.title), HostFolder(request.initialFolder));
    const bool saving = request.mode == FileChooserMode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (const QStringList filters = NameFilters(request.filter); !filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString chosen = dialog.selectedFiles().front();
        // Refusing to replace the file goes back to the dialog, as the class library's does.
        if (saving && request.confirmOverwrite && !MayReplace(chosen)) continue;
        return ToWindowsPath(chosen);
    }
}

ChosenPath RunFolderDialog(const FolderChooserRequest& request, QWidget* parent) {
    return ToWindowsPath(
        QFileDialog::getExistingDirectory(parent, ToQString(request.title), HostFolder(request.initialFolder)));
}

}  // namespace

QStringList NameFilters(std::string_view filter) {
    QStringList filters;
    while (!filter.empty()) {
        const std::size_t descriptionEnd = filter.find(kFilterSeparator);
        if (descriptionEnd == std::string_view::npos || descriptionEnd == 0) break;
        const std::string_view description = filter.substr(0, descriptionEnd);
        filter.remove_prefix(descriptionEnd + 1);
        const std::size_t patternEnd = std::min(filter.find(kFilterSeparator), filter.size());
        QString patterns = ToQString(std::string(filter.substr(0, patternEnd)));
        patterns.replace(';', ' ');
        filters << ToQString(std::string(description)) + " (" + patterns + ")";
        filter.remove_prefix(std::min(patternEnd + 1, filter.size()));
    }
    return filters;
}

ChosenPath ChooseFile(const FileChooserRequest& request, QWidget* parent) {
    if (const FileChooserHandler handler = FileSlot().Current()) return handler(request);
    return RunFileDialog(request, parent);
}

ChosenPath ChooseFolder(const FolderChooserRequest& request, QWidget* parent) {
    if (const FolderChooserHandler handler = FolderSlot().Current()) return handler(request);
    return RunFolderDialog(request, parent);
}

FileChooserHandler SetFileChooserHandler(FileChooserHandler handler) { return FileSlot().Swap(std::move(handler)); }

FolderChooserHandler SetFolderChooserHandler(FolderChooserHandler handler) {
    return FolderSlot().Swap(std::move(handler));
}

}  // namespace qtplatform
