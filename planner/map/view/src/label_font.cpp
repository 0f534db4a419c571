#include "mapview/label_font.h"

#include "platform/mul_div.h"

namespace trevalo {
namespace {

constexpr int kFiftiethOfWorld = 25920;

}  // namespace

int LabelFont::HeightForZoom(int zoom) { return platform::MulDiv(kFiftiethOfWorld, zoom, 1000); }

void LabelFont::Update(int drawingZoom) {
    const int height = HeightForZoom(drawingZoom);
    const bool sameHeight = font_ && font_->height == height;
    const bool notSmaller = rememberedHeight_ >= kStartHeight && height >= rememberedHeight_;
    if (!sameHeight && !notSmaller) {
        font_ = qtplatform::Font{"Arial", height, qtplatform::kFontWeightNormal, false};
    }
    rememberedHeight_ = height;
}

}  // namespace trevalo
