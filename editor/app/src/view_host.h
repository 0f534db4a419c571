// What a view asks of the program around it: the command list it colours with, the
// status pane, the label scan, the Find dialog's search, and being made the current view.
#pragma once

#include <string>

namespace quillet {

class CFindDlg;
class CQuilletDoc;
class CQuilletView;
class CommandList;

class ViewHost {
public:
    virtual ~ViewHost() = default;

    virtual const CommandList& Commands() const = 0;
    // The first pane of the status bar; an empty text clears it.
    virtual void ShowStatus(const std::string& text) = 0;
    // Scans the document's text as it now stands for its labels (on a worker).
    virtual void StartLabelScan(CQuilletDoc& document) = 0;
    // The view got the focus: it and its document become the current ones.
    virtual void OnViewActivated(CQuilletView& view) = 0;
    // The Find dialog, its search text and options.
    virtual CFindDlg& FindDialog() = 0;
    // Shows the Find dialog with the proposal over the view; true when it found the text.
    virtual bool RunFind(CQuilletView& view, const std::string& proposal) = 0;
};

}  // namespace quillet
