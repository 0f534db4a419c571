#include "shell/trevalo_doc.h"

#include <algorithm>

#include "shell/trevalo_view.h"

namespace trevalo {
namespace {
// The one document type's name, numbered as new documents are.
constexpr const char* kFirstDocumentTitle = "Trevalo1";
}  // namespace

CTrevaloDoc::CTrevaloDoc(std::string baseDirectory)
    : pageSize_(GetPrinterPageSize()), title_(kFirstDocumentTitle), database_(std::move(baseDirectory)) {}

bool CTrevaloDoc::OnNewDocument() { return true; }

void CTrevaloDoc::OnPageSetupChanged() {
    pageSize_ = GetPrinterPageSize();
    UpdateAllViews();
}

void CTrevaloDoc::AddView(CTrevaloView* view) { views_.push_back(view); }

void CTrevaloDoc::RemoveView(CTrevaloView* view) { std::erase(views_, view); }

void CTrevaloDoc::UpdateAllViews() {
    for (CTrevaloView* view : views_) view->viewport()->update();
}

}  // namespace trevalo
