#include "wx_dlg_fixture.h"

#include <fstream>
#include <sstream>

#include "fsinstall/installation.h"
#include "platform/paths.h"

namespace wxapp::testing {

using namespace wx::testing;

Bytes GlobalRecord() {
    return Concat({Header(0, 1, 1, 1, -1, 791626), Fields({609.57f, 12.7f, 20.2f, 271.9f, 0, 2, 1}),
                   Fields({48000.5f, 12.3f, 3047.85f}), Fields({6, 304.79f, 4571.78f, 0.5f, 6, 0, 2, 2, 152.4f, 4, 1}),
                   Fields({0.2f, 15.6f, 3.4f, 10.5f}), Fields({0, 1013.25f, 15.0f})});
}

Bytes LocalRecord(int32_t icao) {
    return Concat({Header(1, 1, 0, 1, icao, 791626), Fields({500.5f, 5.0f, 8.0f, 90.0f, 0, 0, 0}),
                   Fields({2000.0f, 15.0f, 20.0f, 180.0f, 0, 1, 0}), Fields({9000.0f, 0.0f, 1000.0f}),
                   Fields({100.0f, 12.0f, 3.0f, 8.0f}), Fields({0, 990.5f, 15.0f})});
}

namespace {

fsinstall::Airport Station(const char* ident, const char* name, double latitude, double longitude) {
    fsinstall::Airport airport;
    airport.ident = ident;
    airport.name = name;
    airport.country = "Nowhere";
    airport.latitude = latitude;
    airport.longitude = longitude;
    return airport;
}

std::string SuiteRules() {
    std::ifstream in(QUILLET_SUITE_RULES_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QPoint RowPoint(const CLayerListCtrl& list, int row) { return list.visualRect(list.model()->index(row, 0)).center(); }

}  // namespace

WxDlgTest::WxDlgTest() {
    fsinstall::SceneryContent world;
    world.airports = {Station("KSEA", "Seattle Tacoma", 47.45, -122.3), Station("LAX", "Los Angeles", 33.75, -118.5),
                      Station("EGLL", "London Heathrow", 51.47, -0.45)};
    fsinstall::InstallationOptions simulator;
    simulator.folder = "C:\\Sim\\";
    EXPECT_TRUE(fsinstall::WriteInstallation(simulator, world));
    env_.writeFile("drive_c/Quillet/AdvWx.rul", SuiteRules());
}

WxDlgTest::~WxDlgTest() { dialog_.reset(); }

void WxDlgTest::WriteWeather(const Bytes& bytes) const {
    env_.writeFile("drive_c/Quillet/AdvWx.wx", std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

Bytes WxDlgTest::Weather() const {
    const std::string text = platform::testing::TempEnvironment::readFile(platform::HostPath(kWeatherFile));
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return Bytes(begin, begin + text.size());
}

void WxDlgTest::WriteRules(const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    env_.writeFile("drive_c/Quillet/AdvWx.rul", text);
}

CWxDlg& WxDlgTest::Open(const std::string& commandLineFile) {
    dialog_ = std::make_unique<CWxDlg>(kRulesFile, commandLineFile);
    dialog_->show();
    return *dialog_;
}

CLayerListCtrl& WxDlgTest::List(int id) const {
    auto* list = qtplatform::FindControl<CLayerListCtrl>(dialog_.get(), id);
    EXPECT_NE(list, nullptr) << id;
    return *list;
}

std::string WxDlgTest::Text(int id) const {
    auto* edit = qtplatform::FindControl<QLineEdit>(dialog_.get(), id);
    EXPECT_NE(edit, nullptr) << id;
    return edit ? edit->text().toStdString() : std::string();
}

std::vector<std::string> WxDlgTest::Row(int listId, int row) const {
    const CLayerListCtrl& list = List(listId);
    std::vector<std::string> cells;
    for (int column = 0; column < list.columnCount(); ++column) cells.push_back(list.Cell(row, column));
    return cells;
}

void WxDlgTest::DoubleClickRow(int listId, int row) const {
    CLayerListCtrl& list = List(listId);
    ASSERT_LT(row, list.RowCount());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

void WxDlgTest::DoubleClickEmpty(int listId) const {
    CLayerListCtrl& list = List(listId);
    const QPoint below(4, list.viewport()->height() - 4);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    ASSERT_EQ(list.SelectedRow(), -1);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, below);
}

void WxDlgTest::PressDelete(int listId, int row) const {
    CLayerListCtrl& list = List(listId);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row));
    QTest::keyClick(&list, Qt::Key_Delete);
}

void WxDlgTest::WhenDialog(std::function<void(QWidget&)> act, int buttonId) {
    qtplatform::testing::WhenModalShown([act = std::move(act), buttonId](QWidget* modal) {
        if (act) act(*modal);
        Press(*modal, buttonId);
    });
}

void WxDlgTest::Press(QWidget& dialog, int id) {
    auto* button = qtplatform::FindControl<QPushButton>(&dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

void WxDlgTest::SetText(QWidget& dialog, int id, const std::string& text) {
    auto* edit = qtplatform::FindControl<QLineEdit>(&dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(QString::fromStdString(text));
}

}  // namespace wxapp::testing
