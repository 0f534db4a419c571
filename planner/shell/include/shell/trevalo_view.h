// The planner's map view. For now it loads the navigation databases on its first update
// and paints the map's background; the map drawing, the route and the scrolling come with
// the map view's own code.
#pragma once

#include <QAbstractScrollArea>
#include <memory>
#include <string>

#include "map/nav_database.h"

namespace trevalo {

class CTrevaloDoc;

class CTrevaloView : public QAbstractScrollArea {
public:
    CTrevaloView(CTrevaloDoc& document, const std::string& baseDirectory, QWidget* parent = nullptr);
    ~CTrevaloView() override;

    // The whole load, once, on the user-interface thread: progress dialog, the three
    // loaders, the wait (painting the dialog), the load error report.
    void OnInitialUpdate();

    CTrevaloDoc& GetDocument() const { return document_; }
    const NavDatabase& Database() const { return *database_; }
    int AirportCount() const { return database_->airportCount; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CTrevaloDoc& document_;
    std::unique_ptr<NavDatabase> database_;
};

}  // namespace trevalo
