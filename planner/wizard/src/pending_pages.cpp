#include "wizard/pending_pages.h"

#include <QLabel>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"

namespace trevalo {

PendingPage::PendingPage(std::string caption) : PropertyPage(caption) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(qtplatform::ToQString(caption));
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);
    auto* note = qtplatform::WithId(new QLabel(QString::fromLatin1(kPendingPageNote)), kNote);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
}

}  // namespace trevalo
