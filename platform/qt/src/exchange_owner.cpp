#include "qtplatform/exchange_owner.h"

namespace qtplatform {

bool ExchangeOwner::UpdateData(bool saveAndValidate) {
    DataExchange dx(window_,
                    saveAndValidate ? DataExchange::Direction::FromControls : DataExchange::Direction::ToControls);
    DoDataExchange(dx);
    return !dx.failed();
}

void ExchangeOwner::DoDataExchange(DataExchange&) {}

bool ExchangeOwner::OnInitDialog() {
    UpdateData(false);
    return true;
}

}  // namespace qtplatform
