#include "qtplatform/up_down_buttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace qtplatform {

UpDownButtons::UpDownButtons(std::function<void(int delta)> onDelta, QWidget* parent)
    : QWidget(parent), up_(new QToolButton), down_(new QToolButton) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setFixedHeight(11);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [onDelta] { onDelta(-1); });
    connect(down_, &QToolButton::clicked, this, [onDelta] { onDelta(1); });
}

}  // namespace qtplatform
