#include "gathrelapp/files_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gathrel/replace_question.h"
#include "gathrel/scenery_files.h"
#include "gathrelapp/busy_message.h"
#include "icarune/icarune.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/static_text.h"

namespace gathrelapp {

namespace {

constexpr int kFs2000Version = 7;
constexpr int kFs2002Version = 8;
constexpr int kTickMilliseconds = 100;

constexpr const char* kMissingIcarune =
    "A function in Icarune.dll, is missing \nMake sure you ahve the lattest files available\nThe system cannot "
    "continue without it";
constexpr const char* kNoSimulator =
    "FS2K or FS2K2 was not found on your system\nThe system will only look for '*.bgl' files on you cd-rom drive(s).";
constexpr const char* kNotAvailable = "This function is not available...";
constexpr const char* kFs2000Help =
    "Select if you would like the system to retrieve data from the FS2000 directory:\n%s";
constexpr const char* kFs2002Help =
    "Select if you would like the system to retrieve data from the FS2002 directory:\n%s";
constexpr const char* kLoadBglHelp =
    "Checked: reads the data from the various '*.bgl' files.\nUn-checked: Read created files and put them in country "
    "alphabetical order\nAlso makes it easier to use the file, (for manual editing of the files).\nCan take well over "
    "1 to 2 hours to complete";
constexpr const char* kCreateDbHelp =
    "Select to load data from all the '*.bgl' files in your system\n(Including your cd-rom), and create the files in "
    "the selected directory.";
constexpr const char* kLoadOneBglHelp = "Select to load data from 1 specific '*.bgl' file only\n";
constexpr const char* kHardDiskHelp = "Load form the FS Directory only.\nThe system will not look on the CD drive.";
constexpr const char* kCdHelp =
    "Load form the FS Directory and from the CD-rom.\nPlease ensure that the correct CD, (with '*.bgl' files), is in "
    "the drive.";

QString Counter(const char* label, std::size_t count) {
    return QString::fromStdString(platform::Format("%s:%06zu", label, count));
}

// Offered on the page, without an action.
QPushButton* DisabledButton(const char* caption, int id) {
    auto* button = qtplatform::WithId(new QPushButton(QString::fromUtf8(caption)), id);
    button->setEnabled(false);
    return button;
}

QString PercentText(int percent) { return QString::fromStdString(platform::Format("%3d%%", percent)); }

}  // namespace

CGathrelFiles::CGathrelFiles(gathrel::BuilderDatabase& database, const gathrel::DatabasePaths& paths,
                             std::string baseDirectory, gathrel::BuilderJob& job)
    : PropertyPage("Files"),
      database_(database),
      paths_(paths),
      baseDirectory_(std::move(baseDirectory)),
      job_(job),
      createFilesIn_(qtplatform::WithId(new QLineEdit, kCreateFilesIn)),
      createDb_(qtplatform::WithId(new CHelpButton(QStringLiteral("C&reate Db")), kCreateDb)),
      loadOneBgl_(qtplatform::WithId(new CHelpButton(QStringLiteral("L&oad BGL")), kLoadOneBgl)),
      progress_(qtplatform::WithId(new QProgressBar, kProgress)),
      percent_(qtplatform::WithId(qtplatform::NewStaticText("0%"), kPercent)),
      status_(qtplatform::WithId(qtplatform::NewStaticText(""), kStatus)),
      help_(qtplatform::WithId(qtplatform::NewStaticText(""), kHelp)),
      navaidCount_(qtplatform::WithId(qtplatform::NewStaticText("Nav:000000"), kNavaidCount)),
      airportCount_(qtplatform::WithId(qtplatform::NewStaticText("Airp:000000"), kAirportCount)),
      fs2000_(qtplatform::WithId(new HelpRadioButton(QStringLiteral("FS2000")), kFs2000)),
      fs2002_(qtplatform::WithId(new HelpRadioButton(QStringLiteral("FS2002")), kFs2002)),
      loadBgl_(qtplatform::WithId(new HelpCheckBox(QStringLiteral("Load BGL")), kLoadBgl)),
      addToCurrent_(qtplatform::WithId(new HelpCheckBox(QStringLiteral("Add to current Nav")), kAddToCurrent)),
      hardDiskOnly_(qtplatform::WithId(new HelpRadioButton(QStringLiteral("Load From H/D")), kHardDiskOnly)),
      cdAndHardDisk_(qtplatform::WithId(new HelpRadioButton(QStringLiteral("Load From CD && H/D")), kCdAndHardDisk)) {
    createFilesIn_->setReadOnly(true);
    help_->setWordWrap(true);
    help_->setMinimumHeight(help_->fontMetrics().height() * 5);
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    loadBgl_->setChecked(true);
    addToCurrent_->setChecked(true);
    auto* simulators = new QButtonGroup(this);
    simulators->addButton(fs2000_);
    simulators->addButton(fs2002_);
    auto* drives = new QButtonGroup(this);
    drives->addButton(hardDiskOnly_);
    drives->addButton(cdAndHardDisk_);

    auto* layout = new QVBoxLayout(this);
    auto* simulator = new QGroupBox(QStringLiteral("Simulator"));
    auto* simulatorRow = new QHBoxLayout(simulator);
    for (QRadioButton* choice : {static_cast<QRadioButton*>(fs2000_), static_cast<QRadioButton*>(fs2002_),
                                 static_cast<QRadioButton*>(hardDiskOnly_), static_cast<QRadioButton*>(cdAndHardDisk_)})
        simulatorRow->addWidget(choice);
    layout->addWidget(simulator);
    auto* options = new QHBoxLayout;
    options->addWidget(loadBgl_);
    options->addWidget(addToCurrent_);
    options->addWidget(DisabledButton("&Add", kAdd));
    options->addWidget(DisabledButton("&Clear", kClear));
    options->addWidget(DisabledButton("Load from secial file(s)", kSpecialFiles));
    layout->addLayout(options);
    auto* target = new QHBoxLayout;
    target->addWidget(qtplatform::NewStaticText("Create files in..."));
    target->addWidget(createFilesIn_);
    target->addWidget(qtplatform::WithId(new QPushButton(QStringLiteral("...")), kBrowse));
    layout->addLayout(target);
    auto* actions = new QHBoxLayout;
    actions->addWidget(createDb_);
    actions->addWidget(loadOneBgl_);
    actions->addWidget(navaidCount_);
    actions->addWidget(airportCount_);
    layout->addLayout(actions);
    auto* bar = new QHBoxLayout;
    bar->addWidget(progress_);
    bar->addWidget(percent_);
    layout->addLayout(bar);
    layout->addWidget(status_);
    layout->addWidget(help_);

    connect(createDb_, &QPushButton::clicked, this, [this] { OnCreateDb(); });
    connect(loadOneBgl_, &QPushButton::clicked, this, [] { platform::MessageBox(kNotAvailable); });
    connect(fs2000_, &QRadioButton::clicked, this, [this] { ChooseSimulator(true); });
    connect(fs2002_, &QRadioButton::clicked, this, [this] { ChooseSimulator(false); });
    connect(loadBgl_, &QCheckBox::toggled, this, [this](bool on) { OnLoadBglToggled(on); });
    connect(&timer_, &QTimer::timeout, this, [this] { OnTick(); });
}

bool CGathrelFiles::OnInitDialog() {
    if (!icarune_.IsLoaded() && icarune_.Load("Icarune.dll") == platform::DynamicLibrary::LoadResult::Loaded) {
        loadReg_ = icarune_.Function<LoadRegFunction>("LoadReg");
    }
    if (loadReg_ == nullptr) platform::MessageBox(kMissingIcarune, "Missing DLL", platform::MbIcon::Information);
    percent_->setText(PercentText(0));
    ShowProgress(false);
    FindSimulators();
    cdAndHardDisk_->setChecked(true);
    createFilesIn_->setText(QString::fromStdString(baseDirectory_));
    loadBgl_->SetHelp(kLoadBglHelp, help_);
    createDb_->SetHelp(kCreateDbHelp, help_);
    loadOneBgl_->SetHelp(kLoadOneBglHelp, help_);
    hardDiskOnly_->SetHelp(kHardDiskHelp, help_);
    cdAndHardDisk_->SetHelp(kCdHelp, help_);
    addToCurrent_->SetHelp("But2", help_);
    return PropertyPage::OnInitDialog();
}

std::string CGathrelFiles::SimulatorFolder(int version) const {
    if (loadReg_ == nullptr) return {};
    char folder[kIcaruneFolderSize] = {};
    return loadReg_(folder, version) ? std::string(folder) : std::string();
}

void CGathrelFiles::FindSimulators() {
    fs2000Folder_ = SimulatorFolder(kFs2000Version);
    fs2002Folder_ = SimulatorFolder(kFs2002Version);
    fs2000_->setEnabled(!fs2000Folder_.empty());
    fs2002_->setEnabled(!fs2002Folder_.empty());
    fs2000_->setChecked(!fs2000Folder_.empty());
    fs2002_->setChecked(fs2000Folder_.empty() && !fs2002Folder_.empty());
    sceneryFolder_ = !fs2000Folder_.empty() ? fs2000Folder_ : fs2002Folder_;
    fs2000_->SetHelp(platform::Format(kFs2000Help, fs2000Folder_.c_str()), help_);
    fs2002_->SetHelp(platform::Format(kFs2002Help, fs2002Folder_.c_str()), help_);
    if (sceneryFolder_.empty() && loadReg_ != nullptr) {
        platform::MessageBox(kNoSimulator, "Cannot locate FS", platform::MbIcon::Information);
    }
}

void CGathrelFiles::ChooseSimulator(bool fs2000) {
    const std::string folder = SimulatorFolder(fs2000 ? kFs2000Version : kFs2002Version);
    if (!folder.empty()) sceneryFolder_ = folder;
    (fs2000 ? fs2000_ : fs2002_)->setChecked(true);
}

void CGathrelFiles::OnLoadBglToggled(bool on) {
    addToCurrent_->setChecked(on);
    addToCurrent_->setEnabled(on);
}

void CGathrelFiles::OnCreateDb() {
    if (RefusedWhileBusy(job_)) return;
    if (loadBgl_->isChecked()) {
        StartScan();
    } else {
        StartMerge();
    }
}

void CGathrelFiles::StartScan() {
    gathrel::ScanRequest request{sceneryFolder_, {}, paths_};
    // "Load From H/D" leaves the CD-ROM drives out.
    if (cdAndHardDisk_->isChecked()) request.driveRoots = gathrel::CdRomDriveRoots();
    scanReport_.reset();
    ShowProgress(true);
    job_.Start([this, request](gathrel::ScanProgress& progress) {
        gathrel::ScanReport report = gathrel::ScanForDatabases(request, progress);
        if (report.outcome == gathrel::ScanOutcome::Found)
            heldBeforeScan_ = gathrel::CountDatabaseRecords(request.targets);
        scanReport_ = std::move(report);
    });
    timer_.start(kTickMilliseconds);
}

void CGathrelFiles::StartMerge() {
    mergeReport_.reset();
    ShowProgress(true);
    job_.Start([this, paths = paths_](gathrel::ScanProgress& progress) {
        mergeReport_ = gathrel::RunListingsMerge(paths, progress);
    });
    timer_.start(kTickMilliseconds);
}

void CGathrelFiles::DropWork() {
    timer_.stop();
    scanReport_.reset();
    mergeReport_.reset();
}

void CGathrelFiles::ShowProgress(bool shown) {
    if (shown) {
        helpBeforeWork_ = help_->text();
        progress_->setValue(0);
        percent_->setText(PercentText(0));
    } else {
        help_->setText(helpBeforeWork_);
    }
    progress_->setVisible(shown);
    percent_->setVisible(shown);
}

void CGathrelFiles::OnTick() {
    // Read first: the counters shown after the worker returned are its last ones.
    const bool done = job_.WorkDone();
    gathrel::ScanProgress& progress = job_.Progress();
    navaidCount_->setText(Counter("Nav", progress.Navaids()));
    airportCount_->setText(Counter("Airp", progress.Airports()));
    progress_->setValue(std::min(progress.Percent(), 100));
    percent_->setText(PercentText(progress.Percent()));
    help_->setText(QString::fromStdString(progress.Status()));
    status_->setText(QString::fromStdString(progress.StatusLine()));
    if (done) TakeResult();
}

void CGathrelFiles::TakeResult() {
    timer_.stop();
    if (scanReport_ && scanReport_->outcome == gathrel::ScanOutcome::Found) {
        WriteOrKeepScan();
        return;
    }
    job_.Finish();
    ShowProgress(false);
    std::string message;
    if (scanReport_) {
        message = gathrel::ScanOutcomeMessage(*scanReport_);
        if (scanReport_->outcome == gathrel::ScanOutcome::Written) {
            gathrel::TakeScanResult(database_, std::move(scanReport_->result));
            status_->setText(QStringLiteral("Done"));
        }
        scanReport_.reset();
    } else if (mergeReport_) {
        message = mergeReport_->message;
        if (mergeReport_->merged) {
            database_ = std::move(mergeReport_->database);
            database_.unsaved = true;  // sorted: written when the builder closes
        }
        mergeReport_.reset();
    }
    if (!message.empty()) platform::MessageBox(message, {}, platform::MbIcon::Information);
}

// Asked while the job is still busy, so that nothing else starts meanwhile; the close
// box may drop the scan while the question is open.
void CGathrelFiles::WriteOrKeepScan() {
    const std::string question = gathrel::ReplaceQuestion(heldBeforeScan_, gathrel::CountsOf(scanReport_->result));
    const bool replace =
        question.empty() || platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNo,
                                                 1) == platform::MbResult::Yes;
    job_.Finish();
    if (!scanReport_) return;
    if (!replace) {
        gathrel::DropScanResult(std::move(scanReport_->result));
        scanReport_.reset();
        ShowProgress(false);
        return;
    }
    job_.Start([this](gathrel::ScanProgress& progress) {
        // The scan's counters and full bar stay while its files are written.
        progress.SetCounts(scanReport_->result.navaidLines.size(), scanReport_->result.airportLines.size());
        progress.SetProgress(1, 1);
        gathrel::WriteScanReport(*scanReport_, paths_, progress);
    });
    timer_.start(kTickMilliseconds);
}

}  // namespace gathrelapp
