#include "mail_hand_off.h"

#include "editor_app.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/feedback.h"
#include "quillet/source_file.h"
#include "quillet/support_mail.h"
#include "quillet_doc.h"
#include "quillet_view.h"

namespace quillet {
namespace {

constexpr int kPollMs = 250;
constexpr const char* kCopiesPrefix = "QuilletMail";

}  // namespace

MailHandOff::MailHandOff() {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { CheckEnded(); });
}

std::optional<std::string> MailHandOff::Attachment(const CQuilletDoc& document) {
    const std::string& path = document.GetPathName();
    if (!path.empty() && !document.IsModified()) return path;
    if (!copies_) copies_ = std::make_unique<PrivateFolder>(kCopiesPrefix);
    const std::string copy = copies_->File(AttachmentName(path, document.FileTitle(), kDefaultExtension));
    const std::string text = document.View() != nullptr ? document.View()->Text() : std::string();
    if (!copies_->Made() || !WriteSourceText(copy, text)) {
        platform::MessageBox(platform::Format(kSaveFailedMessage, copy.c_str()), {}, platform::MbIcon::Stop);
        return std::nullopt;
    }
    return copy;
}

bool MailHandOff::Send(const CQuilletDoc* document) {
    const qtplatform::WaitCursor wait;
    std::optional<std::string> attachment;
    if (document != nullptr) {
        attachment = Attachment(*document);
        if (!attachment) return false;
    }
    platform::Process& mail = running_.emplace_back();
    if (!mail.Start(kMailProgram, MailProgramArguments(attachment))) {
        running_.pop_back();
        platform::MessageBox(kMailUnavailableMessage, {}, platform::MbIcon::Stop);
        return false;
    }
    CheckEnded();
    return true;
}

void MailHandOff::CheckEnded() {
    for (auto it = running_.begin(); it != running_.end();) {
        if (it->IsRunning()) {
            ++it;
            continue;
        }
        if (it->ExitCode().value_or(0) != 0) platform::MessageBox(kMailFailedMessage, {}, platform::MbIcon::Stop);
        it = running_.erase(it);
    }
    if (running_.empty())
        poll_.stop();
    else if (!poll_.isActive())
        poll_.start();
}

}  // namespace quillet
