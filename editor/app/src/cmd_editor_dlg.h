// The command editor (dialog 164 "Cmd editor"): the command list's entries by name and
// type; "&Add" runs Add New Command, "&Delete" removes the selected entry. Every change is
// saved at once; Changed tells the caller that the list changed.
#pragma once

#include <QPushButton>

#include "qtplatform/dialog.h"
#include "qtplatform/report_list.h"

namespace quillet {

class CommandList;

inline constexpr const char* kDeleteQuestion = "Are you sure you want to delete this item";
inline constexpr const char* kDeleteFailedMessage = "An error occured durring deletion";

class CCmdEditorDlg : public qtplatform::Dialog {
public:
    enum Control : int { kList = 1006, kAdd = 1020, kDelete = 1022 };

    explicit CCmdEditorDlg(CommandList& commands, QWidget* parent = nullptr);

    bool Changed() const { return changed_; }

protected:
    bool OnInitDialog() override;

private:
    void FillList();
    void OnAdd();
    void OnDelete();

    CommandList& commands_;
    qtplatform::ReportList* list_;
    QPushButton* delete_;
    bool changed_ = false;
};

}  // namespace quillet
