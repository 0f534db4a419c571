#include "dialog_text.h"


namespace trevalo::mapdialogs_detail {

std::string StaticText(std::string_view templateText) {
    std::string shown;
    for (size_t i = 0; i < templateText.size(); ++i) {
        shown += templateText[i];
        if (templateText[i] == '&' && i + 1 < templateText.size() && templateText[i + 1] == '&') ++i;
    }
    return shown;
}

}  // namespace trevalo::mapdialogs_detail
