#include "periphery/chart_printing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/paths.h"
#include "qtplatform/print_target.h"
#include "route_fixture.h"

namespace trevalo {
namespace {

using testing::AirportPoint;
using testing::NavaidPoint;

// Runs a program of poppler-utils; its standard output.
std::string RunTool(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

bool HasInk(const QImage& page) {
    for (int y = 0; y < page.height(); y += 3)
        for (int x = 0; x < page.width(); x += 3)
            if (qGray(page.pixel(x, y)) < 128) return true;
    return false;
}

class ChartPrintingTest : public testing::RouteWorldTest {
protected:
    void Trip() {
        CRoutePoint start = AirportPoint(*database_, spf_, true);
        start.holding = kNoHolding;
        CRoutePoint end = AirportPoint(*database_, otr_, true);
        end.holding = kHolding10Nm;
        route_->Points() = {start, NavaidPoint(*database_, vorSpf_, 45, kVor1Role), NavaidPoint(*database_, ndbOt_),
                            end};
    }
};

TEST_F(ChartPrintingTest, TheFlightPlanThenOneApproachChartPerAirport) {
    Trip();
    qtplatform::PrintRecorder printed;
    ASSERT_TRUE(qtplatform::Print({}, ChartPrintJob(*database_, *route_)));
    ASSERT_EQ(printed.jobs().size(), 1u);
    const auto& job = printed.jobs()[0];
    EXPECT_EQ(job.pageCount, 3);
    ASSERT_EQ(job.pages.size(), 3u);
    for (const QImage& page : job.pages) EXPECT_TRUE(HasInk(page));

    route_->Points() = {NavaidPoint(*database_, vorSpf_), NavaidPoint(*database_, ndbOt_)};
    ASSERT_TRUE(qtplatform::Print({}, ChartPrintJob(*database_, *route_)));
    EXPECT_EQ(printed.jobs()[1].pageCount, 1);
}

TEST_F(ChartPrintingTest, ThePdfHoldsTheChartsTexts) {
    if (RunTool("command -v pdftotext").empty()) GTEST_SKIP() << "poppler-utils is not installed";
    Trip();
    const std::string pdf = "C:\\Quillet\\Charts.pdf";
    ASSERT_TRUE(qtplatform::Print({.target = qtplatform::PrintTarget::PdfFile, .pdfFile = pdf},
                                  ChartPrintJob(*database_, *route_)));
    const std::string host = platform::HostPath(pdf).string();
    const auto pageText = [&host](int page) {
        return RunTool("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + host +
                       "' -");
    };
    struct Expected {
        int page;
        std::vector<std::string> texts;
    };
    const Expected expected[] = {
        {1, {"From", "KSPF", "To", "KOTR", "SPF", "045", "0", "9", "18", "27"}},
        {2,
         {"KSPF", "Springfield Regional", "Atis", "118.25", "ISPF", "110.30", "270", "Alt: 1234'", "RWY L28", "RWY 28L",
          "No Holding", "flight simulation use ONLY"}},
        {3, {"KOTR", "RWY R18", "IOTR", "10nm", "Alt Range:"}},
    };
    for (const Expected& e : expected) {
        const std::string text = pageText(e.page);
        for (const std::string& wanted : e.texts)
            EXPECT_NE(text.find(wanted), std::string::npos) << "page " << e.page << " lacks " << wanted << "\n" << text;
    }
    EXPECT_EQ(pageText(2).find("RWY 92"), std::string::npos);

    // The approach chart as an image, as the docs show it.
    RunTool("pdftoppm -png -r 40 -f 2 -l 2 '" + host + "' '" + host + "-page'");
    const QImage image(QString::fromStdString(host + "-page-2.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(HasInk(image));
}

}  // namespace
}  // namespace trevalo
