// "Files" (dialog 104): builds the databases. With "Load BGL" ticked "C&reate Db" scans
// the simulator's scenery (and the CD-ROM drives) on the worker and, once the user has
// agreed to replace databases that hold records, writes them there; without it, it
// merges the text listings into the databases and sorts them. The page shows the
// worker's counters and progress while it runs.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <optional>
#include <string>

#include "gathrel/bgl_scan.h"
#include "gathrel/builder_database.h"
#include "gathrel/builder_job.h"
#include "gathrel/listings_merge.h"
#include "gathrelapp/help_button.h"
#include "platform/dynamic_library.h"
#include "qtplatform/property_page.h"

namespace gathrelapp {

class CGathrelFiles : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kCreateFilesIn = 1000,
        kCreateDb = 1019,
        kProgress = 1020,
        kPercent = 1021,
        kStatus = 1022,
        kHelp = 1029,
        kLoadOneBgl = 1030,
        kNavaidCount = 1031,
        kAirportCount = 1032,
        kFs2000 = 1033,
        kFs2002 = 1034,
        kLoadBgl = 1036,
        kAddToCurrent = 1037,
        kHardDiskOnly = 1038,
        kCdAndHardDisk = 1039,
        kAdd = 1040,
        kClear = 1041,
        kSpecialFiles = 1042,
        kBrowse = 1043,
    };

    CGathrelFiles(gathrel::BuilderDatabase& database, const gathrel::DatabasePaths& paths, std::string baseDirectory,
                  gathrel::BuilderJob& job);

    void OnCreateDb();
    // After the worker was stopped: its result, if any, is dropped and no longer watched.
    void DropWork();
    const std::string& SceneryFolder() const { return sceneryFolder_; }

protected:
    bool OnInitDialog() override;

private:
    using LoadRegFunction = int(char*, int);

    void FindSimulators();
    std::string SimulatorFolder(int version) const;
    void ChooseSimulator(bool fs2000);
    void OnLoadBglToggled(bool on);
    void StartScan();
    void StartMerge();
    void ShowProgress(bool shown);
    void OnTick();
    void TakeResult();
    // Asks before the scan's lines replace databases that hold records; writes them on
    // the worker, or drops them.
    void WriteOrKeepScan();

    gathrel::BuilderDatabase& database_;
    const gathrel::DatabasePaths& paths_;
    std::string baseDirectory_;
    gathrel::BuilderJob& job_;
    platform::DynamicLibrary icarune_;
    LoadRegFunction* loadReg_ = nullptr;
    std::string sceneryFolder_;
    std::string fs2000Folder_;
    std::string fs2002Folder_;
    QString helpBeforeWork_;
    // Written by the worker, read once it has returned.
    std::optional<gathrel::ScanReport> scanReport_;
    gathrel::DatabaseCounts heldBeforeScan_;
    std::optional<gathrel::MergeReport> mergeReport_;

    QLineEdit* createFilesIn_;
    CHelpButton* createDb_;
    CHelpButton* loadOneBgl_;
    QProgressBar* progress_;
    QLabel* percent_;
    QLabel* status_;
    QLabel* help_;
    QLabel* navaidCount_;
    QLabel* airportCount_;
    HelpRadioButton* fs2000_;
    HelpRadioButton* fs2002_;
    HelpCheckBox* loadBgl_;
    HelpCheckBox* addToCurrent_;
    HelpRadioButton* hardDiskOnly_;
    HelpRadioButton* cdAndHardDisk_;
    QTimer timer_;
};

}  // namespace gathrelapp
