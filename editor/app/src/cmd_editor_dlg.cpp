#include "cmd_editor_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "add_command_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "quillet/command_list.h"

namespace quillet {
namespace {

constexpr int kListWidth = 360;
constexpr int kListFrame = 4;

}  // namespace

CCmdEditorDlg::CCmdEditorDlg(CommandList& commands, QWidget* parent)
    : Dialog(parent),
      commands_(commands),
      list_(qtplatform::WithId(new qtplatform::ReportList, kList)),
      delete_(qtplatform::WithId(new QPushButton(QStringLiteral("&Delete")), kDelete)) {
    setWindowTitle(QStringLiteral("Cmd editor"));
    list_->setMinimumWidth(kListWidth);
    auto* add = qtplatform::WithId(new QPushButton(QStringLiteral("&Add")), kAdd);
    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(delete_, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { delete_->setEnabled(list_->SelectedRow() >= 0); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

bool CCmdEditorDlg::OnInitDialog() {
    const int name = kListWidth - kListFrame;
    list_->SetColumns({{"Name", name}, {"Type", name / 2}});
    list_->SetFullRowSelect(true);
    FillList();
    delete_->setEnabled(false);
    return Dialog::OnInitDialog();
}

void CCmdEditorDlg::FillList() {
    list_->DeleteAllRows();
    for (const std::string& entry : commands_.Entries()) {
        const int row = list_->InsertRow(list_->RowCount(), std::string(EntryName(entry)));
        list_->SetCell(row, 1, std::string(EntryType(entry)));
    }
}

void CCmdEditorDlg::OnAdd() {
    CAddCommandDlg dialog(commands_, this);
    dialog.exec();
    if (dialog.Added()) changed_ = true;
    FillList();
}

void CCmdEditorDlg::OnDelete() {
    const int row = list_->SelectedRow();
    if (row < 0) return;
    if (platform::MessageBox(kDeleteQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo, 1) !=
        platform::MbResult::Yes)
        return;
    if (commands_.DeleteCommand(CommandField(list_->Cell(row, 0))) == DeleteCommandResult::Deleted) {
        changed_ = true;
        FillList();
        delete_->setEnabled(false);
    } else {
        platform::MessageBox(kDeleteFailedMessage, {}, platform::MbIcon::Information);
    }
}

}  // namespace quillet
