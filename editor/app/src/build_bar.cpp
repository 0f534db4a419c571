#include "build_bar.h"

#include <QEvent>

#include "command_ids.h"
#include "qtplatform/text.h"

namespace quillet {
namespace {

constexpr QSize kTemplateUnits(300, 60);
constexpr int kListMargin = 3;

}  // namespace

CBuildBar::CBuildBar(QMainWindow& frame, std::function<void(int line)> onLineChosen)
    : DialogBar(frame, kCmdViewBuildBar, Qt::BottomDockWidgetArea, kTemplateUnits), list_(new QListWidget) {
    setWindowTitle(QStringLiteral("Build"));
    setObjectName(QStringLiteral("buildBar"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    AddControl(list_, kBuildListId, QRect(QPoint(0, 0), kTemplateUnits));
    FitList();
    Client().installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this, chosen = std::move(onLineChosen)](QListWidgetItem* item) { chosen(list_->row(item)); });
}

bool CBuildBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Client() && event->type() == QEvent::Resize) FitList();
    return DialogBar::eventFilter(watched, event);
}

void CBuildBar::FitList() { list_->setGeometry(Client().rect().adjusted(0, kListMargin, 0, -kListMargin)); }

void CBuildBar::ShowList(const std::vector<std::string>& lines, const std::string& documentPath) {
    show();
    FitList();
    list_->clear();
    for (const std::string& line : lines) list_->addItem(qtplatform::ToQString(line));
    lines_ = lines;
    listedPath_ = documentPath;
}

void CBuildBar::SelectLine(int line) { list_->setCurrentRow(line); }

}  // namespace quillet
