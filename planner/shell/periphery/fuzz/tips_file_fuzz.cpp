// The tips reader on any bytes: every tip it gives is a piece of one line, and it never
// goes round without end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "periphery/tips_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    trevalo::TipReader reader(std::string(reinterpret_cast<const char*>(data), size));
    for (int i = 0; i < 8; ++i) {
        const auto tip = reader.NextTip();
        if (!tip) break;
        if (tip->size() > trevalo::kTipPieceLength || tip->find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
