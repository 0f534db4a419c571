// The workstation bar (dialog bar 152, docked at the left, shown and hidden by command
// 32781): the tree of the recent files' and open documents' folders, their files and the
// labels of each scanned file. Folders and files are only ever added; a file's labels
// follow its last scan. A double-click opens a file, or opens a label's file and goes to
// the label.
#pragma once

#include <QTreeWidgetItem>
#include <functional>
#include <string>
#include <vector>

#include "qtplatform/dialog_bar.h"
#include "quillet/label_scan.h"

namespace quillet {

class CLabelTreeCtrl;

inline constexpr const char* kCannotOpenDocumentMessage =
    "This Document could not be opened\nPlease ensure that you have access right\n"
    "And that it is not opened by another aplication\n";

class CWorkstationBar : public qtplatform::DialogBar {
public:
    // A double-click: the file to open, and the label to go to in it (empty for a file).
    using Open = std::function<void(const std::string& path, const std::string& label)>;

    CWorkstationBar(QMainWindow& frame, Open open);

    CLabelTreeCtrl& Tree() const { return *tree_; }

    // Adds each of the recent files that exists.
    void FillFromRecentFiles(const std::vector<std::string>& paths);
    // The file's item under its folder's, both added when missing; nullptr when the file
    // does not exist. The current document's file is marked and selected, and no other.
    QTreeWidgetItem* AddFile(const std::string& path, bool current);
    // Makes the file's labels those found, keeping the items of labels it still has.
    void ApplyLabels(const std::string& path, bool current, const std::vector<SourceLabel>& labels);

    // The file that an item stands for, and its label (empty for a file or folder item).
    static std::string PathOf(const QTreeWidgetItem& item);
    static std::string LabelOf(const QTreeWidgetItem& item);

protected:
    // Keeps the tree fitted to the bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnDblClick(QTreeWidgetItem* item);
    void MarkCurrent(QTreeWidgetItem* file);

    CLabelTreeCtrl* tree_;
    Open open_;
};

}  // namespace quillet
