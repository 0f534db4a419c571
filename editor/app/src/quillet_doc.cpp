#include "quillet_doc.h"

#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "qtplatform/feedback.h"
#include "quillet/source_file.h"
#include "quillet_view.h"

namespace quillet {

CQuilletDoc::CQuilletDoc(std::string untitledTitle) : title_(std::move(untitledTitle)) {}

std::string CQuilletDoc::GetTitle() const { return modified_ ? title_ + " *" : title_; }

void CQuilletDoc::SetModifiedFlag(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit TitleChanged();
}

void CQuilletDoc::SetPath(const std::string& path) {
    path_ = path;
    title_ = platform::WindowsNamePart(path);
    emit TitleChanged();
}

void CQuilletDoc::OnOpenDocument(const std::string& path) { SetPath(path); }

bool CQuilletDoc::OnSaveDocument(const std::string& path, bool reportFailure) {
    const qtplatform::WaitCursor wait;
    const std::string text = view_ != nullptr ? view_->Text() : std::string();
    if (!WriteSourceText(path, text)) {
        if (reportFailure)
            platform::MessageBox(platform::Format(kSaveFailedMessage, path.c_str()), {}, platform::MbIcon::Stop);
        return false;
    }
    modified_ = false;
    SetPath(path);
    return true;
}

}  // namespace quillet
