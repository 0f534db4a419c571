// The editor started in a private environment (drives, settings and temporary folder),
// every message box answered by a recorder, with helpers to open sources and type.
#pragma once

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <string>
#include <vector>

#include "editor_app.h"
#include "main_frame.h"
#include "platform/message_box.h"
#include "qtplatform/command_table.h"
#include "qtplatform/testing/qt_test.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "shell/settings.h"
#include "source_edit.h"
#include "testing/temp_environment.h"

namespace quillet::testing {

class EditorTest : public ::testing::Test {
protected:
    explicit EditorTest(std::vector<platform::MbResult> answers = {}) : boxes_(std::move(answers)) {}
    ~EditorTest() override { app_.ExitInstance(0); }

    void SetUp() override {
        // The tip of the day at start-up is tested on its own.
        settings_.WriteInt(trevalo::SettingId::TipStartUp, 1);
        ASSERT_TRUE(app_.InitInstance({}));
        app_.MainFrame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app_.MainFrame()));
    }

    // Writes a file below drive C ("Adv/Flight.txt") and returns its Windows path.
    std::string WriteSource(const std::string& relative, const std::string& text) const {
        env_.writeFile("drive_c/" + relative, text);
        std::string path = "C:\\" + relative;
        for (char& c : path) c = c == '/' ? '\\' : c;
        return path;
    }
    std::string ReadHost(const std::string& relative) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / relative);
    }

    CQuilletDoc& Open(const std::string& path) {
        CQuilletDoc* document = app_.OpenDocumentFile(path);
        EXPECT_NE(document, nullptr) << path;
        return *document;
    }
    static CQuilletView& ViewOf(const CQuilletDoc& document) { return *document.View(); }
    static CSourceEdit& EditOf(const CQuilletDoc& document) { return document.View()->Edit(); }

    // Types at the end of the text, as a user does.
    static void TypeAtEnd(const CQuilletDoc& document, const QString& text) {
        CSourceEdit& edit = EditOf(document);
        edit.moveCursor(QTextCursor::End);
        QTest::keyClicks(&edit, text);
    }
    static void PressEnter(const CQuilletDoc& document) { QTest::keyClick(&EditOf(document), Qt::Key_Return); }

    bool Run(int command) {
        qtplatform::UpdateCommandUI(app_.MainFrame());
        QAction* action = qtplatform::FindCommand(app_.MainFrame(), command);
        if (action == nullptr || !action->isEnabled()) return false;
        action->trigger();
        return true;
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    trevalo::Settings settings_;
    CEditorApp app_;
};

}  // namespace quillet::testing
