// The view of one document: its text control (id 1000) filling the view less 5 pixels on
// every side, coloured as the text changes, indented after Enter, and searched by Find,
// Repeat Search, Jump to line and the label tree. A change that makes, changes or unmakes
// a label line asks for a new label scan of the document.
#pragma once

#include <QWidget>
#include <string>

#include "quillet/text_search.h"

namespace quillet {

class CQuilletDoc;
class CSourceEdit;
class SourceHighlighter;
class ViewHost;

inline constexpr const char* kLargeFileQuestion =
    "Because of the size of the selected file,\nThe system is going to take a long time to load it with colour.\n"
    "Do you want to load the file with colours?";
inline constexpr std::size_t kLargeFileBytes = 60001;
inline constexpr const char* kEndOfFileQuestion = "Reached end of file\nDo you wish to continue";

class CQuilletView : public QWidget {
public:
    CQuilletView(CQuilletDoc& document, ViewHost& host, bool autoTab, QWidget* parent = nullptr);
    ~CQuilletView() override;

    CQuilletDoc& GetDocument() const { return document_; }
    CSourceEdit& Edit() const { return *edit_; }
    SourceHighlighter& Highlighter() const { return *highlighter_; }

    // Loads the document's file when it has a path, puts the caret at the start, asks for
    // the first label scan and makes this the current view. False when the file cannot be
    // read.
    bool OnInitialUpdate();
    // False when the file cannot be read (the view stays empty).
    bool LoadFile(const std::string& path);
    // Loads the document's file in place of the text, puts the caret at the start and asks
    // for a label scan. False, the text as it was, when the file cannot be read.
    bool LoadDocumentFile();

    std::string Text() const;
    int LineCount() const;
    int CaretLine() const;
    std::string GetLineText(int line) const;  // -1: the caret line
    // The caret at the line's start, or the whole line selected.
    void SelectLine(int line, bool whole);
    // Colours the whole text again, as it stands.
    void Recolour();

    bool AutoTabOn() const { return autoTab_; }
    void SetAutoTab(bool on) { autoTab_ = on; }
    void OnAutoTab() { autoTab_ = !autoTab_; }

    void OnFind();
    void OnRepeatSearch() { FindNext(true, true, {}); }
    // The next occurrence of the text (or the kept search text) after the selection.
    bool FindNext(bool ask, bool select, const std::string& text);
    // The caret to the line that defines the label, the next one after the caret line first.
    bool GoToLabel(const std::string& label);
    void OnJumpToLine();
    // Selects [start, end) of the text, scrolled into view from below.
    void SelectText(std::size_t start, std::size_t end);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The caret line's text as it stands, for the next change to compare with.
    void KeepCaretLine();
    void OnKeyPressed();
    void AutoTab();
    void OnEditChange();
    void OnSelChange();
    void OnSetFocus();
    void ShowAtTop(int position);

    CQuilletDoc& document_;
    ViewHost& host_;
    CSourceEdit* edit_;
    SourceHighlighter* highlighter_;
    bool autoTab_;
    std::string caretLineText_;
    int caretLineRevision_ = 0;  // the text's revision when the caret line's text was kept
    int lineCount_ = 1;
    bool loading_ = false;
};

}  // namespace quillet
