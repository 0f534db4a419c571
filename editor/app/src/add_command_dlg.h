// Add New Command (dialog 165): the name of a command of at most 30 characters, added to
// the command list and saved at once when OK is pressed.
#pragma once

#include <string>

#include "qtplatform/dialog.h"

namespace quillet {

class CommandList;

inline constexpr const char* kCommandAddedMessage = "The command has been added";
inline constexpr const char* kCommandExistsMessage = "This item exist already and was not added";
inline constexpr const char* kCommandNotAddedMessage = "An error occured and the item was not added";

class CAddCommandDlg : public qtplatform::Dialog {
public:
    enum Control : int { kName = 1007 };

    explicit CAddCommandDlg(CommandList& commands, QWidget* parent = nullptr);

    bool Added() const { return added_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    CommandList& commands_;
    std::string name_;
    bool added_ = false;
};

}  // namespace quillet
