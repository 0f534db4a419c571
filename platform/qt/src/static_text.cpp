#include "qtplatform/static_text.h"

#include "qtplatform/text.h"

namespace qtplatform {

std::string StaticText(std::string_view templateText) {
    std::string shown;
    for (std::size_t i = 0; i < templateText.size(); ++i) {
        shown += templateText[i];
        if (templateText[i] == '&' && i + 1 < templateText.size() && templateText[i + 1] == '&') ++i;
    }
    return shown;
}

QLabel* NewStaticText(std::string_view templateText) { return new QLabel(ToQString(StaticText(templateText))); }

}  // namespace qtplatform
