#include "flightplan/route_record.h"

namespace trevalo {

const RouteRecord& RouteRecordList::At(int index) const {
    static const RouteRecord unused;
    return index >= 0 && index < Count() ? records_[static_cast<size_t>(index)] : unused;
}

bool RouteRecordList::Set(int index, RouteRecord record) {
    if (index < 0 || index > Count()) return false;
    if (!record.IsUsed()) {
        records_.resize(static_cast<size_t>(index));
        return true;
    }
    if (index == Count()) return Insert(index, std::move(record));
    records_[static_cast<size_t>(index)] = std::move(record);
    return true;
}

bool RouteRecordList::Insert(int index, RouteRecord record) {
    if (Full() || index < 0 || index > Count() || !record.IsUsed()) return false;
    records_.insert(records_.begin() + index, std::move(record));
    return true;
}

void RouteRecordList::Remove(int index) {
    if (index >= 0 && index < Count()) records_.erase(records_.begin() + index);
}

}  // namespace trevalo
