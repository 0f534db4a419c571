// The editor's legs: the list, the leg fields and what leaving each does, Add, Update,
// Delete, Recalculate and the navaid lookups.
#include <QLineEdit>

#include "map/sidstar_lookups.h"
#include "map/sidstar_recalculate.h"
#include "mapdialogs/edit_sid_star_dlg.h"
#include "mapdialogs/select_navaid_dlg.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "scenrix/sid_star.h"
#include "sidstar_edit_texts.h"

namespace trevalo {
namespace {

constexpr const char* kNotACode = "This is not a valid code";
constexpr const char* kUpdateChanges = "Would you like to update your changes.";
constexpr const char* kLegsFull = "A procedure holds at most 49 legs.";
constexpr const char* kMoreLegsThanRoute =
    "This procedure now has more than 10 legs.\nOnly the first 10 reach the route and the adventure.";

using mapdialogs_detail::Inform;

}  // namespace

bool CEditSidStarDlg::HasCurrentLeg() const { return currentLeg_ >= 0 && currentLeg_ < static_cast<int>(legs_.size()); }

void CEditSidStarDlg::FillLegRows() {
    legList_->DeleteAllRows();
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        const auto cells = LegRowTexts(legs_[i]);
        legList_->AppendRow({cells.begin(), cells.end()}, static_cast<std::int64_t>(i));
    }
}

void CEditSidStarDlg::LoadLeg(int row) {
    if (row >= 0 && row < static_cast<int>(legs_.size())) {
        leg_ = LegFieldsOf(legs_[static_cast<std::size_t>(row)]);
        currentLeg_ = row;
        const QSignalBlocker blocker(legList_);
        legList_->SelectRow(row);
    } else {
        leg_ = ClearedLegFields();
        currentLeg_ = -1;
    }
    legChanged_ = false;
    UpdateData(false);
    EnableForm();
}

void CEditSidStarDlg::StoreLeg(int row) {
    if (row < 0 || row >= static_cast<int>(legs_.size())) return;
    ProcedureLeg& slot = legs_[static_cast<std::size_t>(row)];
    slot = StoredLeg(slot, leg_);
    const auto cells = LegRowTexts(slot);
    for (int column = 0; column < kLegColumns; ++column) legList_->SetCell(row, column, cells[column]);
}

void CEditSidStarDlg::OnRowChosen(int row) {
    if (row < 0 || row == currentLeg_ || !UpdateData(true)) return;
    if (legChanged_ && HasCurrentLeg()) {
        if (platform::MessageBox(kUpdateChanges, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
            platform::MbResult::Yes) {
            StoreLeg(currentLeg_);
        }
    }
    LoadLeg(row);
}

void CEditSidStarDlg::OnAddLeg() {
    if (!UpdateData(true)) return;
    StoreLeg(currentLeg_);
    AskToSave();
    if (platform::Trimmed(ident_).empty()) {
        Inform(mapdialogs_detail::kEnterIdMessage);
        qtplatform::FindControl(this, kIdent)->setFocus();
        return;
    }
    if (legs_.size() >= static_cast<std::size_t>(kMaxProcedureLegs)) {
        Inform(kLegsFull);
        return;
    }
    legs_.push_back(NewLegAfter(legs_));
    const auto cells = LegRowTexts(legs_.back());
    legList_->AppendRow({cells.begin(), cells.end()}, static_cast<std::int64_t>(legs_.size() - 1));
    recordChanged_ = true;
    LoadLeg(static_cast<int>(legs_.size()) - 1);
    qtplatform::FindControl(this, kLegCode)->setFocus();
    if (legs_.size() == static_cast<std::size_t>(scenrix::kSidStarCapacity) + 1) Inform(kMoreLegsThanRoute);
    if (autoCalc_ && legs_.size() > 1 && Recalculate()) StoreLeg(currentLeg_);
}

void CEditSidStarDlg::OnUpdateLeg() {
    if (!UpdateData(true)) return;
    const int selected = legList_->SelectedRow();
    StoreLeg(selected >= 0 ? selected : currentLeg_);
    legChanged_ = false;
}

void CEditSidStarDlg::OnDeleteLeg() {
    if (!UpdateData(true)) return;
    const int selected = legList_->SelectedRow();
    if (selected < 0 || selected >= static_cast<int>(legs_.size())) return;
    legs_.erase(legs_.begin() + selected);
    FillLegRows();
    recordChanged_ = true;
    LoadLeg(std::min(selected, static_cast<int>(legs_.size()) - 1));
}

void CEditSidStarDlg::OnRecalculate() {
    if (UpdateData(true) && Recalculate()) legChanged_ = recordChanged_ = true;
}

bool CEditSidStarDlg::Recalculate() {
    if (currentLeg_ <= 0 || !HasCurrentLeg()) return false;
    const RecalculatedPosition position =
        RecalculateLegPosition(legs_[static_cast<std::size_t>(currentLeg_) - 1], magVar_, useMagVar_);
    if (position.outcome == RecalculateOutcome::NoReference) {
        qtplatform::FindControl(this, kNextIdent)->setFocus();
    }
    if (position.outcome != RecalculateOutcome::Placed) return false;
    leg_.latitude = platform::FixedText(position.latitude);
    leg_.longitude = platform::FixedText(position.westLongitude);
    UpdateData(false);
    return true;
}

void CEditSidStarDlg::OnReferenceLeft(bool headingReference) {
    if (!HasCurrentLeg() || !UpdateData(true)) return;
    ProcedureLeg& slot = legs_[static_cast<std::size_t>(currentLeg_)];
    std::string& typed = headingReference ? leg_.headingIdent : leg_.nextIdent;
    std::string& stored = headingReference ? slot.headingIdent : slot.nextIdent;
    double& latitude = headingReference ? slot.headingLatitude : slot.nextLatitude;
    double& longitude = headingReference ? slot.headingLongitude : slot.nextLongitude;
    if (typed == stored) return;
    std::optional<LatLon> found;
    if (!platform::Trimmed(typed).empty() && database_ != nullptr) {
        CSelectNavaidDlg select(typed, *database_, this);
        if (select.exec() == Accepted && select.Index() >= 0) {
            found = select.Kind() == kNavaidChoice ? NavaidPosition(database_->navaidLines, select.Index())
                                                   : AirportLinePosition(database_->airportLines, select.Index());
        }
    }
    if (!found) typed.clear();
    stored = typed;
    latitude = found ? found->latitude : 0.0;
    longitude = found ? found->westLongitude : 0.0;
    if (found && headingReference && FieldNumber(leg_.latitude) == 0.0 && FieldNumber(leg_.longitude) == 0.0) {
        leg_.latitude = platform::FixedText(found->latitude);
        leg_.longitude = platform::FixedText(found->westLongitude);
    }
    legChanged_ = recordChanged_ = true;
    UpdateData(false);
}

void CEditSidStarDlg::OnCodeLeft() {
    if (!UpdateData(true)) return;
    if (!IsLegCode(leg_.code)) {
        Inform(kNotACode);
        leg_.code.clear();
    } else if (const std::optional<std::string> word = WordOfLegCode(leg_.code)) {
        leg_.word = *word;
    }
    UpdateData(false);
}

void CEditSidStarDlg::OnDirectionLeft(std::string LegFieldTexts::*field) {
    if (!UpdateData(true)) return;
    leg_.*field = WholeOrHundredthsText(leg_.*field);
    if (field == &LegFieldTexts::heading && FieldNumber(leg_.nextRadial) == 0.0) leg_.nextRadial = leg_.heading;
    UpdateData(false);
}

void CEditSidStarDlg::OnLimitLeft(std::string LegFieldTexts::*minimum, std::string LegFieldTexts::*maximum,
                                  bool minimumLeft) {
    if (!UpdateData(true)) return;
    const LimitTexts typed{leg_.*minimum, leg_.*maximum};
    const LimitTexts shown = minimumLeft ? AfterMinimumLeft(typed) : AfterMaximumLeft(typed);
    leg_.*minimum = shown.minimum;
    leg_.*maximum = shown.maximum;
    UpdateData(false);
}

void CEditSidStarDlg::OnPositionLeft(std::string LegFieldTexts::*field) {
    if (!UpdateData(true)) return;
    if (!platform::Trimmed(leg_.*field).empty()) leg_.*field = PositionFieldText(leg_.*field);
    UpdateData(false);
}

}  // namespace trevalo
