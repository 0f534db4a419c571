#include "quote_safe.h"

namespace textorin {

std::string QuoteSafe(std::string_view text) {
    std::string safe(text);
    for (char& c : safe)
        if (c == '"') c = '\'';
    return safe;
}

}  // namespace textorin
