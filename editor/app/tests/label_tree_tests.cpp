// The workstation tree: recent files, the labels of each document from its own text,
// rescans while a scan runs, and going to a label.
#include <QTreeWidget>

#include "editor_fixture.h"
#include "label_tree_ctrl.h"
#include "platform/settings_store.h"
#include "recent_files.h"
#include "workstation_bar.h"

namespace quillet::testing {
namespace {

class LabelTreeTest : public EditorTest {
protected:
    QTreeWidget& Tree() const { return app_.MainFrame()->WorkstationBar().Tree(); }

    QTreeWidgetItem* FileItem(const std::string& folder, const std::string& file) const {
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = Tree().topLevelItem(i);
            if (top->text(0).toStdString() != folder) continue;
            for (int j = 0; j < top->childCount(); ++j)
                if (top->child(j)->text(0).toStdString() == file) return top->child(j);
        }
        return nullptr;
    }
    std::vector<std::string> LabelsOf(const std::string& folder, const std::string& file) const {
        std::vector<std::string> labels;
        if (QTreeWidgetItem* item = FileItem(folder, file))
            for (int i = 0; i < item->childCount(); ++i) labels.push_back(item->child(i)->text(0).toStdString());
        return labels;
    }
    bool WaitForLabels(const std::string& file, const std::vector<std::string>& labels) const {
        return qtplatform::testing::ProcessEventsUntil(
            [&] { return LabelsOf("C:\\Adv", file) == labels && !app_.MainFrame()->LabelScanRunning(); });
    }
};

TEST_F(LabelTreeTest, EachDocumentShowsTheLabelsOfItsOwnText) {
    Open(WriteSource("Adv/A.txt", "alpha:\r\n\tGOSUB beta\r\nbeta: ; called\r\nIF a: b\r\n; gamma:\r\n"));
    Open(WriteSource("Adv/B.txt", "subRemoveGear:\r\nzulu:\r\n"));
    EXPECT_TRUE(WaitForLabels("A.txt", {"alpha", "beta"})) << ::testing::PrintToString(LabelsOf("C:\\Adv", "A.txt"));
    EXPECT_TRUE(WaitForLabels("B.txt", {"subRemoveGear", "zulu"}));
    EXPECT_EQ(CLabelTreeCtrl::ImageOf(*FileItem("C:\\Adv", "B.txt")), kImageCurrentFile);
    EXPECT_EQ(CLabelTreeCtrl::ImageOf(*FileItem("C:\\Adv", "A.txt")), kImageFile);
}

TEST_F(LabelTreeTest, LabelsTypedWhileAScanRunsAreScannedWhenItEnds) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "alpha:\r\nbeta:\r\n"));
    ASSERT_TRUE(app_.MainFrame()->LabelScanRunning());
    TypeAtEnd(document, "charlie:");
    EXPECT_TRUE(WaitForLabels("A.txt", {"alpha", "beta", "charlie"}));
    // Unmaking a label line takes its item away at the next scan.
    EditOf(document).moveCursor(QTextCursor::Start);
    QTest::keyClick(&EditOf(document), Qt::Key_End);
    QTest::keyClick(&EditOf(document), Qt::Key_Backspace);
    EXPECT_TRUE(WaitForLabels("A.txt", {"beta", "charlie"}));
}

TEST_F(LabelTreeTest, ADoubleClickOnALabelGoesToTheLineThatDefinesIt) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "restart:\r\n\tGOSUB start\r\n\tstart:\r\n"));
    ASSERT_TRUE(WaitForLabels("A.txt", {"restart", "start"}));
    Open(WriteSource("Adv/Other.txt", "x"));
    QTreeWidgetItem* start = FileItem("C:\\Adv", "A.txt")->child(1);
    emit Tree().itemDoubleClicked(start, 0);
    EXPECT_EQ(app_.CurrentDocument(), &document);
    const QTextCursor caret = EditOf(document).textCursor();
    EXPECT_EQ(caret.blockNumber(), 2);
    EXPECT_EQ(caret.positionInBlock(), 1);
}

TEST_F(LabelTreeTest, ADoubleClickOnAFileThatCannotBeOpenedSaysSo) {
    Open(WriteSource("Adv/A.txt", "x"));
    ASSERT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return FileItem("C:\\Adv", "A.txt") != nullptr; }));
    std::filesystem::remove(env_.driveC() / "Adv/A.txt");
    app_.MainFrame()->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(app_.Documents().empty());
    emit Tree().itemDoubleClicked(FileItem("C:\\Adv", "A.txt"), 0);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kCannotOpenDocumentMessage});
}

class RecentFilesTreeTest : public LabelTreeTest {
protected:
    void SetUp() override {
        WriteSource("Adv/Kept.txt", "x");
        RecentFiles recent;
        recent.Load();
        recent.Add("C:\\Adv\\Gone.txt");
        recent.Add("C:\\Adv\\Kept.txt");
        LabelTreeTest::SetUp();
    }
};

TEST_F(RecentFilesTreeTest, RecentFilesThatStillExistAreShown) {
    EXPECT_NE(FileItem("C:\\Adv", "Kept.txt"), nullptr);
    EXPECT_EQ(FileItem("C:\\Adv", "Gone.txt"), nullptr);
}

}  // namespace
}  // namespace quillet::testing
