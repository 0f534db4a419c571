// The editor's airport ident, its runway lines and runways, and the record they show.
#include <QComboBox>
#include <QLineEdit>

#include "map/sidstar_lookups.h"
#include "mapdialogs/edit_sid_star_dlg.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/report_list.h"
#include "qtplatform/text.h"
#include "sidstar_edit_texts.h"

namespace trevalo {
namespace {

constexpr const char* kTooManyLegs =
    "This procedure has more than 49 legs in its file;\nonly the first 49 are shown, and saving it keeps only those.";

}  // namespace

void CEditSidStarDlg::OnAirportIdentLeft() {
    if (!UpdateData(true)) return;
    airportIdent_ = platform::UpperCased(platform::Trimmed(airportIdent_));
    if (airportIdent_ == chooserIdent_ && chooser_->count() > 0) {
        UpdateData(false);
        return;
    }
    chooserIdent_ = airportIdent_;
    const std::vector<int> lines =
        database_ != nullptr ? database_->AirportLinesWithIdent(airportIdent_, kMaxAirportMatches) : std::vector<int>{};
    chooser_->clear();
    runwayBox_->clear();
    chooser_->setVisible(lines.size() > 1);
    airportNameEdit_->setVisible(lines.size() <= 1);
    if (lines.empty()) {
        airportName_.clear();
        ShowEmptyForm();
        return;
    }
    if (lines.size() > 1) {
        for (const int line : lines)
            chooser_->addItem(qtplatform::ToQString(AirportChooserItem(database_->airportLines, line)));
    }
    // The first runway line with a record that names a country, else the first with a
    // record, else the first line.
    int chosen = -1;
    int firstWithRecord = -1;
    std::optional<TileRecord> record;
    for (std::size_t i = 0; i < lines.size() && chosen < 0; ++i) {
        record = SelectRunwayWithRecord(lines[i]);
        if (record && firstWithRecord < 0) firstWithRecord = static_cast<int>(i);
        if (record && !record->procedure.header.country.empty()) chosen = static_cast<int>(i);
    }
    if (chosen < 0) {
        chosen = std::max(firstWithRecord, 0);
        record = SelectRunwayWithRecord(lines[static_cast<std::size_t>(chosen)]);
    }
    if (lines.size() > 1) chooser_->setCurrentIndex(chosen);
    if (record) {
        ShowRecord(*record);
    } else {
        ShowEmptyForm();
    }
}

std::optional<TileRecord> CEditSidStarDlg::SelectRunwayWithRecord(int line) {
    FillRunwayBox(line);
    for (int item = 0; item < runwayBox_->count(); ++item) {
        runwayBox_->setCurrentIndex(item);
        runway_ = qtplatform::FromQString(runwayBox_->currentText());
        if (std::optional<TileRecord> record = FindShownRunwayRecord(1)) return record;
    }
    runwayBox_->setCurrentIndex(0);
    runway_ = qtplatform::FromQString(runwayBox_->currentText());
    return std::nullopt;
}

void CEditSidStarDlg::OnChooserChosen(int item) {
    if (database_ == nullptr) return;
    const std::optional<int> line = AirportChooserIndex(qtplatform::FromQString(chooser_->itemText(item)));
    if (!line || *line >= database_->airportLines.GetSize()) return;
    FillRunwayBox(*line);
    runwayBox_->setCurrentIndex(0);
    runway_ = qtplatform::FromQString(runwayBox_->currentText());
    ShowRecordOrEmptyForm(1);
}

void CEditSidStarDlg::OnRunwayChosen() {
    runway_ = qtplatform::FromQString(runwayBox_->currentText());
    ShowRecordOrEmptyForm(1);
}

void CEditSidStarDlg::FillRunwayBox(int line) {
    const CAirportArray& airports = database_->airportLines;
    runwayBox_->clear();
    for (const std::string& designator : RunwayDesignatorsOfLine(airports, line)) {
        runwayBox_->addItem(qtplatform::ToQString(designator));
    }
    airportName_ = platform::Trimmed(airports.GetAName(line));
    const LatLon position = AirportLinePosition(airports, line);
    latitude_ = platform::FixedText(position.latitude);
    longitude_ = platform::FixedText(position.westLongitude);
    if (magVar_ == 0.0) magVar_ = airports.GetAMagVar(line);
}

std::optional<TileRecord> CEditSidStarDlg::FindShownRunwayRecord(int number) const {
    if (airportIdent_.empty() || runway_.empty()) return std::nullopt;
    return store_.Find(Latitude(), WestLongitude(), {number, airportIdent_, runway_});
}

void CEditSidStarDlg::ShowRecordOrEmptyForm(int number) {
    if (const std::optional<TileRecord> record = FindShownRunwayRecord(number)) {
        ShowRecord(*record);
    } else {
        ShowEmptyForm();
    }
}

void CEditSidStarDlg::ShowRecord(const TileRecord& record) {
    const ProcedureHeader& header = record.procedure.header;
    if (!header.airportIdent.empty()) airportIdent_ = header.airportIdent;
    if (!header.airportName.empty()) airportName_ = header.airportName;
    author_ = header.author;
    country_ = header.country;
    ident_ = header.procedureIdent;
    name_ = header.procedureName;
    typeIndex_ = header.type == kSidType ? 0 : 1;
    number_ = header.number;
    magVar_ = header.magneticVariation;
    if (magVar_ == 0.0 && database_ != nullptr && chooser_->currentIndex() >= 0) {
        if (const std::optional<int> line = AirportChooserIndex(qtplatform::FromQString(chooser_->currentText()))) {
            if (*line < database_->airportLines.GetSize()) magVar_ = database_->airportLines.GetAMagVar(*line);
        }
    }
    legs_ = record.procedure.legs;
    procedureLoaded_ = true;
    recordChanged_ = legChanged_ = false;
    FillLegRows();
    LoadLeg(legs_.empty() ? -1 : 0);
    if (record.legsCut) mapdialogs_detail::Inform(kTooManyLegs);
}

void CEditSidStarDlg::ShowEmptyForm() {
    author_.clear();
    country_.clear();
    ident_.clear();
    name_.clear();
    number_ = 0;
    legs_.clear();
    procedureLoaded_ = false;
    recordChanged_ = legChanged_ = false;
    FillLegRows();
    LoadLeg(-1);
}

}  // namespace trevalo
