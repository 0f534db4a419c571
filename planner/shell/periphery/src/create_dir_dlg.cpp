#include "periphery/create_dir_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "icarune/icarune.h"
#include "periphery/config_values.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace trevalo {
namespace {
constexpr int kFs2002 = 8;
}  // namespace

std::string Fs2002Folder(BoundFunction<LoadRegFunction>& loadReg) {
    LoadRegFunction* function = loadReg.Get();
    if (function == nullptr) return {};
    char folder[kIcaruneFolderSize] = {};
    return function(folder, kFs2002) != 0 ? std::string(folder) : std::string();
}

CCreateDirDlg::CCreateDirDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("Create New Dir"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter new Directory name")));
    layout->addWidget(qtplatform::WithId(new QLineEdit, kName));
    layout->addWidget(
        qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, {.ok = "&Create"}));
}

void CCreateDirDlg::DoDataExchange(qtplatform::DataExchange& dx) { dx.Text(kName, name_); }

void CCreateDirDlg::OnOK() {
    if (loadReg_.Get() == nullptr || !UpdateData(true)) return;
    if (name_.empty()) return EndDialog(Rejected);
    const std::string fs2002 = Fs2002Folder(loadReg_);
    if (fs2002.empty()) {
        platform::MessageBox(kNoFs2002Message, kCannotCreateCaption, platform::MbIcon::Information);
        return EndDialog(Rejected);
    }
    // One new folder inside the flights folder, nowhere else.
    const std::string path = platform::JoinWindowsPath(fs2002, "flights\\" + name_);
    if (!IsPlainFolderName(name_) || platform::FileExists(path) || !platform::CreateDirectory(path)) {
        platform::MessageBox(kCreateFolderFailedMessage, kCannotCreateCaption, platform::MbIcon::Information);
        return;
    }
    platform::MessageBox(kFolderCreatedMessage, kFolderCreatedCaption, platform::MbIcon::Information);
    EndDialog(Accepted);
}

}  // namespace trevalo
