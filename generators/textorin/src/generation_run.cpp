#include "generation_run.h"

#include "platform/numbers.h"

namespace textorin {
namespace {

constexpr int kFarRangeAboveSpeed = 99;

}  // namespace

bool GenerationRun::FarRange() const { return platform::LeadingInt(Value(keys::kLandingSpeed)) > kFarRangeAboveSpeed; }

}  // namespace textorin
