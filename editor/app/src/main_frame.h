// The editor's main frame: the documents' frames (always maximised, one tab each), the
// main toolbar and the configuration bar, the status bar of four panes, the build bar at
// the bottom and the workstation bar at the left. It steps through the build list's
// errors and runs the label scans of the documents.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

QT_BEGIN_NAMESPACE
class QLabel;
class QMdiArea;
class QToolBar;
QT_END_NAMESPACE

namespace quillet {

class CBuildBar;
class CChildFrame;
class CConfigBar;
class CEditorApp;
class CLabelScanner;
class CQuilletDoc;
class CWorkstationBar;

inline constexpr const char* kConfigBarSection = "ConfigBar";
inline constexpr const char* kToolBarSection = "ToolBar";

class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(CEditorApp& app);
    // Writes where the configuration bar and the toolbar stand.
    ~CMainFrame() override;

    // Commands, bars and panes, and the tree filled from the recent files; false when any
    // of them cannot be made.
    bool OnCreate();

    QMdiArea* MdiArea() const { return mdiArea_; }
    void AddChildFrame(CChildFrame* frame);
    CChildFrame* ActiveChildFrame() const;

    QToolBar& ToolBar() const { return *toolBar_; }
    CConfigBar& ConfigBar() const { return *configBar_; }
    CBuildBar& BuildBar() const { return *buildBar_; }
    CWorkstationBar& WorkstationBar() const { return *workstationBar_; }

    // The first pane of the status bar; empty clears it.
    void SetMessageText(const std::string& text);

    // The error index: the build-list line where the next search for an error starts.
    int ErrorIndex() const { return errorIndex_; }
    void SetErrorIndex(int index) { errorIndex_ = index; }
    // Opens the file of the next error line (of the previous when backward) at its line.
    void ShowError(bool backward);
    void OnNextError() { ShowError(false); }
    void OnPreviousError();

    void StartLabelScan(CQuilletDoc& document);
    bool LabelScanRunning() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the frame are opened as documents.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool CreateToolBar();
    bool CreateStatusBar();
    void CreateDockBars();
    void BindBarCommands();
    void WriteBarPlace(const char* section, const QWidget& bar) const;
    void ShowCaretPosition();

    CEditorApp& app_;
    QMdiArea* mdiArea_;
    QToolBar* toolBar_ = nullptr;
    CConfigBar* configBar_ = nullptr;
    CBuildBar* buildBar_ = nullptr;
    CWorkstationBar* workstationBar_ = nullptr;
    QLabel* caretPane_ = nullptr;
    std::unique_ptr<CLabelScanner> labelScanner_;
    int errorIndex_ = 0;
};

}  // namespace quillet
