#include "link_call.h"

#include "simlinker/simlinker.h"

namespace simlink {

using Clock = std::chrono::steady_clock;

LinkCall::LinkCall()
    : deadline_(Clock::now() + std::chrono::milliseconds(kRequestTimeoutMs)),
      mutex_(kLinkMutexName, kRequestTimeoutMs) {}

int LinkCall::Transfer(void* buffer, unsigned length, unsigned* outLength, unsigned offset, std::uint32_t direction) {
    if (outLength != nullptr) *outLength = 0;
    if (!mutex_.locked() || stopped_) return 0;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    RequestOutcome outcome = RequestOutcome::Unanswered;
    if (left > 0) outcome = Connection().Transfer(buffer, length, outLength, offset, direction, static_cast<int>(left));
    stopped_ = outcome == RequestOutcome::Unanswered;
    return outcome == RequestOutcome::Done ? 1 : 0;
}

}  // namespace simlink

extern "C" {

int TR_Read(void* buffer, unsigned length, unsigned* outLength, unsigned offset) {
    return simlink::LinkCall().Transfer(buffer, length, outLength, offset, simlink::kRead);
}

int TR_Write(void* buffer, unsigned length, unsigned* outLength, unsigned offset) {
    return simlink::LinkCall().Transfer(buffer, length, outLength, offset, simlink::kWrite);
}

}  // extern "C"
