// The route's dialogs on Qt: the pick list ("Select an Id") and the radial dialog
// ("Select VOR details"), run modally over a parent widget. The view attaches one to
// the document's Route:
//   QtRouteDialogs routeDialogs(mapWidget);
//   document.GetRoute().AttachView(&routeDialogs, &host);
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/route_ports.h"

class QWidget;

namespace trevalo {

class QtRouteDialogs : public RouteDialogs {
public:
    explicit QtRouteDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The double-clicked entry; nullopt when the dialog was cancelled.
    std::optional<PickListEntry> SelectId(const std::vector<PickListEntry>& airportEntries,
                                          const std::vector<PickListEntry>& navaidEntries) override;
    // The role, the radial and TO (the dialog offers no FROM); nullopt on Cancel.
    std::optional<VorDialogChoice> SelectVor(const VorDialogRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace trevalo
