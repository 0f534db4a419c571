// The build bar (dialog bar 103, docked at the bottom, shown and hidden by command 32774):
// the build list (id 1010) of the last compile, and the document path it was made for,
// so stepping through its errors works whichever document is current.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "qtplatform/dialog_bar.h"

namespace quillet {

class CBuildBar : public qtplatform::DialogBar {
public:
    // A double-click on a list line.
    CBuildBar(QMainWindow& frame, std::function<void(int line)> onLineChosen);

    QListWidget& List() const { return *list_; }
    // Shows the bar with the lines, made for the document at the path.
    void ShowList(const std::vector<std::string>& lines, const std::string& documentPath);
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& ListedPath() const { return listedPath_; }
    void SelectLine(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitList();

    QListWidget* list_;
    std::vector<std::string> lines_;
    std::string listedPath_;
};

}  // namespace quillet
