#include "wxapp/file_choosers.h"

#include <QFileDialog>

#include "platform/paths.h"
#include "qtplatform/text.h"

namespace wxapp {
namespace {

// Built by hand, not the desktop's own dialog, so that it runs on every platform the same.
std::optional<std::string> Choose(QWidget* parent, QFileDialog::AcceptMode mode, const char* filter,
                                  const std::string& startFolder) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromLatin1(filter));
    if (!startFolder.empty())
        dialog.setDirectory(QString::fromStdString(platform::HostPath(startFolder).string()));
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(QStringLiteral("wx"));
        dialog.selectFile(QStringLiteral("Default.wx"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> ChooseWeatherFileToOpen(QWidget* parent, const std::string& startFolder) {
    return Choose(parent, QFileDialog::AcceptOpen, "Wx Files (Weather) (*.wx)", startFolder);
}

std::optional<std::string> ChooseNewWeatherFile(QWidget* parent, const std::string& startFolder) {
    return Choose(parent, QFileDialog::AcceptSave, "Weather files (*.wx)", startFolder);
}

}  // namespace wxapp
