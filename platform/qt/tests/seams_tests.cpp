// The seams of the outside world: each real by default, each answered by its recorder.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>

#include "platform/files.h"
#include "platform/message_box.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/print_target.h"
#include "qtplatform/testing/qt_test.h"
#include "qtplatform/web_page.h"
#include "testing/temp_environment.h"

namespace qtplatform {
namespace {

// Types the whole path into the name box of the next file dialog and presses its button.
void TypeIntoNextFileDialog(const std::string& host, int times = 1) {
    testing::WhenModalShown([host, times](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(host));
        if (times > 1) TypeIntoNextFileDialog(host, times - 1);
        static_cast<QDialog*>(modal)->accept();
    });
}

// No browser is asked for a page without an address; the caller says the page did not open.
TEST(WebPage, NoAddressIsNoPage) { EXPECT_FALSE(OpenWebPage("")); }

TEST(FileChooser, TheClassLibrarysFiltersBecomeQtNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"Valid map, *.adf|*.adf||", {"Valid map, *.adf (*.adf)"}},
        {"Adventure Files (*.Adf, *.txt)|*.adf;*.txt|Text Files (*.txt)|*.txt||",
         {"Adventure Files (*.Adf, *.txt) (*.adf *.txt)", "Text Files (*.txt) (*.txt)"}},
        {"Valid Compiler (Duze.exe)|Duze.exe|Valid Compiler (Duze32.exe)|Duze32.exe||",
         {"Valid Compiler (Duze.exe) (Duze.exe)", "Valid Compiler (Duze32.exe) (Duze32.exe)"}},
        {"No pattern", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(NameFilters(c.filter), c.expected) << c.filter;
}

TEST(FileChooser, TheRecorderAnswersFromItsScriptThenCancels) {
    FileChooserRecorder files({"C:\\Quillet\\Trip.adf"});
    FileChooserRequest request;
    request.filter = "Valid map, *.adf|*.adf||";
    request.initialFolder = "C:\\Quillet";
    EXPECT_EQ(ChooseFile(request), "C:\\Quillet\\Trip.adf");
    request.mode = FileChooserMode::Save;
    EXPECT_EQ(ChooseFile(request), std::nullopt);
    ASSERT_EQ(files.requests().size(), 2u);
    EXPECT_EQ(files.requests()[0].filter, "Valid map, *.adf|*.adf||");
    EXPECT_EQ(files.requests()[1].mode, FileChooserMode::Save);

    FolderChooserRecorder folders({"D:\\Flights"});
    EXPECT_EQ(ChooseFolder({"Flights", "D:\\"}), "D:\\Flights");
    EXPECT_EQ(folders.requests().front().initialFolder, "D:\\");
}

// The real dialog, answered as a user does: the file chosen comes back as its Windows
// path; a file off the drives is reported and counts as Cancel.
TEST(FileChooser, TheRealDialogGivesWindowsPathsOnTheDrives) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/Trip.adf", "x");
    const std::filesystem::path outside = env.writeFile("elsewhere/Trip.adf", "x");
    struct Case {
        std::string host;
        ChosenPath expected;
        std::size_t boxes;
    };
    const Case cases[] = {
        {(env.driveC() / "Quillet/Trip.adf").string(), "C:\\Quillet\\Trip.adf", 0},
        {outside.string(), std::nullopt, 1},
    };
    for (const Case& c : cases) {
        platform::MessageBoxRecorder boxes;
        QString shownFolder;
        testing::WhenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            shownFolder = dialog->directory().absolutePath();
            TypeIntoNextFileDialog(c.host);
        });
        FileChooserRequest request;
        request.initialFolder = "C:\\Quillet";
        request.filter = "Valid map, *.adf|*.adf||";
        EXPECT_EQ(ChooseFile(request), c.expected) << c.host;
        EXPECT_EQ(shownFolder.toStdString(), (env.driveC() / "Quillet").string());
        EXPECT_EQ(boxes.shown().size(), c.boxes) << c.host;
    }
}

PrintRequest To(PrintTarget target, std::string pdfFile = {}) {
    PrintRequest request;
    request.target = target;
    request.pdfFile = std::move(pdfFile);
    return request;
}

// Saving over a file asks through the platform's box; No goes back to the dialog.
TEST(FileChooser, SavingOverAFileAsksFirst) {
    platform::testing::TempEnvironment env;
    const std::string existing = env.writeFile("drive_c/Quillet/Trip.adf", "x").string();
    platform::MessageBoxRecorder boxes({platform::MbResult::No, platform::MbResult::Yes});
    TypeIntoNextFileDialog(existing, 2);
    FileChooserRequest request;
    request.mode = FileChooserMode::Save;
    request.confirmOverwrite = true;
    EXPECT_EQ(ChooseFile(request), "C:\\Quillet\\Trip.adf");
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Trip.adf already exists.\nDo you want to replace it?");
    EXPECT_EQ(boxes.shown()[0].caption, "Save As");
    EXPECT_EQ(boxes.shown()[0].buttons, platform::MbButtons::YesNo);
}

// Two pages, each with its number of black squares in the top left corner.
PrintJob SquaresJob() {
    PrintJob job;
    job.documentName = "Flight plan";
    job.pageCount = 2;
    job.printPage = [](QPainter& painter, int page, const QRect& drawRect) {
        for (int square = 0; square < page; ++square)
            painter.fillRect(QRect(square * 20, 0, 10, 10).intersected(drawRect), Qt::black);
    };
    return job;
}

TEST(PrintTarget, APdfFileIsWrittenWholeWithEveryPage) {
    platform::testing::TempEnvironment env;
    ASSERT_TRUE(platform::CreateDirectory("C:\\Charts"));
    ASSERT_TRUE(Print(To(PrintTarget::PdfFile, "C:\\Charts\\plan.pdf"), SquaresJob()));
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes("C:\\Charts\\plan.pdf", bytes));
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("/Count 2"), std::string::npos);

    // A file that cannot be written (its folder is a file) is a failure.
    EXPECT_FALSE(Print(To(PrintTarget::PdfFile, "C:\\Charts\\plan.pdf\\again.pdf"), SquaresJob()));
}

// The real preview and print dialog, answered as a user does.
TEST(PrintTarget, ThePreviewShowsEveryPageAndACancelledPrintDialogPrintsNothing) {
    int previewPages = 0;
    testing::WhenModalShown([&](QWidget* modal) {
        auto* preview = modal->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        previewPages = preview->pageCount();
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_TRUE(Print(To(PrintTarget::Preview), SquaresJob()));
    EXPECT_EQ(previewPages, 2);

    int drawn = 0;
    PrintJob job = SquaresJob();
    job.printPage = [&](QPainter&, int, const QRect&) { ++drawn; };
    testing::WhenModalShown([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(Print(To(PrintTarget::Printer), job));
    EXPECT_EQ(drawn, 0);
}

// A page that ends clipped, as a chart's plan view does, leaves the next page whole.
TEST(PrintTarget, EachPreviewPageStartsUnclipped) {
    PrintJob job;
    job.pageCount = 2;
    job.printPage = [](QPainter& painter, int page, const QRect& drawRect) {
        if (page == 1) {
            painter.setClipRect(QRect(drawRect.center(), QSize(10, 10)));
            painter.setClipping(false);
            return;
        }
        painter.fillRect(QRect(drawRect.topLeft(), drawRect.size() / 4), Qt::red);
    };
    int redPixels = 0;
    testing::WhenModalShown([&](QWidget* modal) {
        auto* preview = modal->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->setViewMode(QPrintPreviewWidget::SinglePageView);
        preview->setCurrentPage(2);
        preview->fitInView();
        const QImage shown = preview->grab().toImage();
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixelColor(x, y) == Qt::red) ++redPixels;
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_TRUE(Print(To(PrintTarget::Preview), job));
    EXPECT_GT(redPixels, 0);
}

TEST(PrintTarget, TheRecorderDrawsThePrintedJobsPages) {
    PrintRecorder recorder({false});
    EXPECT_FALSE(Print(To(PrintTarget::Printer), SquaresJob()));  // cancelled in the print dialog
    EXPECT_TRUE(Print(To(PrintTarget::Preview), SquaresJob()));
    ASSERT_EQ(recorder.jobs().size(), 2u);
    EXPECT_TRUE(recorder.jobs()[0].pages.empty());
    const PrintRecorder::Job& shown = recorder.jobs()[1];
    EXPECT_EQ(shown.request.target, PrintTarget::Preview);
    EXPECT_EQ(shown.documentName, "Flight plan");
    ASSERT_EQ(shown.pages.size(), 2u);
    EXPECT_EQ(shown.pages[0].pixelColor(25, 5), Qt::white);
    EXPECT_EQ(shown.pages[1].pixelColor(25, 5), Qt::black);
    EXPECT_EQ(shown.pages[1].logicalDpiX(), 100);
}

}  // namespace
}  // namespace qtplatform
