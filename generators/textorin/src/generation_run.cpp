#include "generation_run.h"

#include "text_format.h"

namespace textorin {
namespace {

constexpr int kFarRangeAboveSpeed = 99;

}  // namespace

bool GenerationRun::FarRange() const { return ToInt(Value("_802")) > kFarRangeAboveSpeed; }

}  // namespace textorin
