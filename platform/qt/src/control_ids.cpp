#include "qtplatform/control_ids.h"

#include <QVariant>

namespace qtplatform {
namespace {
constexpr const char* kControlIdProperty = "controlId";
}

QString ControlObjectName(int id) { return QStringLiteral("id_%1").arg(id); }

void SetControlId(QWidget* control, int id) {
    control->setObjectName(ControlObjectName(id));
    control->setProperty(kControlIdProperty, id);
}

int ControlIdOf(const QWidget* control) {
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

}  // namespace qtplatform
