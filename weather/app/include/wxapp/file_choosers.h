// The file dialogs of the weather editor. Each starts in a folder given as a Windows path
// and gives the chosen file's Windows path, or nothing when cancelled.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace wxapp {

// "Get Wx": an existing weather file ("Wx Files (Weather)", *.wx).
std::optional<std::string> ChooseWeatherFileToOpen(QWidget* parent, const std::string& startFolder);
// A new global weather file ("Weather files", *.wx, "Default.wx" proposed, extension
// "wx" added); an existing file is replaced only when the user agrees.
std::optional<std::string> ChooseNewWeatherFile(QWidget* parent, const std::string& startFolder);

}  // namespace wxapp
