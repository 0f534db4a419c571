#include "gathrelapp/busy_message.h"

#include "platform/message_box.h"

namespace gathrelapp {

bool RefusedWhileBusy(const gathrel::BuilderJob& job) {
    if (!job.Busy()) return false;
    platform::MessageBox(kBusyMessage, kBusyCaption, platform::MbIcon::Exclamation);
    return true;
}

}  // namespace gathrelapp
