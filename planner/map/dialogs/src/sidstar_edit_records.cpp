// The editor's record commands: Save ID, New ID, Delete ID, the spin beside Count, and
// the question to save before the form moves on.
#include <utility>

#include "mapdialogs/edit_sid_star_dlg.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "sidstar_edit_texts.h"

namespace trevalo {
namespace {

constexpr const char* kEnterAirport = "Please enter the ID of an airport with runways first.";
constexpr const char* kConfirmDelete = "Are you sure you want to permanently delete this ID";
constexpr const char* kUpdateAndSave = "Would you like to update and save your changes.";
constexpr const char* kSaveChanges = "Would you like to save your changes.";
constexpr const char* kNewIdent = "NEW_ITEM";
constexpr const char* kNewName = "NEW_ITEM_NAME";
constexpr int kNewRecord = -1;

bool Asked(const char* question, int defaultButton = 0) {
    return platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNo, defaultButton) ==
           platform::MbResult::Yes;
}

}  // namespace

Procedure CEditSidStarDlg::FormProcedure(int number) const {
    Procedure procedure;
    ProcedureHeader& header = procedure.header;
    header.number = number;
    header.airportIdent = airportIdent_;
    header.airportName = airportName_;
    header.runway = runway_;
    header.country = country_;
    header.author = author_;
    header.type = typeIndex_ == 1 ? kStarType : kSidType;
    header.procedureIdent = ident_;
    header.procedureName = name_;
    header.magneticVariation = magVar_;
    procedure.legs = legs_;
    return procedure;
}

// Writes the form as record number (a new one for a number of 0 or less) and shows the
// record as stored.
bool CEditSidStarDlg::SaveShownRecord(int number) {
    if (airportIdent_.empty() || runway_.empty()) {
        mapdialogs_detail::Inform(kEnterAirport);
        return false;
    }
    if (platform::Trimmed(ident_).empty()) {
        mapdialogs_detail::Inform(mapdialogs_detail::kEnterIdMessage);
        qtplatform::FindControl(this, kIdent)->setFocus();
        return false;
    }
    Procedure procedure = FormProcedure(number);
    if (!store_.Save(Latitude(), WestLongitude(), procedure)) return false;
    ShowRecordOrEmptyForm(procedure.header.number);
    return true;
}

void CEditSidStarDlg::OnSaveId() {
    if (!UpdateData(true)) return;
    if (legChanged_) StoreLeg(currentLeg_);
    SaveShownRecord(number_);
}

void CEditSidStarDlg::OnNewId() {
    if (!UpdateData(true)) return;
    AskToSave();
    // The new record never takes the place of the one shown.
    std::vector<ProcedureLeg> shownLegs = std::exchange(legs_, {});
    std::string shownIdent = std::exchange(ident_, kNewIdent);
    std::string shownName = std::exchange(name_, kNewName);
    if (!SaveShownRecord(kNewRecord)) {
        legs_ = std::move(shownLegs);
        ident_ = std::move(shownIdent);
        name_ = std::move(shownName);
        UpdateData(false);
    }
}

void CEditSidStarDlg::OnDeleteId() {
    if (!UpdateData(true) || !Asked(kConfirmDelete, 1)) return;
    const int deleted = number_;
    if (store_.Delete(Latitude(), WestLongitude(), {deleted, airportIdent_, runway_})) {
        ShowRecordOrEmptyForm(deleted - 1);
    }
}

void CEditSidStarDlg::OnNumberSpin(int delta) {
    if (!UpdateData(true)) return;
    AskToSave();
    const int wanted = std::max(1, delta < 0 ? number_ + 1 : number_ - 1);
    if (const std::optional<TileRecord> record = FindShownRunwayRecord(wanted)) {
        ShowRecord(*record);
    } else {
        UpdateData(false);
    }
}

void CEditSidStarDlg::AskToSave() {
    if (legChanged_) {
        if (Asked(kUpdateAndSave)) {
            StoreLeg(currentLeg_);
            SaveShownRecord(number_);
        }
    } else if (recordChanged_ && Asked(kSaveChanges)) {
        SaveShownRecord(number_);
    }
    recordChanged_ = legChanged_ = false;
}

}  // namespace trevalo
