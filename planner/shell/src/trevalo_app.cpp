#include "shell/trevalo_app.h"

#include "platform/message_box.h"
#include "platform/text.h"
#include "program_closing.h"
#include "qtplatform/command_table.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/text.h"
#include "qtplatform/web_page.h"
#include "qtplatform/window_adapter.h"
#include "shell/about_dlg.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/debug_options_dlg.h"
#include "shell/main_frame.h"
#include "shell/path_cleaning.h"
#include "shell/trevalo_doc.h"
#include "shell/trevalo_view.h"
#include "shell/window_helpers.h"
#include "wizard/wizard_bar.h"

#ifdef TREVALO_HAVE_PRINTING
#include <QPageSetupDialog>
#include <QPrinter>
#endif

namespace trevalo {
namespace {

constexpr const char* kVersionA = "1";
constexpr const char* kVersionB = "E";

// The class other programs of the suite find the planner's main window by.
constexpr const char* kMainWindowClass = "TrevaloMainFrame";

}  // namespace

CTrevaloApp::CTrevaloApp() = default;

// The frame and its views go before the document whose data they show.
CTrevaloApp::~CTrevaloApp() { mainFrame_.reset(); }

bool CTrevaloApp::InitInstance() {
    platform::SetProgramTitle(kProgramTitle);
    // Every setting lives under Software\Quillet Applications\Quillet (see Settings).
    LoadSettings();
    if (!CreateMainFrame()) return false;
    // A new document with its frame and map view; the view's first update loads the
    // databases before the main frame is shown.
    if (!OpenNewDocument()) return false;
    mainFrame_->showMaximized();
    // Reachable by the other programs once it shows (a WM_CLOSE closes it like its close
    // box); the planner runs without it when the window cannot be registered.
    qtplatform::RegisterMainWindow(mainFrame_.get(), kMainWindowClass);

    // The wizard and summary sheets in the wizard bar, the wizard's pages over the
    // document's data.
    mainFrame_->WizardBar().CreateSheets(document_->Database(), document_->GetRoute(), &CMainFrame::CompileAdventure);
    if (CWizardSheet* wizard = mainFrame_->WizardBar().WizardSheet()) {
        wizard->RealTimePage().SetCentreMap([frame = mainFrame_.get()](double latitude, double longitude) {
            if (CTrevaloView* view = frame->GetActiveMapView())
                view->CenterOnLatLon(latitude, longitude, kGoToPlaneZoom);
        });
        wizard->EmergencyPage().SetCrashMenu(mainFrame_->CrashOptionsMenu());
        // A procedure chosen on the landing page shows on the map at once.
        wizard->LandingPage().SetMapRedraw([frame = mainFrame_.get()] {
            if (CTrevaloView* view = frame->GetActiveMapView()) view->RedrawAll(true);
        });
    }
    if (CTrevaloView* view = mainFrame_->GetActiveMapView()) view->ReopenLastBuild();
    if (startupDialogs_) {
        ShowTipAtStartup();
        CheckVersionPeriodically();
    }

    if (document_->Database().airportCount == 0)
        platform::MessageBox(kNoAirportMessage, {}, platform::MbIcon::Information);
    return true;
}

void CTrevaloApp::LoadSettings() {
    NormaliseFilePaths(settings_);
    baseDirectory_ = WithFinalBackslash(settings_.ReadString(SettingId::Directory));
    settings_.WriteString(SettingId::Directory, baseDirectory_);
    settings_.WriteString(SettingId::VersionA, kVersionA);
    settings_.WriteString(SettingId::VersionB, kVersionB);
}

bool CTrevaloApp::CreateMainFrame() {
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!mainFrame_->OnCreate()) {
        mainFrame_.reset();
        return false;
    }
    BindCommands();
    return true;
}

bool CTrevaloApp::OpenNewDocument() {
    document_ = std::make_unique<CTrevaloDoc>(baseDirectory_);
    if (!document_->OnNewDocument()) return false;
    auto* view = new CTrevaloView(*document_, debugOptions_);
    mainFrame_->AddChildFrame(new CChildFrame(*document_, view));
    mainFrame_->setWindowTitle(qtplatform::ToQString(std::string(kProgramTitle) + " - " + document_->GetTitle()));
    view->OnInitialUpdate();
    return true;
}

void CTrevaloApp::BindCommands() {
    CMainFrame* frame = mainFrame_.get();
    qtplatform::BindCommand(frame, kCmdAppAbout, [this] { OnAppAbout(); });
    qtplatform::BindCommand(frame, kCmdDebugOptions, [this] { OnDebugOptions(); });
    qtplatform::BindCommand(frame, kCmdHome, [this] { OnHome(); });
    qtplatform::BindCommand(frame, kCmdUploadSidStar, [this] { OnUploadSidStar(); });
    qtplatform::BindCommand(frame, kCmdFileOpenAdf, [this] { OnFileOpenAdf(); });
    qtplatform::BindCommand(frame, kCmdCorrectAirport, [this] { OnCorrectAirport(); });
    qtplatform::BindCommand(frame, kCmdLoadingCountries, [this] { OnLoadingCountries(); });
    qtplatform::BindCommand(frame, kCmdFilePrint, [this] { OnFilePrint(); });
    qtplatform::BindCommand(frame, kCmdFilePrintPreview, [this] { OnFilePrintPreview(); });
    qtplatform::BindCommand(frame, kCmdCreateDatabase, [this] { OnCreateDatabase(); });
    qtplatform::BindCommand(frame, kCmdDownloadLatest, [this] { OnDownloadLatest(); });
    qtplatform::BindCommand(frame, kCmdCheckNewVersion, [this] { OnCheckNewVersion(); });
    qtplatform::BindCommand(frame, kCmdTipOfTheDay, [this] { OnTipOfTheDay(); });
    qtplatform::BindCommand(frame, kCmdEditTip, [this] { OnEditTip(); });
    if (ApplicationPrinter() != nullptr)
        qtplatform::BindCommand(frame, kCmdFilePrintSetup, [this] { OnFilePrintSetup(); });
    // The map view binds its own commands (find, create adventure, undo, new, zoom...).
}

int CTrevaloApp::ExitInstance(int exitCode) {
    mainFrame_.reset();
    CloseStartedProgram(builder_);
    return exitCode;
}

namespace {

CTrevaloView* ActiveMapView(const std::unique_ptr<CMainFrame>& frame) {
    return frame ? frame->GetActiveMapView() : nullptr;
}

}  // namespace

void CTrevaloApp::InvalidateMapView() {
    if (CTrevaloView* view = ActiveMapView(mainFrame_)) view->viewport()->update();
}

void CTrevaloApp::CenterMapOn(double latitude, double longitude, int zoom) {
    if (CTrevaloView* view = ActiveMapView(mainFrame_)) view->CenterOnLatLon(latitude, longitude, zoom);
}

void CTrevaloApp::ShowHoldingAirports() {
    if (CTrevaloView* view = ActiveMapView(mainFrame_)) view->ShowHoldingAirports();
}

void CTrevaloApp::ReloadRouteMap() {
    if (document_) document_->GetRoute().ReadInternalAdf();
}

void CTrevaloApp::OnDebugOptions() {
    CDebugOptionsDlg dialog(
        debugOptions_, [this] { InvalidateMapView(); }, mainFrame_.get());
    dialog.exec();
}

void CTrevaloApp::OnAppAbout() {
    CAboutDlg dialog(mainFrame_.get());
    dialog.exec();
}

void CTrevaloApp::OnFilePrintSetup() {
#ifdef TREVALO_HAVE_PRINTING
    QPrinter* printer = ApplicationPrinter();
    if (printer == nullptr) return;
    QPageSetupDialog dialog(printer, mainFrame_.get());
    dialog.exec();
    if (document_) document_->OnPageSetupChanged();
#endif
}

void CTrevaloApp::OnHome() {
    const std::string address = settings_.ReadString(SettingId::Home);
    if (!qtplatform::OpenWebPage(address))
        platform::MessageBox(platform::Format(kWebPageNotOpenedMessage, address.c_str()), {},
                             platform::MbIcon::Information);
}

void CTrevaloApp::OnFileOpenAdf() {
    qtplatform::FileChooserRequest request;
    request.filter = "Valid map, *.adf|*.adf||";
    request.initialFolder = baseDirectory_.substr(0, baseDirectory_.size() - 1);
    const qtplatform::ChosenPath path = qtplatform::ChooseFile(request, mainFrame_.get());
    if (!path) return;
    if (document_) document_->GetRoute().RemoveAllRoutePoints();
    if (!mainFrame_->LoadAdventure(*path))
        platform::MessageBox(kAdventureNotOpenedIntro + *path + kAdventureNotOpenedOutro, {},
                             platform::MbIcon::Information);
}

// The upload has no action in this version of the planner.
void CTrevaloApp::OnUploadSidStar() {}

}  // namespace trevalo
