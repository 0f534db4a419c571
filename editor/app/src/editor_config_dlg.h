// Configuration (dialog 150): the base directory, the paths of the compiler, the planner,
// the weather editor and the editor, and automatic tabbing. "&Done" checks the directory
// (offering to create it), reloads the command list from it and stores every value.
#pragma once

#include <span>
#include <string>

#include "qtplatform/dialog.h"

namespace quillet {

class CEditorApp;

inline constexpr const char* kDirectoryMissingQuestion = "This direcory does not exist \nWould you like to create it";
inline constexpr const char* kDirectoryNotCreatedMessage = "An error has occured \nThis directory could not be created";

class CEditorConfigDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kDirectory = 1005,
        kCompiler = 1008,
        kBrowseCompiler = 1009,
        kPlanner = 1010,
        kBrowsePlanner = 1011,
        kWeatherEditor = 1012,
        kBrowseWeatherEditor = 1013,
        kEditor = 1014,
        kBrowseEditor = 1015,
        kAutoTab = 32799,
    };

    CEditorConfigDlg(CEditorApp& app, QWidget* parent = nullptr);

    // The directory with its final backslash when it exists or was made; empty when it
    // stays as it was.
    static std::string ApplyDirectory(std::string directory);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    struct ProgramRow {
        const char* caption;
        int edit;
        int browse;
        const char* filter;
        std::string CEditorConfigDlg::*path;
    };
    static std::span<const ProgramRow> Programs();
    void Browse(const ProgramRow& program);

    CEditorApp& app_;
    std::string directory_;
    std::string compiler_;
    std::string planner_;
    std::string weatherEditor_;
    std::string editor_;
    bool autoTab_ = true;
};

}  // namespace quillet
