#include "main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "build_bar.h"
#include "child_frame.h"
#include "command_ids.h"
#include "config_bar.h"
#include "editor_app.h"
#include "editor_commands.h"
#include "label_scanner.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/settings_store.h"
#include "platform/text.h"
#include "qtplatform/command_table.h"
#include "qtplatform/text.h"
#include "quillet/error_list.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "shell/settings.h"
#include "source_edit.h"
#include "workstation_bar.h"

namespace quillet {
namespace {

constexpr int kPaneWidth = 110;
constexpr int kSecondaryPanes = 3;

bool FileExists(const std::string& path) {
    const auto found = platform::FindFile(path);
    return found && !found->isFolder;
}

}  // namespace

CMainFrame::CMainFrame(CEditorApp& app) : app_(app), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QString::fromLatin1(kEditorTitle));
    setAcceptDrops(true);
    mdiArea_->setViewMode(QMdiArea::TabbedView);
    mdiArea_->setDocumentMode(true);
    mdiArea_->setTabsClosable(true);
    setCentralWidget(mdiArea_);
    labelScanner_ = std::make_unique<CLabelScanner>([this](const std::string& path, const auto& labels) {
        const CQuilletDoc* current = app_.CurrentDocument();
        workstationBar_->ApplyLabels(path, current != nullptr && current->GetPathName() == path, labels);
    });
}

CMainFrame::~CMainFrame() {
    // The frames and views go with the base classes; nothing of theirs may call back here.
    mdiArea_->disconnect(this);
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* frame = dynamic_cast<CChildFrame*>(window)) frame->View()->Edit().disconnect(this);
    if (configBar_ != nullptr) WriteBarPlace(kConfigBarSection, *configBar_);
    if (toolBar_ != nullptr) WriteBarPlace(kToolBarSection, *toolBar_);
    labelScanner_.reset();
}

bool CMainFrame::OnCreate() {
    qtplatform::BuildCommands(this, EditorCommands(), EditorAccelerators());
    if (!CreateToolBar() || !CreateStatusBar()) return false;
    CreateDockBars();
    BindBarCommands();
    workstationBar_->FillFromRecentFiles(app_.Recent().Paths());
    return true;
}

bool CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (!qtplatform::AddToolbarButtons(*toolBar_, *this, MainToolbar())) return false;
    configBar_ = new CConfigBar(*this, app_);
    addToolBar(configBar_);
    return configBar_->Create();
}

bool CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    if (bar == nullptr) return false;
    caretPane_ = new QLabel(bar);
    bar->addPermanentWidget(caretPane_);
    for (int i = 1; i < kSecondaryPanes; ++i) bar->addPermanentWidget(new QLabel(bar));
    for (QLabel* pane : bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        pane->setMinimumWidth(kPaneWidth);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { ShowCaretPosition(); });
    return true;
}

void CMainFrame::CreateDockBars() {
    buildBar_ = new CBuildBar(*this, [this](int line) {
        errorIndex_ = line;
        ShowError(false);
    });
    workstationBar_ = new CWorkstationBar(*this, [this](const std::string& path, const std::string& label) {
        CQuilletDoc* document = app_.OpenDocumentFile(path);
        if (document == nullptr) {
            platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
            return;
        }
        if (document->View() == nullptr) return;
        if (!label.empty()) document->View()->GoToLabel(label);
        document->View()->Edit().setFocus();
    });
    buildBar_->hide();
}

void CMainFrame::BindBarCommands() {
    struct BarCommand {
        int id;
        QWidget* bar;
    };
    const BarCommand bars[] = {
        {kCmdViewToolbar, toolBar_},   {kCmdViewStatusBar, statusBar()},       {kCmdViewConfigBar, configBar_},
        {kCmdViewBuildBar, buildBar_}, {kCmdViewWorkstation, workstationBar_},
    };
    for (const BarCommand& command : bars) {
        QWidget* bar = command.bar;
        qtplatform::BindCommand(this, command.id, [this, bar] { bar->setVisible(!bar->isVisibleTo(this)); });
        qtplatform::BindCommandUpdate(this, command.id,
                                      [this, bar](qtplatform::CommandUI& ui) { ui.SetCheck(bar->isVisibleTo(this)); });
    }
    qtplatform::BindCommand(this, kCmdNextError, [this] { OnNextError(); });
    qtplatform::BindCommand(this, kCmdPreviousError, [this] { OnPreviousError(); });
}

void CMainFrame::WriteBarPlace(const char* section, const QWidget& bar) const {
    const platform::Profile profile(trevalo::kSettingsCompany, trevalo::kSettingsProfile);
    const QRect place(bar.mapToGlobal(QPoint(0, 0)), bar.size());
    profile.WriteString(section, "top", platform::IntText(place.top()));
    profile.WriteString(section, "bottom", platform::IntText(place.top() + place.height()));
    profile.WriteString(section, "left", platform::IntText(place.left()));
    profile.WriteString(section, "right", platform::IntText(place.left() + place.width()));
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    frame->showMaximized();
    connect(&frame->View()->Edit(), &QPlainTextEdit::cursorPositionChanged, this, [this] { ShowCaretPosition(); });
}

CChildFrame* CMainFrame::ActiveChildFrame() const { return dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow()); }

void CMainFrame::SetMessageText(const std::string& text) {
    if (text.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(qtplatform::ToQString(text));
}

void CMainFrame::ShowCaretPosition() {
    const CChildFrame* frame = ActiveChildFrame();
    if (frame == nullptr || frame->View() == nullptr) {
        caretPane_->clear();
        return;
    }
    const QTextCursor cursor = frame->View()->Edit().textCursor();
    caretPane_->setText(
        QStringLiteral("Ln %1, Col %2").arg(cursor.blockNumber() + 1).arg(cursor.positionInBlock() + 1));
}

void CMainFrame::ShowError(bool backward) {
    const std::vector<std::string>& lines = buildBar_->Lines();
    const auto step = FindError(lines, errorIndex_, backward, buildBar_->ListedPath(), FileExists,
                                [this](int line) { buildBar_->SelectLine(line); });
    if (!step) {
        errorIndex_ = backward ? -1 : static_cast<int>(lines.size());
        return;
    }
    errorIndex_ = step->listLine + 1;
    CQuilletDoc* document = app_.OpenDocumentFile(step->location.path);
    if (document == nullptr || document->View() == nullptr) {
        platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
        return;
    }
    CQuilletView& view = *document->View();
    view.Edit().setFocus();
    view.SelectLine(LineIndexOfNumber(step->location.lineNumber, view.LineCount()), true);
}

void CMainFrame::OnPreviousError() {
    errorIndex_ = PreviousErrorIndex(errorIndex_, static_cast<int>(buildBar_->Lines().size()));
    ShowError(true);
}

void CMainFrame::StartLabelScan(CQuilletDoc& document) { labelScanner_->Start(document); }

bool CMainFrame::LabelScanRunning() const { return labelScanner_->Busy(); }

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const auto path = url.isLocalFile() ? platform::WindowsPathOf(url.toLocalFile().toStdString()) : std::nullopt;
        if (!path || app_.OpenDocumentFile(*path) == nullptr)
            platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
    }
    event->acceptProposedAction();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!app_.SaveAllModified()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace quillet
