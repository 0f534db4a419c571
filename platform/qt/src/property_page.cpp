#include "qtplatform/property_page.h"

#include "qtplatform/property_sheet.h"

namespace qtplatform {

PropertyPage::PropertyPage(std::string caption)
    : ExchangeOwner(static_cast<QWidget&>(*this)), caption_(std::move(caption)) {}

PropertyPage::~PropertyPage() = default;

void PropertyPage::SetModified(bool changed) {
    modified_ = changed;
    if (sheet_ != nullptr) sheet_->UpdateApplyButton();
}

bool PropertyPage::OnSetActive() {
    if (firstActivation_)
        firstActivation_ = false;
    else
        UpdateData(false);
    return true;
}

bool PropertyPage::OnKillActive() { return UpdateData(true); }

void PropertyPage::OnOK() {}

bool PropertyPage::OnApply() {
    OnOK();
    modified_ = false;
    return true;
}

void PropertyPage::OnCancel() {}

void PropertyPage::MakeWindow(PropertySheet& sheet) {
    sheet_ = &sheet;
    hasWindow_ = true;
    firstActivation_ = true;
    OnInitDialog();
}

void PropertyPage::DropWindow() {
    hasWindow_ = false;
    modified_ = false;
}

}  // namespace qtplatform
