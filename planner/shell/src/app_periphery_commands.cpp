// The application's commands of the periphery: the tip of the day, airport corrections,
// the database builder, the update program and the version check.
#include "periphery/chart_printing.h"
#include "periphery/check_version_dlg.h"
#include "periphery/correct_airport_dlg.h"
#include "periphery/country_dlg.h"
#include "periphery/edit_tip_dlg.h"
#include "periphery/tip_dlg.h"
#include "periphery/tips_file.h"
#include "periphery/update_program.h"
#include "periphery/version_check.h"
#include "platform/companion_program.h"
#include "platform/message_box.h"
#include "shell/main_frame.h"
#include "shell/trevalo_app.h"
#include "shell/trevalo_doc.h"
#include "shell/window_helpers.h"

namespace trevalo {
namespace {
constexpr const char* kBuilderProgram = "Gathrel.exe";
// A program whose libraries cannot be loaded ends at once with this code.
constexpr int kLibrariesMissingExit = 127;
constexpr int kStartCheckMs = 250;

// With the print setup's printer; the charts of the document's route.
void PrintCharts(CTrevaloDoc& document, qtplatform::PrintTarget target, QWidget* parent) {
    qtplatform::PrintRequest request;
    request.target = target;
    request.printer = ApplicationPrinter();
    qtplatform::Print(request, ChartPrintJob(document.Database(), document.GetRoute()), parent);
}

}  // namespace

std::string CTrevaloApp::TipsPath() const { return baseDirectory_ + kTipsFileName; }

void CTrevaloApp::ShowTipAtStartup() {
    CTipDlg dialog(TipsPath(), mainFrame_.get());
    if (dialog.ShowAtStartUp()) dialog.exec();
}

void CTrevaloApp::OnCorrectAirport() {
    CCorrectAirportDlg dialog(baseDirectory_, mainFrame_.get());
    dialog.exec();
}

void CTrevaloApp::OnFilePrint() {
    if (document_) PrintCharts(*document_, qtplatform::PrintTarget::Printer, mainFrame_.get());
}

void CTrevaloApp::OnFilePrintPreview() {
    if (document_) PrintCharts(*document_, qtplatform::PrintTarget::Preview, mainFrame_.get());
}

void CTrevaloApp::OnCreateDatabase() {
    const std::string builder = baseDirectory_ + kBuilderProgram;
    if (!builder_.IsRunning() && !platform::ResolveProgram(builder)) {
        platform::MessageBox(kBuilderMissingMessage, kBuilderMissingCaption, platform::MbIcon::Information);
        return;
    }
    const bool wasRunning = builder_.IsRunning();
    if (!platform::StartOrBringToFront(builder_, builder, kBuilderMissingMessage) || wasRunning) return;
    if (builder_.Wait(kStartCheckMs) && builder_.ExitCode() == kLibrariesMissingExit)
        platform::MessageBox(kBuilderLibrariesMessage, kBuilderMissingCaption, platform::MbIcon::Information);
}

void CTrevaloApp::OnDownloadLatest() { RunUpdateProgram({}, false); }

void CTrevaloApp::OnCheckNewVersion() { RunUpdateProgram(kUpdateRequestArgument, true); }

void CTrevaloApp::CheckVersionPeriodically() {
    const std::time_t now = clock_();
    if (!IsVersionQuestionDue(settings_, now)) return;
    CCheckVersionDlg dialog(CheckIntervalDays(settings_), mainFrame_.get());
    if (dialog.exec() == CCheckVersionDlg::kCheck) OnCheckNewVersion();
    SetLastCheckDate(settings_, now);
}

// Takes effect at the next start, when the airports are loaded again.
void CTrevaloApp::OnLoadingCountries() {
    CCountryDlg dialog(baseDirectory_, mainFrame_.get());
    dialog.exec();
}

void CTrevaloApp::OnTipOfTheDay() {
    CTipDlg dialog(TipsPath(), mainFrame_.get());
    dialog.exec();
}

void CTrevaloApp::OnEditTip() {
    CEditTipDlg dialog(TipsPath(), mainFrame_.get());
    dialog.exec();
}

}  // namespace trevalo
