#include "mapdialogs/select_vor_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "map/great_circle.h"
#include "mapdialogs/qt_route_dialogs.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "route_fixture.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;

// A request from a point at 10 N 20 E to the point the course and distance lead to.
VorDialogRequest RequestAlong(double course, double distanceNm, int correction) {
    double latitude = 10.0;
    double westLongitude = -20.0;
    VorDialogRequest request;
    request.previousX = -westLongitude * kArcSecondsPerDegree;
    request.previousY = latitude * kArcSecondsPerDegree;
    GreatCircleDestination(course, distanceNm, latitude, westLongitude);
    request.x = -westLongitude * kArcSecondsPerDegree;
    request.y = latitude * kArcSecondsPerDegree;
    request.correction = correction;
    return request;
}

template <class T>
T& Control(const QWidget& dialog, int id) {
    T* control = qtplatform::FindControl<T>(&dialog, id);
    EXPECT_NE(control, nullptr) << id;
    return *control;
}

std::string RadialText(const CSelectVorDlg& dialog) {
    return Control<QLineEdit>(dialog, CSelectVorDlg::kRadial).text().toStdString();
}
std::string DistanceText(const CSelectVorDlg& dialog) {
    return Control<QLabel>(dialog, CSelectVorDlg::kDistance).text().toStdString();
}

TEST(SelectVorDlgTest, OffersTheCourseLessTheCorrectionAsTheRadial) {
    struct Case {
        double course, distanceNm;
        int correction;
        const char* radial;
        const char* distance;
    };
    const Case cases[] = {
        {93.5, 60.4, 3, "90", "Distance to next waypoint 60nm"},
        {2.5, 30.2, 5, "357", "Distance to next waypoint 30nm"},
        {359.5, 10.5, -3, "2", "Distance to next waypoint 10nm"},
    };
    for (const Case& c : cases) {
        CSelectVorDlg dialog(RequestAlong(c.course, c.distanceNm, c.correction));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Select VOR details");
        EXPECT_EQ(RadialText(dialog), c.radial) << c.course;
        EXPECT_EQ(DistanceText(dialog), c.distance) << c.course;
    }
}

TEST(SelectVorDlgTest, WithoutAPreviousVorTheTemplateTextsStay) {
    VorDialogRequest request;
    request.x = 1000.0;
    request.y = 2000.0;
    CSelectVorDlg dialog(request);
    dialog.show();
    EXPECT_EQ(RadialText(dialog), "0");
    EXPECT_EQ(DistanceText(dialog), "Distance to waypoint");
    EXPECT_TRUE(Control<QRadioButton>(dialog, CSelectVorDlg::kVor1).isChecked());
}

TEST(SelectVorDlgTest, OkTakesARadialFrom0To359Only) {
    struct Case {
        const char* radial;
        bool closes;
    };
    const Case cases[] = {{"360", false}, {"-1", false}, {"359", true}, {"0", true}};
    for (const Case& c : cases) {
        platform::MessageBoxRecorder boxes;
        CSelectVorDlg dialog(RequestAlong(90.5, 20.0, 0));
        dialog.show();
        Control<QRadioButton>(dialog, CSelectVorDlg::kVor2).click();
        Control<QLineEdit>(dialog, CSelectVorDlg::kRadial).setText(c.radial);
        Control<QPushButton>(dialog, 1).click();
        EXPECT_EQ(dialog.isVisible(), !c.closes) << c.radial;
        if (c.closes) {
            EXPECT_TRUE(boxes.shown().empty()) << c.radial;
            EXPECT_EQ(dialog.WhichVor(), 1);
            EXPECT_EQ(std::to_string(dialog.Radial()), c.radial);
        } else {
            ASSERT_EQ(boxes.shown().size(), 1u) << c.radial;
            EXPECT_EQ(boxes.shown()[0].text, "Please enter an integer between 0 and 359.");
        }
    }
}

TEST(SelectVorDlgTest, QtRouteDialogsGivesTheChoiceOrNothingOnCancel) {
    QtRouteDialogs dialogs;
    qtplatform::testing::WhenModalShown([](QWidget* modal) {
        qtplatform::FindControl<QRadioButton>(modal, CSelectVorDlg::kVor2)->click();
        qtplatform::FindControl<QLineEdit>(modal, CSelectVorDlg::kRadial)->setText("45");
        qtplatform::FindControl<QPushButton>(modal, 1)->click();
    });
    const std::optional<VorDialogChoice> choice = dialogs.SelectVor(RequestAlong(90.5, 20.0, 0));
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->whichVor, 1);
    EXPECT_EQ(choice->radial, 45u);
    EXPECT_TRUE(choice->to);

    qtplatform::testing::WhenModalShown(
        [](QWidget* modal) { qtplatform::FindControl<QPushButton>(modal, 2)->click(); });
    EXPECT_EQ(dialogs.SelectVor(RequestAlong(90.5, 20.0, 0)), std::nullopt);
}

// The list of a real route: picking a route point measures from it instead.
class SelectVorListTest : public testing::RouteWorldTest {
protected:
    void SetUp() override {
        RouteWorldTest::SetUp();
        points_ = {testing::AirportPoint(*database_, spf_, true), testing::NavaidPoint(*database_, vorSpf_),
                   testing::NavaidPoint(*database_, ndbOt_), testing::NavaidPoint(*database_, dmeThd_)};
        request_.x = Navaid(vorOtr_).x;
        request_.y = Navaid(vorOtr_).y;
        request_.previousX = Navaid(vorSpf_).x;
        request_.previousY = Navaid(vorSpf_).y;
        request_.routePoints = &points_;
        request_.selectedPoint = 1;
    }

    std::vector<CRoutePoint> points_;
    VorDialogRequest request_;
};

TEST_F(SelectVorListTest, ListsTheRoutePointsAndMeasuresFromThePickedOne) {
    CSelectVorDlg dialog(request_);
    dialog.show();
    auto& list = Control<QListWidget>(dialog, CSelectVorDlg::kPointList);
    std::vector<std::string> items;
    for (int row = 0; row < list.count(); ++row) items.push_back(list.item(row)->text().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"Airp\tKSPF", "VOR\tSPF", "NDB\tOT", "\tTHD"}));
    EXPECT_EQ(list.currentRow(), 1);
    const std::string fromVor = DistanceText(dialog);

    list.setCurrentRow(2);
    VorDialogRequest fromNdb = request_;
    fromNdb.previousX = Navaid(ndbOt_).x;
    fromNdb.previousY = Navaid(ndbOt_).y;
    CSelectVorDlg expected(fromNdb);
    expected.show();
    EXPECT_EQ(DistanceText(dialog), DistanceText(expected));
    EXPECT_NE(DistanceText(dialog), fromVor);
    EXPECT_EQ(RadialText(dialog), RadialText(expected));

    // Clearing the selection brings the picked item back.
    list.clearSelection();
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_TRUE(list.item(2)->isSelected());
}

}  // namespace
}  // namespace trevalo
