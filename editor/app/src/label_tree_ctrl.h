// The workstation's tree (id 1014): folders, the files in them and the labels of each
// file, every level in alphabetical order. Each item keeps its image number (0 a label,
// 1 a file, 2 the current document's file, 3 a folder), which its tool tip shows over the
// icon ("Image : %d"); elsewhere the tip shows the item's state ("State : %d").
#pragma once

#include <QTreeWidget>

namespace quillet {

enum TreeImage : int { kImageLabel = 0, kImageFile = 1, kImageCurrentFile = 2, kImageFolder = 3 };

class CLabelTreeCtrl : public QTreeWidget {
public:
    explicit CLabelTreeCtrl(QWidget* parent = nullptr);

    static int ImageOf(const QTreeWidgetItem& item);
    static void SetImage(QTreeWidgetItem& item, int image);

protected:
    bool viewportEvent(QEvent* event) override;
};

}  // namespace quillet
