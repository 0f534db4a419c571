#include "wxapp/file_choosers.h"

#include "qtplatform/file_chooser.h"

namespace wxapp {

std::optional<std::string> ChooseWeatherFileToOpen(QWidget* parent, const std::string& startFolder) {
    qtplatform::FileChooserRequest request;
    request.mode = qtplatform::FileChooserMode::Open;
    request.filter = "Wx Files (Weather)|*.wx||";
    request.initialFolder = startFolder;
    return qtplatform::ChooseFile(request, parent);
}

std::optional<std::string> ChooseNewWeatherFile(QWidget* parent, const std::string& startFolder) {
    qtplatform::FileChooserRequest request;
    request.mode = qtplatform::FileChooserMode::Save;
    request.filter = "Weather files (*.wx) | *.wx";
    request.initialFolder = startFolder;
    request.fileName = "Default.wx";
    request.defaultExtension = "wx";
    request.confirmOverwrite = true;
    return qtplatform::ChooseFile(request, parent);
}

}  // namespace wxapp
