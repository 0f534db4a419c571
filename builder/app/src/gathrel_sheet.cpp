#include "gathrelapp/gathrel_sheet.h"

#include "gathrelapp/busy_message.h"
#include "platform/message_box.h"

namespace gathrelapp {

CGathrelSheet::CGathrelSheet(std::string baseDirectory, QWidget* parent)
    : PropertySheet("Airport/Navaid Loader", parent),
      baseDirectory_(std::move(baseDirectory)),
      paths_(gathrel::DatabasePathsIn(baseDirectory_)),
      database_(gathrel::LoadBuilderDatabase(paths_)),
      airport_(database_),
      navaids_(database_, paths_, job_),
      files_(database_, paths_, baseDirectory_, job_) {
    AddPage(airport_);
    AddPage(navaids_);
    AddPage(files_);
    SetActivePage(files_);
}

// The worker writes into the Files page's results: it is stopped before the pages go.
CGathrelSheet::~CGathrelSheet() { job_.Stop(); }

bool CGathrelSheet::SaveNavFiles() {
    std::string failedPath;
    if (gathrel::SaveBuilderDatabase(database_, paths_, failedPath)) return true;
    platform::MessageBox(gathrel::SaveFailedMessage(failedPath), {}, platform::MbIcon::Stop);
    return false;
}

void CGathrelSheet::OnOK() {
    if (RefusedWhileBusy(job_) || !SaveNavFiles()) return;
    PropertySheet::OnOK();
}

// Cancel closes as OK does: the navaid page has already written its changes, and a
// merge's results are kept.
void CGathrelSheet::OnCancel() {
    if (RefusedWhileBusy(job_) || !SaveNavFiles()) return;
    PropertySheet::OnCancel();
}

// A scan stopped here writes nothing and a merge's results are dropped, so no file is
// left half written; what was unsaved before is saved once.
void CGathrelSheet::OnClose() {
    job_.Stop();
    files_.DropWork();
    SaveNavFiles();
    PropertySheet::OnCancel();
}

}  // namespace gathrelapp
