#include "workstation_bar.h"

#include <QEvent>
#include <QTreeWidgetItemIterator>
#include <set>

#include "command_ids.h"
#include "label_tree_ctrl.h"
#include "platform/file_search.h"
#include "platform/paths.h"
#include "qtplatform/text.h"

namespace quillet {
namespace {

constexpr QSize kTemplateUnits(120, 200);
constexpr int kTreeMarginLeft = 3;
constexpr int kTreeMarginTop = 6;
constexpr int kTreeMarginRight = 6;

// The child with the text, compared without regard to case as Windows names are.
QTreeWidgetItem* ChildNamed(QTreeWidgetItem* parent, const QString& text) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0).compare(text, Qt::CaseInsensitive) == 0) return parent->child(i);
    return nullptr;
}

QTreeWidgetItem* NewItem(const QString& text, int image) {
    auto* item = new QTreeWidgetItem(QStringList(text));
    CLabelTreeCtrl::SetImage(*item, image);
    return item;
}

// The folder as the tree shows it: without its final separator.
std::string FolderText(const std::string& path) {
    std::string folder = platform::WindowsFolderPart(path);
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

int LevelOf(const QTreeWidgetItem& item) {
    int level = 1;
    for (const QTreeWidgetItem* parent = item.parent(); parent != nullptr; parent = parent->parent()) ++level;
    return level;
}

}  // namespace

CWorkstationBar::CWorkstationBar(QMainWindow& frame, Open open)
    : DialogBar(frame, kCmdViewWorkstation, Qt::LeftDockWidgetArea, kTemplateUnits),
      tree_(new CLabelTreeCtrl),
      open_(std::move(open)) {
    setWindowTitle(QStringLiteral("Workstation"));
    setObjectName(QStringLiteral("workstationBar"));
    AddControl(tree_, kLabelTreeId, QRect(QPoint(0, 0), kTemplateUnits));
    tree_->setGeometry(Client().rect().adjusted(kTreeMarginLeft, kTreeMarginTop, -kTreeMarginRight, 0));
    Client().installEventFilter(this);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OnDblClick(item); });
}

bool CWorkstationBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Client() && event->type() == QEvent::Resize)
        tree_->setGeometry(Client().rect().adjusted(kTreeMarginLeft, kTreeMarginTop, -kTreeMarginRight, 0));
    return DialogBar::eventFilter(watched, event);
}

void CWorkstationBar::FillFromRecentFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!path.empty()) AddFile(path, false);
}

QTreeWidgetItem* CWorkstationBar::AddFile(const std::string& path, bool current) {
    const auto found = platform::FindFile(path);
    if (!found || found->isFolder) return nullptr;
    const QString folderText = qtplatform::ToQString(FolderText(path));
    QTreeWidgetItem* folder = ChildNamed(tree_->invisibleRootItem(), folderText);
    if (folder == nullptr) {
        folder = NewItem(folderText, kImageFolder);
        tree_->addTopLevelItem(folder);
    }
    const QString fileText = qtplatform::ToQString(platform::WindowsNamePart(path));
    QTreeWidgetItem* file = ChildNamed(folder, fileText);
    if (file == nullptr) {
        file = NewItem(fileText, kImageFile);
        folder->addChild(file);
    }
    if (current) MarkCurrent(file);
    return file;
}

void CWorkstationBar::MarkCurrent(QTreeWidgetItem* file) {
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it)
        if (LevelOf(**it) == 2) CLabelTreeCtrl::SetImage(**it, *it == file ? kImageCurrentFile : kImageFile);
    tree_->setCurrentItem(file);
}

void CWorkstationBar::ApplyLabels(const std::string& path, bool current, const std::vector<SourceLabel>& labels) {
    QTreeWidgetItem* file = AddFile(path, current);
    if (file == nullptr) return;
    std::set<QString> found;
    for (const SourceLabel& label : labels) found.insert(qtplatform::ToQString(label.name));
    std::set<QString> shown;
    for (int i = file->childCount() - 1; i >= 0; --i) {
        const QString text = file->child(i)->text(0);
        if (found.count(text) == 0)
            delete file->takeChild(i);
        else
            shown.insert(text);
    }
    for (const QString& label : found)
        if (shown.count(label) == 0) file->addChild(NewItem(label, kImageLabel));
}

std::string CWorkstationBar::PathOf(const QTreeWidgetItem& item) {
    const QTreeWidgetItem* file = LevelOf(item) == 3 ? item.parent() : &item;
    if (LevelOf(*file) != 2) return {};
    return qtplatform::FromQString(file->parent()->text(0)) + "\\" + qtplatform::FromQString(file->text(0));
}

std::string CWorkstationBar::LabelOf(const QTreeWidgetItem& item) {
    return LevelOf(item) == 3 ? qtplatform::FromQString(item.text(0)) : std::string();
}

void CWorkstationBar::OnDblClick(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const std::string path = PathOf(*item);
    if (!path.empty()) open_(path, LabelOf(*item));
}

}  // namespace quillet
