// The planner's document: the planner's data, that is the navigation database and the
// route over it, and the printer's page size. The map view and the wizard's pages reach
// the data through the document by reference. Nothing is saved through the document:
// the route has its own file, map_internal.adf.
#pragma once

#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/route.h"
#include "shell/window_helpers.h"

namespace trevalo {

class CTrevaloView;

class CTrevaloDoc {
public:
    // baseDirectory: the base directory with its final backslash ("C:\Quillet\"), where
    // the databases and the route file lie.
    explicit CTrevaloDoc(std::string baseDirectory);
    CTrevaloDoc(const CTrevaloDoc&) = delete;
    CTrevaloDoc& operator=(const CTrevaloDoc&) = delete;

    bool OnNewDocument();
    PageSize GetPageSize() const { return pageSize_; }
    // The print setup changed: read the page size again and repaint the views.
    void OnPageSetupChanged();

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Loaded by the map view's first update; read-only once the load has ended.
    NavDatabase& Database() { return database_; }
    const NavDatabase& Database() const { return database_; }
    Route& GetRoute() { return route_; }
    const Route& GetRoute() const { return route_; }

    void AddView(CTrevaloView* view);
    void RemoveView(CTrevaloView* view);
    const std::vector<CTrevaloView*>& Views() const { return views_; }
    void UpdateAllViews();

private:
    PageSize pageSize_;
    std::string title_;
    NavDatabase database_;
    Route route_{database_};  // after the database it reads
    std::vector<CTrevaloView*> views_;
};

}  // namespace trevalo
