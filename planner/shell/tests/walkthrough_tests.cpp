// A user's walk through the planner: start it on a small world, find an airport, zoom,
// move the map by hand, build a route of two airports and a VOR with the mouse and the
// real dialogs, press F7 to make the adventure, quit, start again and find the same
// route reopened from the adventure built last.
#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fsim_harness.h"
#include "generation/result_text.h"
#include "map/nav_database.h"
#include "mapdialogs/edit_sid_star_dlg.h"
#include "mapdialogs/find_on_map_dlg.h"
#include "mapdialogs/select_id_dlg.h"
#include "mapdialogs/select_sid_star_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/command_table.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/report_list.h"
#include "qtplatform/testing/qt_test.h"
#include "quiet_startup.h"
#include "route_fixture.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "shell/status_panes.h"
#include "shell/trevalo_app.h"
#include "shell/trevalo_view.h"
#include "wizard/wizard_bar.h"
#include "wizard/wizard_page10.h"
#include "wizard/wizard_page5.h"

namespace trevalo {
namespace {

using qtplatform::FindControl;
using qtplatform::testing::WhenModalShown;

constexpr int kOkButton = 1;
constexpr int kZoomInSteps = 4;       // 3 to 48
constexpr int kIdentZoomInSteps = 6;  // 3 to 192, where idents show
// Labels and runways cover at most this share of the map in black.
constexpr double kMostBlackShare = 0.02;

// The share of the image's pixels that are near black.
double NearBlackShare(const QImage& image) {
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
    return static_cast<double>(count) / (static_cast<double>(image.width()) * image.height());
}

// The cells of the pick list that name a row: the runway or navaid type, and the ident.
constexpr int kLabelColumn = 0;
constexpr int kIdentColumn = 1;

constexpr const char* kCreateSourceQuestion = "The file does not exist would you like to create it";

void DoubleClickRow(qtplatform::ReportList& list, int row) {
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

void ClickButton(QWidget* dialog, int id) {
    auto* button = FindControl<QPushButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Typed over the edit's text, then the edit left.
void TypeInto(QWidget* dialog, int id, const char* text) {
    auto* edit = FindControl<QLineEdit>(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
    emit edit->editingFinished();
}

// The pick list answered by double-clicking the row with this label and ident; then
// afterwards, when given.
void ChooseInPickList(const std::string& label, const std::string& ident, std::function<void()> afterwards = {}) {
    WhenModalShown([label, ident, afterwards](QWidget* modal) {
        auto* list = FindControl<qtplatform::ReportList>(modal, CSelectIdDlg::kEntryList);
        ASSERT_NE(list, nullptr) << modal->windowTitle().toStdString();
        for (int row = 0; row < list->RowCount(); ++row) {
            if (list->Cell(row, kLabelColumn) == label && list->Cell(row, kIdentColumn) == ident) {
                DoubleClickRow(*list, row);
                if (afterwards) afterwards();
                return;
            }
        }
        ADD_FAILURE() << "no row [" << label << "]" << ident;
        qobject_cast<QDialog*>(modal)->reject();
    });
}

class WalkthroughTest : public testing::RouteWorldTest {
protected:
    WalkthroughTest() {
        ResetLoadError();
        testing::QuietStartUp();
    }
    void SetUp() override {
        RouteWorldTest::SetUp();
        for (const char* name : {"QuilletDefault.flt", "QuilletDefault.bmp", "QuilletDefault.brf"})
            std::filesystem::copy_file(std::filesystem::path(QUILLET_DATA_DIR) / name,
                                       env_.driveC() / "Quillet" / name);
    }
    ~WalkthroughTest() override { ResetLoadError(); }

    void StartPlanner() {
        app_ = std::make_unique<CTrevaloApp>();
        ASSERT_TRUE(app_->InitInstance());
        view_ = app_->MainFrame()->GetActiveMapView();
        ASSERT_NE(view_, nullptr);
        ASSERT_EQ(view_->AirportCount(), 3);
        QApplication::processEvents();
    }
    void QuitPlanner() {
        app_->ExitInstance(0);
        app_.reset();
        view_ = nullptr;
    }
    void Command(int id) {
        QAction* action = qtplatform::FindCommand(app_->MainFrame(), id);
        ASSERT_NE(action, nullptr) << id;
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }

    QWidget* Viewport() const { return view_->viewport(); }
    QImage Shot() const {
        QApplication::processEvents();
        return Viewport()->grab().toImage();
    }
    QPoint PixelOf(double x, double y) const {
        const QPoint pixel = view_->WorldToPixel(x, y);
        EXPECT_TRUE(Viewport()->rect().contains(pixel)) << pixel.x() << "," << pixel.y();
        return pixel;
    }
    MapPoint Centre() const { return view_->LogicalToWorld(view_->GetClientCenter()); }
    // A pixel is 254 / dpi logical units, and a logical unit 1000 / zoom arc-seconds.
    double ArcSecondsPerPixel() const { return 254.0 / view_->Dpi() * 1000.0 / view_->GetZoom(); }

    void FindAirport(const std::string& ident) {
        WhenModalShown([ident](QWidget* modal) {
            auto* text = FindControl<QLineEdit>(modal, CFindOnMapDlg::kSearchText);
            ASSERT_NE(text, nullptr);
            QTest::keyClicks(text, QString::fromStdString(ident));
            ClickButton(modal, CFindOnMapDlg::kFind);
            auto* results = FindControl<qtplatform::ReportList>(modal, CFindOnMapDlg::kResults);
            ASSERT_EQ(results->RowCount(), 1);
            DoubleClickRow(*results, 0);
        });
        Command(kCmdFindLocation);
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Viewport(), (from + to) / 2);
        QTest::mouseMove(Viewport(), to);
        QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, to);
    }

    platform::MessageBoxRecorder boxes_;
    std::unique_ptr<CTrevaloApp> app_;
    CTrevaloView* view_ = nullptr;
};

TEST_F(WalkthroughTest, ARouteBuiltWithTheMouseIsThereAfterARestart) {
    StartPlanner();
    EXPECT_EQ(view_->GetRoute().Count(), 0);

    // Zoom in by steps, find Otherton: it comes to the middle at that zoom.
    for (int step = 0; step < kZoomInSteps; ++step) Command(kCmdZoomIn);
    const int stepped = view_->GetZoom();
    FindAirport("KOTR");
    const AirportRecord& otherton = Airport(otr_);
    EXPECT_EQ(view_->GetZoom(), stepped);
    EXPECT_NEAR(Centre().longitude, otherton.x, 2 * ArcSecondsPerPixel());
    EXPECT_NEAR(Centre().latitude, otherton.y, 2 * ArcSecondsPerPixel());

    // Zoom onto a band round the middle of the window.
    const QPoint middle = Viewport()->rect().center();
    const QPoint band(Viewport()->width() / 3, Viewport()->height() / 3);
    Drag(middle - band, middle + band);
    EXPECT_GT(view_->GetZoom(), stepped);
    EXPECT_EQ(view_->GetRoute().Count(), 0);  // a zoom band adds no point

    // The hand moves the map half-way towards Springfield, north-west of Otherton.
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, middle);
    ASSERT_EQ(view_->GetTrackMode(), TrackMode::Hand);
    const QPoint springfieldBefore = view_->WorldToPixel(Airport(spf_).x, Airport(spf_).y);
    Drag(middle, middle + (middle - springfieldBefore) / 2);
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, middle);
    ASSERT_EQ(view_->GetTrackMode(), TrackMode::Rectangle);

    // Springfield runway 28, Otherton runway 18, then the Otherton VOR with its radial.
    ChooseInPickList("L28", "KSPF");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, PixelOf(Airport(spf_).x, Airport(spf_).y));
    ASSERT_EQ(view_->GetRoute().Count(), 1);
    ChooseInPickList("R18", "KOTR");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, PixelOf(otherton.x, otherton.y));
    ASSERT_EQ(view_->GetRoute().Count(), 2);
    // The radial dialog follows the pick list: accept what it offers.
    ChooseInPickList("VOR", "OTR", [] { WhenModalShown([](QWidget* radial) { ClickButton(radial, kOkButton); }); });
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, PixelOf(Navaid(vorOtr_).x, Navaid(vorOtr_).y));
    const std::vector<CRoutePoint> built = view_->GetRoute().Points();
    // Otherton ends the first leg and starts the next, from its other runway end.
    ASSERT_EQ(built.size(), 4u);
    const char* idents[] = {"KSPF", "KOTR", "KOTR", "OTR"};
    for (std::size_t i = 0; i < built.size(); ++i) EXPECT_EQ(built[i].ident, idents[i]) << i;
    EXPECT_EQ(built[3].vorRole, "VOR1");

    // F7 saves the route and makes the adventure, compiled beside its source; the source
    // is new, so Textorin asks first.
    CWizardSheet& wizard = *app_->MainFrame()->WizardBar().WizardSheet();
    wizard.Values().general.title = "Otherton Hop";
    wizard.Values().plane.performance = {.planeName = "C182", .vr = 60, .v1 = 55, .v2 = 65, .cruiseAltitude = 5000};
    wizard.ShowValues();
    platform::MessageBoxRecorder answers({platform::MbResult::Yes});
    app_->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app_->MainFrame()));
    QTest::keyClick(view_, Qt::Key_F7);
    EXPECT_NE(files_.ReadBaseFile(kRouteFileName).find("NAVAIDINFO_303:"), std::string::npos);
    ASSERT_EQ(answers.shown().size(), 2u);
    EXPECT_EQ(answers.shown().front().text.rfind(kCreateSourceQuestion, 0), 0u);
    // A flight plan ends at an airport, and this route ends at the VOR: the result says
    // which files could not be made.
    EXPECT_NE(answers.shown().back().text.find("could not be created: Otherton Hop.pln"), std::string::npos)
        << answers.shown().back().text;
    EXPECT_EQ(answers.shown().back().caption, kResultCaption);
    for (const char* file :
         {"Otherton Hop.adf", "Otherton Hop.txt", "Otherton Hop.adv", "Otherton Hop.flt", "otherton hop.wx"})
        EXPECT_TRUE(std::filesystem::exists(env_.driveC() / "Quillet" / "Otherton Hop" / file)) << file;
    // The map's route file is emptied: the route now comes back from the adventure.
    files_.WriteBaseFile(kRouteFileName, "");

    QuitPlanner();
    StartPlanner();
    // The same records in the same order, with their runway ends, courses, roles and
    // directions.
    const std::vector<CRoutePoint>& restored = view_->GetRoute().Points();
    ASSERT_EQ(restored.size(), built.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        EXPECT_EQ(restored[i].ident, built[i].ident) << i;
        EXPECT_EQ(restored[i].type, built[i].type) << i;
        EXPECT_EQ(restored[i].databaseNumber, built[i].databaseNumber) << i;
        EXPECT_EQ(restored[i].course, built[i].course) << i;
        EXPECT_EQ(restored[i].directionFlag, built[i].directionFlag) << i;
        EXPECT_EQ(restored[i].vorRole, built[i].vorRole) << i;
    }
    QuitPlanner();
}

// The map's commands follow the view: the hand mode's tick the right button, Undo the
// route, as the user meets them after each click.
TEST_F(WalkthroughTest, TheMapCommandsStatesFollowTheMouse) {
    StartPlanner();
    QAction* hand = qtplatform::FindCommand(app_->MainFrame(), kCmdTrackMode);
    QAction* undo = qtplatform::FindCommand(app_->MainFrame(), kCmdUndoLastSelection);
    ASSERT_TRUE(hand != nullptr && undo != nullptr);
    EXPECT_FALSE(hand->isChecked());
    EXPECT_FALSE(undo->isEnabled());

    const QPoint middle = Viewport()->rect().center();
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, middle);
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return hand->isChecked(); }));
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, middle);
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return !hand->isChecked(); }));

    for (int step = 0; step < kZoomInSteps; ++step) Command(kCmdZoomIn);
    FindAirport("KSPF");
    ChooseInPickList("L28", "KSPF");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, PixelOf(Airport(spf_).x, Airport(spf_).y));
    ASSERT_EQ(view_->GetRoute().Count(), 1);
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return undo->isEnabled(); }));
    Command(kCmdUndoLastSelection);
    EXPECT_EQ(view_->GetRoute().Count(), 0);
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return !undo->isEnabled(); }));
    QuitPlanner();
}

// Until the mouse comes into the map both position panes say it is off the map, whatever
// the first scrolling and zooming; then they follow the mouse.
TEST_F(WalkthroughTest, ThePositionPanesWaitForTheMouse) {
    StartPlanner();
    auto* longitude = qtplatform::FindControl<QLabel>(app_->MainFrame(), kPaneLongitude);
    auto* latitude = qtplatform::FindControl<QLabel>(app_->MainFrame(), kPaneLatitude);
    ASSERT_TRUE(longitude != nullptr && latitude != nullptr);
    for (int command : {kCmdZoomIn, kCmdZoomIn, kCmdScaleToFit}) {
        Command(command);
        QApplication::processEvents();
        EXPECT_EQ(longitude->text().toStdString(), kOutOfMapText) << command;
        EXPECT_EQ(latitude->text().toStdString(), kOutOfMapText) << command;
    }
    QTest::mouseMove(Viewport(), view_->WorldToPixel(0, 0));
    QApplication::processEvents();
    EXPECT_NE(longitude->text().toStdString(), kOutOfMapText);
    EXPECT_NE(latitude->text().toStdString(), kOutOfMapText);
    QuitPlanner();
}

// Zooming in to the idents and out again and in again: the labels stay small each time.
TEST_F(WalkthroughTest, LabelsStaySmallWhileZoomingInAndOut) {
    StartPlanner();
    for (int step = 0; step < kIdentZoomInSteps; ++step) Command(kCmdZoomIn);
    FindAirport("KOTR");
    for (int command : {kCmdZoomOut, kCmdZoomIn, kCmdZoomIn, kCmdZoomOut, kCmdZoomOut}) {
        Command(command);
        SCOPED_TRACE(view_->GetZoom());
        EXPECT_LT(NearBlackShare(Shot()), kMostBlackShare);
    }
    QuitPlanner();
}

// View > ResizeParentToFit, then the map still scrolls once zoomed in, and Fit shows the
// whole world in the window.
TEST_F(WalkthroughTest, AfterResizeParentToFitTheMapScrollsAndFitShowsTheWorld) {
    StartPlanner();
    Command(kCmdResizeParentToFit);
    QApplication::processEvents();
    // The whole view, scroll bars and all, is in sight.
    EXPECT_EQ(view_->visibleRegion().boundingRect(), view_->rect());

    for (int step = 0; step < kZoomInSteps; ++step) Command(kCmdZoomIn);
    EXPECT_GT(view_->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(view_->verticalScrollBar()->maximum(), 0);
    Command(kCmdScaleToFit);
    EXPECT_EQ(view_->visibleRegion().boundingRect(), view_->rect());
    const QPoint centre = view_->WorldToPixel(0, 0);
    EXPECT_NEAR(centre.x(), Viewport()->width() / 2, 2);
    EXPECT_NEAR(centre.y(), Viewport()->height() / 2, 2);
    QuitPlanner();
}

// The map's commands show on its &Tools menu with their accelerators.
TEST_F(WalkthroughTest, TheToolsMenuShowsTheMapCommandsWithTheirKeys) {
    StartPlanner();
    QMenu* tools = qtplatform::FindMenu(app_->MainFrame(), "&Tools");
    ASSERT_NE(tools, nullptr);
    std::vector<std::string> texts;
    for (QAction* action : tools->actions()) texts.push_back(action->text().toStdString());
    for (const char* expected : {"&Undo last selection\tCtrl-Z", "&Find a location\tCtrl-F", "&Create adventure\tF7"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
    QuitPlanner();
}

// Tools > Create SID/STAR: a procedure written in the editor is there after a restart.
TEST_F(WalkthroughTest, AProcedureWrittenInTheSidStarEditorIsThereAfterARestart) {
    StartPlanner();
    bool shown = false;
    WhenModalShown([&](QWidget* editor) {
        shown = editor->windowTitle() == "Edit SID/STAR";
        TypeInto(editor, CEditSidStarDlg::kAirportIdent, "KSPF");
        ClickButton(editor, CEditSidStarDlg::kNewId);
        TypeInto(editor, CEditSidStarDlg::kIdent, "SPF1");
        ClickButton(editor, CEditSidStarDlg::kAddLeg);
        ClickButton(editor, CEditSidStarDlg::kSaveId);
        ClickButton(editor, kOkButton);
    });
    Command(kCmdCreateSidStar);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(std::filesystem::exists(env_.driveC() / "Quillet" / "SidStar" / "LATN047LONW122.adf"));
    QuitPlanner();

    StartPlanner();
    std::string ident;
    int legs = -1;
    WhenModalShown([&](QWidget* editor) {
        TypeInto(editor, CEditSidStarDlg::kAirportIdent, "KSPF");
        ident = FindControl<QLineEdit>(editor, CEditSidStarDlg::kIdent)->text().toStdString();
        legs = FindControl<qtplatform::ReportList>(editor, CEditSidStarDlg::kLegList)->RowCount();
        qobject_cast<QDialog*>(editor)->reject();
    });
    Command(kCmdCreateSidStar);
    EXPECT_EQ(ident, "SPF1");
    EXPECT_EQ(legs, 1);
    QuitPlanner();
}

// Tools > Create SID/STAR, whatever the button that closes the editor: the landing page
// offers the procedure the editor shows to the airport whose row has it, and takes its
// legs as they are now.
TEST_F(WalkthroughTest, CreateSidStarOffersTheEditedProcedureToTheLandingPage) {
    StartPlanner();
    Route& route = view_->GetRoute();
    route.Points() = {testing::AirportPoint(view_->Database(), spf_, false),
                      testing::AirportPoint(view_->Database(), otr_, true)};
    CWizardSheet& wizard = *app_->MainFrame()->WizardBar().WizardSheet();
    CWizardPage5& landing = wizard.LandingPage();
    landing.RefreshAirportList();
    const auto* list = FindControl<qtplatform::ReportList>(&landing, CWizardPage5::kAirportList);
    // The selection's answer: OK on its first row; it records what was listed and selected.
    std::vector<std::string> listed;
    int preselected = -1;
    const auto answerSelection = [&listed, &preselected](QWidget* modal) {
        auto* procedures = FindControl<qtplatform::ReportList>(modal, CSelectSidStarDlg::kProcedureList);
        ASSERT_NE(procedures, nullptr) << modal->windowTitle().toStdString();
        for (int row = 0; row < procedures->RowCount(); ++row) listed.push_back(procedures->Cell(row, 0));
        preselected = procedures->SelectedRow();
        ClickButton(modal, kOkButton);
    };

    // A new SID of Springfield: no row shows it, so nothing is offered.
    std::string offered;
    WhenModalShown([&offered](QWidget* editor) {
        TypeInto(editor, CEditSidStarDlg::kAirportIdent, "KSPF");
        ClickButton(editor, CEditSidStarDlg::kNewId);
        TypeInto(editor, CEditSidStarDlg::kIdent, "SPF1");
        ClickButton(editor, CEditSidStarDlg::kAddLeg);
        ClickButton(editor, CEditSidStarDlg::kSaveId);
        WhenModalShown([&offered](QWidget* modal) {
            offered = modal->windowTitle().toStdString();
            qobject_cast<QDialog*>(modal)->reject();
        });
        ClickButton(editor, kOkButton);
    });
    Command(kCmdCreateSidStar);
    if (offered.empty()) {
        QDialog probe(app_->MainFrame());
        probe.exec();
    }
    EXPECT_EQ(offered, "");
    EXPECT_EQ(list->Cell(0, 2), "N/A");

    // Chosen on the landing page, then given a second leg and the editor cancelled.
    WhenModalShown(answerSelection);
    landing.ChooseProcedure(0);
    ASSERT_EQ(wizard.Values().landing.airports[0].ident, "SPF1");
    EXPECT_EQ(wizard.Values().landing.airports[0].legs.size(), 1u);
    listed.clear();
    WhenModalShown([&answerSelection](QWidget* editor) {
        TypeInto(editor, CEditSidStarDlg::kAirportIdent, "KSPF");
        EXPECT_EQ(FindControl<QLineEdit>(editor, CEditSidStarDlg::kIdent)->text(), "SPF1");
        FindControl<QAbstractButton>(editor, CEditSidStarDlg::kAutoCalc)->click();
        ClickButton(editor, CEditSidStarDlg::kAddLeg);
        ClickButton(editor, CEditSidStarDlg::kSaveId);
        WhenModalShown(answerSelection);
        qobject_cast<QDialog*>(editor)->reject();
    });
    Command(kCmdCreateSidStar);
    EXPECT_EQ(listed, std::vector<std::string>{"SPF1"});
    EXPECT_EQ(preselected, 0);  // the editor's ident
    const adf::LandingSlot& slot = wizard.Values().landing.airports[0];
    EXPECT_EQ(slot.ident, "SPF1");
    EXPECT_EQ(slot.legs.size(), 2u);
    EXPECT_EQ(list->Cell(0, 2), "SPF1");
    const SidStar& procedure = route.Points()[0].procedure;
    EXPECT_EQ(procedure.GetSize(), 2);
    EXPECT_STREQ(procedure.firstName, "SPF1");
    QuitPlanner();
}

// File > Open 'Adf' puts the chosen definition into the wizard; File > New takes it out.
TEST_F(WalkthroughTest, OpenAdfReadsTheChosenDefinitionAndNewForgetsIt) {
    files_.WriteBaseFile("Hop.adf", "\tTITLE_000:\r\nHop\r\n\tPERFORMANCE_009:\r\nLow_3\r\n");
    StartPlanner();
    const adf::WizardValues& values = app_->MainFrame()->WizardBar().WizardSheet()->Values();
    qtplatform::FileChooserRecorder chooser({std::string("C:\\Quillet\\Hop.adf")});
    Command(kCmdFileOpenAdf);
    ASSERT_EQ(chooser.requests().size(), 1u);
    EXPECT_EQ(chooser.requests()[0].filter, "Valid map, *.adf|*.adf||");
    EXPECT_EQ(chooser.requests()[0].initialFolder, "C:\\Quillet");
    EXPECT_EQ(values.general.title, "Hop");
    EXPECT_EQ(values.general.performanceNumber, "3");

    Command(kCmdFileNew);
    EXPECT_EQ(values.general.title, "");
    EXPECT_EQ(values.general.performanceNumber, "5");

    // A definition that cannot be read is named.
    qtplatform::FileChooserRecorder gone({std::string("C:\\Quillet\\Gone.adf")});
    boxes_.clear();
    Command(kCmdFileOpenAdf);
    ASSERT_EQ(boxes_.texts().size(), 1u);
    EXPECT_EQ(boxes_.texts()[0],
              std::string(kAdventureNotOpenedIntro) + "C:\\Quillet\\Gone.adf" + kAdventureNotOpenedOutro);
    QuitPlanner();
}

// A last build that is gone is named once at start-up and forgotten.
TEST_F(WalkthroughTest, ALastBuildThatIsGoneIsNamedAndForgotten) {
    const Settings settings;
    settings.WriteString(SettingId::LastBuild, "C:\\Quillet\\Gone\\Gone.adf");
    StartPlanner();
    const std::vector<std::string> texts = boxes_.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "The file 'C:\\Quillet\\Gone\\Gone.adf', could not be opened.\nThis may be because it has "
                        "been moved or deleted.\n"),
              texts.end());
    EXPECT_EQ(settings.ReadString(SettingId::LastBuild), "");
    QuitPlanner();
}

// With the stand-in simulator running, the plane is on the map and the real-time page's
// Go to Plane centres the map on it.
TEST_F(WalkthroughTest, TheSimulatorsPlaneIsOnTheMapAndGoToPlaneCentresOnIt) {
    fsim::testing::FsimProcess sim(env_);
    ASSERT_TRUE(sim.Ready());
    ASSERT_EQ(sim.Command("set 616 01"), "ok");  // paused: the plane holds still
    ASSERT_TRUE(SimlinkerLink().SetLatitude(47.45));
    ASSERT_TRUE(SimlinkerLink().SetLongitude(-122.3));
    StartPlanner();
    ASSERT_TRUE(qtplatform::testing::ProcessEventsUntil([this] { return view_->PlaneTimer().Plane().has_value(); }));
    EXPECT_NEAR(view_->PlaneTimer().Plane()->y, 47.45 * 3600, 1.0);

    CWizardSheet& wizard = *app_->MainFrame()->WizardBar().WizardSheet();
    wizard.SetActivePage(wizard.RealTimePage());
    ClickButton(&wizard.RealTimePage(), CWizardPage10::kGoToPlane);
    EXPECT_EQ(view_->GetZoom(), kGoToPlaneZoom);
    EXPECT_NEAR(Centre().latitude, 47.45 * 3600, 2 * ArcSecondsPerPixel());
    const std::vector<std::string> texts = boxes_.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), kPlaneNotLocatedMessage), 0);
    QuitPlanner();
}

}  // namespace
}  // namespace trevalo
