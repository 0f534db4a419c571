// "Search" (dialog 129): the ident to look for on the airport and navaid pages.
#pragma once

#include <string>

#include "qtplatform/dialog.h"

namespace gathrelapp {

class CSearchDlg : public qtplatform::Dialog {
public:
    enum Control : int { kIdent = 1003 };

    explicit CSearchDlg(QWidget* parent = nullptr);

    const std::string& Ident() const { return ident_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    std::string ident_;
};

}  // namespace gathrelapp
