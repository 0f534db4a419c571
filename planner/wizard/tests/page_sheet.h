// For tests: one wizard page shown in a sheet of its own, with a second page to leave it for.
#pragma once

#include "qtplatform/control_ids.h"
#include "qtplatform/property_sheet.h"

namespace trevalo::testing {

class PageSheet : public qtplatform::PropertySheet {
public:
    explicit PageSheet(qtplatform::PropertyPage& page) : PropertySheet("CWizardSheet"), page_(page) {
        AddPage(page);
        AddPage(other_);
        show();
    }

    template <class T>
    T* Control(int id) const {
        return qtplatform::FindControl<T>(&page_, id);
    }
    // Leaving the page takes its values; false when one was refused.
    bool LeavePage() { return SetActivePage(1); }

private:
    qtplatform::PropertyPage& page_;
    qtplatform::PropertyPage other_{"Other"};
};

}  // namespace trevalo::testing
