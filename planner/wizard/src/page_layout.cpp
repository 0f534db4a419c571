#include "page_layout.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "qtplatform/control_ids.h"

namespace trevalo {

QCheckBox* NewPageCheck(const char* caption, int id) { return qtplatform::WithId(new QCheckBox(caption), id); }

QLabel* AddHelpText(QBoxLayout& layout, int id) {
    auto* help = qtplatform::WithId(new QLabel, id);
    help->setWordWrap(true);
    layout.addWidget(help);
    layout.addStretch(1);
    return help;
}

}  // namespace trevalo
