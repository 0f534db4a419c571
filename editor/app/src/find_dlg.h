// The application's Find dialog (158 "Find"): the search text with the history of texts
// searched in this run (newest first), Match Case and Match Whole word. It lives as long
// as the program; its text and options are the ones Repeat Search uses.
#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

#include "qtplatform/dialog.h"
#include "quillet/text_search.h"

namespace quillet {

inline constexpr const char* kCannotFindMessage = "Cannot find '%s'";

class CFindDlg : public qtplatform::Dialog {
public:
    enum Control : int { kWhat = 1015, kWholeWord = 1016, kMatchCase = 1017 };

    // Searches the current view for the text; true when found (and selected).
    using Search = std::function<bool(const std::string& text, FindOptions options)>;

    explicit CFindDlg(QWidget* parent = nullptr);

    // Shows the dialog modally with the proposal as its text; true when the text was found.
    // Without a search (no document open) "&Find" keeps the text and closes.
    bool Run(const std::string& proposal, Search search);

    const std::string& SearchText() const { return text_; }
    FindOptions Options() const { return {matchCase_, wholeWord_}; }
    const std::vector<std::string>& History() const { return history_; }  // oldest first

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    void Remember(const std::string& text);

    std::string text_;
    bool matchCase_ = false;
    bool wholeWord_ = false;
    std::vector<std::string> history_;
    Search search_;
    QComboBox* what_;
};

}  // namespace quillet
