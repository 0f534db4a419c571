// Documents and their views: loading, colouring, the modified mark, indentation after
// Enter, saving each document's own text, reading the file again, and printing.
#include <sys/stat.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextLayout>
#include <filesystem>

#include "command_ids.h"
#include "editor_fixture.h"
#include "platform/text.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/print_target.h"
#include "quillet/command_list.h"
#include "source_highlighter.h"
#include "source_printing.h"
#include "workstation_bar.h"

namespace quillet::testing {
namespace {

using DocumentTest = EditorTest;

// The colours the view shows on a line, as (text, red green blue) runs.
std::vector<std::pair<std::string, QColor>> ColoursOfLine(const CQuilletDoc& document, int line) {
    const QTextBlock block = document.View()->Edit().document()->findBlockByNumber(line);
    std::vector<std::pair<std::string, QColor>> runs;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        runs.emplace_back(block.text().mid(range.start, range.length).toStdString(), range.format.foreground().color());
    return runs;
}

TEST_F(DocumentTest, ASourceOpensColouredWithTheCommandList) {
    WriteSource("Quillet/CmdFile.cmd", CommandField("GOSUB") + "\r\n");
    app_.LoadCommandList();
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "start:\r\n\tGOSUB x ; go\r\n\tSay \"hi\"\r\n"));
    EXPECT_EQ(ViewOf(document).Text(), "start:\n\tGOSUB x ; go\n\tSay \"hi\"\n");
    EXPECT_EQ(document.GetTitle(), "Flight.txt");
    EXPECT_FALSE(document.IsModified());
    const QColor blue(0, 0, 255), green(0, 195, 0), red(220, 0, 0);
    EXPECT_EQ(ColoursOfLine(document, 0), (std::vector<std::pair<std::string, QColor>>{{"start:", blue}}));
    EXPECT_EQ(ColoursOfLine(document, 1),
              (std::vector<std::pair<std::string, QColor>>{{"GOSUB ", blue}, {"; go", green}}));
    EXPECT_EQ(ColoursOfLine(document, 2), (std::vector<std::pair<std::string, QColor>>{{"hi\"", red}}));
    // Typing colours the line as it changes.
    TypeAtEnd(document, "' note");
    EXPECT_EQ(ColoursOfLine(document, 3), (std::vector<std::pair<std::string, QColor>>{{"' note", green}}));
}

TEST_F(DocumentTest, ALargeFileLoadsWithoutColoursWhenTheUserSaysNo) {
    const std::string line = "\tGOSUB start ; a line of a long source\r\n";
    std::string text;
    while (text.size() < kLargeFileBytes) text += line;
    CQuilletDoc& document = Open(WriteSource("Adv/Large.txt", text));
    ASSERT_EQ(boxes_.texts(), std::vector<std::string>{kLargeFileQuestion});
    EXPECT_EQ(boxes_.shown().front().defaultButton, 1);
    EXPECT_TRUE(ColoursOfLine(document, 0).empty());
    EXPECT_TRUE(ViewOf(document).Highlighter().Colouring());
}

TEST_F(DocumentTest, AnyKeyMarksTheDocumentModifiedAndSavingClearsTheMark) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "start:\r\n"));
    QTest::keyClick(&EditOf(document), Qt::Key_Down);
    EXPECT_EQ(document.GetTitle(), "Flight.txt *");
    EXPECT_EQ(app_.MainFrame()->MdiArea()->activeSubWindow()->windowTitle(), "Flight.txt *");
    ASSERT_TRUE(Run(kCmdFileSave));
    EXPECT_EQ(document.GetTitle(), "Flight.txt");
}

TEST_F(DocumentTest, EachDocumentSavesItsOwnTextWithCrLf) {
    CQuilletDoc& first = Open(WriteSource("Adv/First.txt", "one\r\n"));
    CQuilletDoc& second = Open(WriteSource("Adv/Second.txt", "two\n"));
    TypeAtEnd(first, "more");
    PressEnter(first);
    EditOf(second).setFocus();
    ASSERT_EQ(app_.CurrentDocument(), &second);
    ASSERT_TRUE(first.OnSaveDocument(first.GetPathName()));
    EXPECT_EQ(ReadHost("Adv/First.txt"), "one\r\nmore\r\n");
    EXPECT_EQ(ReadHost("Adv/Second.txt"), "two\n");
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndKeepsTheDocumentModified) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "kept\r\n"));
    ASSERT_EQ(::chmod((env_.driveC() / "Adv/Flight.txt").c_str(), 0444), 0);
    TypeAtEnd(document, "x");
    ASSERT_TRUE(Run(kCmdFileSave));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetTitle(), "Flight.txt *");
    EXPECT_EQ(ReadHost("Adv/Flight.txt"), "kept\r\n");
    ASSERT_EQ(boxes_.texts().size(), 1u);
    EXPECT_NE(boxes_.texts().front().find("could not be saved"), std::string::npos);
}

TEST_F(DocumentTest, ANewDocumentIsProposedAsASourceWhenSaved) {
    std::filesystem::create_directories(env_.driveC() / "Adv");
    CQuilletDoc& document = *app_.OnFileNew();
    TypeAtEnd(document, "start:");
    qtplatform::FileChooserRecorder files({"C:\\Adv\\Trip.txt"});
    ASSERT_TRUE(Run(kCmdFileSave));
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests().front().mode, qtplatform::FileChooserMode::Save);
    EXPECT_EQ(files.requests().front().fileName, "Quillet1.txt");
    EXPECT_EQ(files.requests().front().defaultExtension, "txt");
    EXPECT_TRUE(files.requests().front().confirmOverwrite);
    EXPECT_EQ(document.GetTitle(), "Trip.txt");
    EXPECT_EQ(ReadHost("Adv/Trip.txt"), "start:");
    // Saved under a name, the document saves there without asking.
    TypeAtEnd(document, " ; more");
    ASSERT_TRUE(Run(kCmdFileSave));
    EXPECT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(ReadHost("Adv/Trip.txt"), "start: ; more");
}

TEST_F(DocumentTest, EnterIndentsSourcesAfterTheBlockKeywords) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", ""));
    const char* typed[] = {"start:", "IF A > 2", "x = 1", "ELSE", "y = 2", "ENDIF", "RETURN"};
    for (const char* line : typed) {
        TypeAtEnd(document, line);
        PressEnter(document);
    }
    EXPECT_EQ(ViewOf(document).Text(), "start:\n\tIF A > 2\n\t\tx = 1\n\tELSE\n\t\ty = 2\n\tENDIF\nRETURN\n\t");
}

TEST_F(DocumentTest, DefinitionsAndUntitledDocumentsAreNotIndented) {
    CQuilletDoc& definition = Open(WriteSource("Adv/Flight.adf", ""));
    TypeAtEnd(definition, "IF A");
    PressEnter(definition);
    EXPECT_EQ(ViewOf(definition).Text(), "IF A\n");
    CQuilletDoc& untitled = *app_.OnFileNew();
    EXPECT_EQ(untitled.GetTitle(), "Quillet1");
    TypeAtEnd(untitled, "IF A");
    PressEnter(untitled);
    EXPECT_EQ(ViewOf(untitled).Text(), "IF A\n");
    // Automatic tabbing is the view's own switch.
    CQuilletDoc& source = Open(WriteSource("Adv/Flight.txt", ""));
    ASSERT_TRUE(Run(kCmdAutoTab));
    EXPECT_FALSE(ViewOf(source).AutoTabOn());
    TypeAtEnd(source, "IF A");
    PressEnter(source);
    EXPECT_EQ(ViewOf(source).Text(), "IF A\n");
}

class RefreshTest : public EditorTest {
protected:
    RefreshTest() : EditorTest({platform::MbResult::No, platform::MbResult::Yes, platform::MbResult::Yes}) {}
};

TEST_F(RefreshTest, TheFileIsReadAgainAndChangesGoOnlyWhenTheUserAgrees) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "old\r\n"));
    // Regenerated on the disk while open: shown, and saved, as it now stands.
    WriteSource("Adv/Flight.txt", "WAIT 5\r\n");
    ASSERT_EQ(app_.GetCommandList().AddCommand("WAIT"), AddCommandResult::Added);
    ASSERT_TRUE(Run(kCmdRefreshDocument));
    EXPECT_EQ(ViewOf(document).Text(), "WAIT 5\n");
    EXPECT_EQ(ColoursOfLine(document, 0), (std::vector<std::pair<std::string, QColor>>{{"WAIT ", QColor(0, 0, 255)}}));
    EXPECT_TRUE(boxes_.texts().empty());
    ASSERT_TRUE(Run(kCmdFileSave));
    EXPECT_EQ(ReadHost("Adv/Flight.txt"), "WAIT 5\r\n");

    TypeAtEnd(document, "typed");
    WriteSource("Adv/Flight.txt", "third\r\n");
    ASSERT_TRUE(Run(kCmdRefreshDocument));  // No: the changes stay
    EXPECT_EQ(ViewOf(document).Text(), "WAIT 5\ntyped");
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(Run(kCmdRefreshDocument));  // Yes: the file as it is on the disk
    EXPECT_EQ(ViewOf(document).Text(), "third\n");
    EXPECT_EQ(document.GetTitle(), "Flight.txt");
    const std::string discard = platform::Format(kRefreshDiscardQuestion, "Flight.txt");
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{discard, discard}));
    EXPECT_EQ(boxes_.shown().front().buttons, platform::MbButtons::YesNo);
    EXPECT_EQ(boxes_.shown().front().defaultButton, 1);  // Enter keeps the changes
    EXPECT_EQ(ReadHost("Adv/Flight.txt"), "third\r\n");

    // A file gone from the disk is reported and the text stays.
    std::filesystem::remove(env_.driveC() / "Adv/Flight.txt");
    ASSERT_TRUE(Run(kCmdRefreshDocument));
    EXPECT_EQ(boxes_.texts().back(), kCannotOpenDocumentMessage);
    EXPECT_EQ(ViewOf(document).Text(), "third\n");
}

TEST_F(RefreshTest, AnUntitledDocumentIsSavedFirstWhenTheUserAgrees) {
    std::filesystem::create_directories(env_.driveC() / "Adv");
    CQuilletDoc& document = *app_.OnFileNew();
    TypeAtEnd(document, "start:");
    qtplatform::FileChooserRecorder files({std::nullopt, "C:\\Adv\\Trip.txt"});
    for (int refresh = 0; refresh < 2; ++refresh) {  // No, then Yes with Save As cancelled
        ASSERT_TRUE(Run(kCmdRefreshDocument));
        EXPECT_TRUE(document.GetPathName().empty()) << refresh;
        EXPECT_EQ(ViewOf(document).Text(), "start:") << refresh;
    }
    EXPECT_EQ(files.requests().size(), 1u);
    ASSERT_TRUE(Run(kCmdRefreshDocument));
    EXPECT_EQ(document.GetPathName(), "C:\\Adv\\Trip.txt");
    EXPECT_EQ(ReadHost("Adv/Trip.txt"), "start:");
    EXPECT_EQ(ViewOf(document).Text(), "start:");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>(3, kRefreshSaveQuestion));
}

TEST_F(DocumentTest, SaveAsOpensAtTheDocumentsFolderElseAtTheBaseDirectory) {
    WriteSource("Other/B.txt", "b");
    qtplatform::FileChooserRecorder files({"C:\\Other\\B.txt"});
    ASSERT_TRUE(Run(kCmdFileOpen));
    CQuilletDoc& opened = *app_.CurrentDocument();
    ASSERT_TRUE(Run(kCmdFileSaveAs));
    app_.OnFileNew();
    ASSERT_TRUE(Run(kCmdFileSaveAs));
    std::filesystem::remove_all(env_.driveC() / "Other");
    EditOf(opened).setFocus();
    ASSERT_TRUE(Run(kCmdFileSaveAs));
    std::vector<std::string> folders;
    for (std::size_t i = 1; i < files.requests().size(); ++i) folders.push_back(files.requests()[i].initialFolder);
    EXPECT_EQ(folders, (std::vector<std::string>{"C:\\Other\\", "C:\\Quillet\\", "C:\\Quillet\\"}));
}

TEST_F(DocumentTest, TheTextPrintsAndPreviewsPageByPage) {
    std::string text;
    for (int i = 0; i <= kPrintedLinesPerPage; ++i) text += "\tline " + std::to_string(i) + "\r\n";
    Open(WriteSource("Adv/Flight.txt", text));
    qtplatform::PrintRecorder printed({true, false});
    ASSERT_TRUE(Run(kCmdFilePrint));
    ASSERT_TRUE(Run(kCmdFilePrintPreview));
    ASSERT_EQ(printed.jobs().size(), 2u);
    EXPECT_EQ(printed.jobs()[0].request.target, qtplatform::PrintTarget::Printer);
    EXPECT_EQ(printed.jobs()[0].documentName, "Flight.txt");
    EXPECT_EQ(printed.jobs()[0].pageCount, 2);  // the last line break starts an empty line
    ASSERT_EQ(printed.jobs()[0].pages.size(), 2u);
    const QImage& first = printed.jobs()[0].pages[0];
    bool inked = false;
    for (int y = 0; y < first.height() && !inked; y += 2)
        for (int x = 0; x < first.width() && !inked; x += 2) inked = qGray(first.pixel(x, y)) < 128;
    EXPECT_TRUE(inked);
    EXPECT_EQ(printed.jobs()[1].request.target, qtplatform::PrintTarget::Preview);
}

TEST_F(DocumentTest, PrintSetupWorksWithNoDocumentAndItsChoicesReachThePrints) {
    QPrinter* setUp = nullptr;
    qtplatform::testing::WhenModalShown([&setUp](QWidget* modal) {
        auto* dialog = qobject_cast<QPageSetupDialog*>(modal);
        if (dialog == nullptr) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        setUp = dialog->printer();
        if (auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"))) landscape->click();
        dialog->accept();
    });
    ASSERT_TRUE(Run(kCmdFilePrintSetup));
    ASSERT_NE(setUp, nullptr);
    EXPECT_EQ(setUp->pageLayout().orientation(), QPageLayout::Landscape);
    Open(WriteSource("Adv/Flight.txt", "start:\r\n"));
    qtplatform::PrintRecorder printed;
    ASSERT_TRUE(Run(kCmdFilePrint));
    ASSERT_TRUE(Run(kCmdFilePrintPreview));
    ASSERT_EQ(printed.jobs().size(), 2u);
    for (const auto& job : printed.jobs()) EXPECT_EQ(job.request.printer, setUp);
}

TEST_F(DocumentTest, UndoOnlySaysItIsDisabled) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "a"));
    TypeAtEnd(document, "b");
    EditOf(document).setFocus();
    ASSERT_TRUE(Run(kCmdEditUndo));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Undo has been disabled in this version"});
    EXPECT_EQ(ViewOf(document).Text(), "ab");
}

}  // namespace
}  // namespace quillet::testing
