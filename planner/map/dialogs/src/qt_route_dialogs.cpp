#include "mapdialogs/qt_route_dialogs.h"

#include "mapdialogs/select_id_dlg.h"
#include "mapdialogs/select_vor_dlg.h"

namespace trevalo {

std::optional<PickListEntry> QtRouteDialogs::SelectId(const std::vector<PickListEntry>& airportEntries,
                                                      const std::vector<PickListEntry>& navaidEntries) {
    CSelectIdDlg dialog(airportEntries, navaidEntries, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenEntry();
}

std::optional<VorDialogChoice> QtRouteDialogs::SelectVor(const VorDialogRequest& request) {
    CSelectVorDlg dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    VorDialogChoice choice;
    choice.whichVor = dialog.WhichVor();
    choice.radial = dialog.Radial();
    return choice;
}

}  // namespace trevalo
