// Send: hands a prepared support mail to the desktop's mail program, which the user edits
// and sends there. A document without a path, or with changes not saved, goes as a copy
// of its text written into a private folder without touching the document; the copies
// stay until the program ends, since the mail program reads them after the hand-off.
#pragma once

#include <QObject>
#include <QTimer>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "platform/process.h"
#include "quillet/private_folder.h"

namespace quillet {

class CQuilletDoc;

class MailHandOff : public QObject {
public:
    MailHandOff();

    // With a document, it goes along as the attachment. False when nothing was handed
    // over (the reason shown); a mail program that fails later is reported then.
    bool Send(const CQuilletDoc* document);

private:
    std::optional<std::string> Attachment(const CQuilletDoc& document);
    void CheckEnded();

    std::unique_ptr<PrivateFolder> copies_;
    std::list<platform::Process> running_;
    QTimer poll_;
};

}  // namespace quillet
