// The map's label font: Arial of a height that follows the drawing zoom, held between a
// smallest and a largest height so that labels stay readable and never cover the map.
#pragma once

#include <optional>

#include "qtplatform/device_context.h"

namespace trevalo {

class LabelFont {
public:
    // Logical units (0.1 mm): labels are between 2 and 3.2 mm high.
    static constexpr int kMinHeight = 20;
    static constexpr int kMaxHeight = 32;

    // The height for a drawing zoom: MulDiv(25920, zoom, 1000) logical units, held
    // between kMinHeight and kMaxHeight.
    static int HeightForZoom(int zoom);

    // Makes the font of the zoom's height when the current one has another.
    void Update(int drawingZoom);
    // Until the first Update, labels keep the device context's current font.
    const std::optional<qtplatform::Font>& Font() const { return font_; }

private:
    std::optional<qtplatform::Font> font_;
};

}  // namespace trevalo
