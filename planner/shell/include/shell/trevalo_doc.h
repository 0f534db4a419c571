// The planner's document: only the printer's page size. The route and the map data live
// in the view; nothing is saved through the document.
#pragma once

#include <string>
#include <vector>

#include "shell/window_helpers.h"

namespace trevalo {

class CTrevaloView;

class CTrevaloDoc {
public:
    CTrevaloDoc();

    bool OnNewDocument();
    PageSize GetPageSize() const { return pageSize_; }
    // The print setup changed: read the page size again and repaint the views.
    void OnPageSetupChanged();

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    void AddView(CTrevaloView* view);
    void RemoveView(CTrevaloView* view);
    const std::vector<CTrevaloView*>& Views() const { return views_; }
    void UpdateAllViews();

private:
    PageSize pageSize_;
    std::string title_;
    std::vector<CTrevaloView*> views_;
};

}  // namespace trevalo
