#include "qtplatform/exchange_owner.h"

#include <utility>

namespace qtplatform {

bool ExchangeOwner::UpdateData(bool saveAndValidate) {
    // A refusal's message box and the focus it gives back run handlers that may read the
    // controls again (a page's help on focus): that reading is the refused one, already
    // being reported, and shows no second box.
    if (saveAndValidate && taking_) return false;
    const bool wasTaking = std::exchange(taking_, saveAndValidate);
    DataExchange dx(window_,
                    saveAndValidate ? DataExchange::Direction::FromControls : DataExchange::Direction::ToControls);
    DoDataExchange(dx);
    taking_ = wasTaking;
    return !dx.failed();
}

void ExchangeOwner::DoDataExchange(DataExchange&) {}

bool ExchangeOwner::OnInitDialog() {
    UpdateData(false);
    return true;
}

}  // namespace qtplatform
