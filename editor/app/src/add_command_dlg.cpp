#include "add_command_dlg.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "quillet/command_list.h"

namespace quillet {

CAddCommandDlg::CAddCommandDlg(CommandList& commands, QWidget* parent) : Dialog(parent), commands_(commands) {
    setWindowTitle(QStringLiteral("Add New Command"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(qtplatform::WithId(new QLineEdit, kName));
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

void CAddCommandDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kName, name_);
    dx.MaxChars(name_, static_cast<int>(kCommandNameWidth));
}

void CAddCommandDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!name_.empty()) {
        switch (commands_.AddCommand(name_)) {
            case AddCommandResult::Added:
                platform::MessageBox(kCommandAddedMessage, {}, platform::MbIcon::Information);
                added_ = true;
                break;
            case AddCommandResult::Exists:
                platform::MessageBox(kCommandExistsMessage, {}, platform::MbIcon::Information);
                break;
            case AddCommandResult::Failed:
                platform::MessageBox(kCommandNotAddedMessage, {}, platform::MbIcon::Information);
                break;
        }
    }
    EndDialog(Accepted);
}

}  // namespace quillet
