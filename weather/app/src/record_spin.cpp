#include "wxapp/record_spin.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace wxapp {
namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow) {
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

}  // namespace

CRecordSpin::CRecordSpin(QWidget* parent)
    : QWidget(parent), up_(ArrowButton(Qt::UpArrow)), down_(ArrowButton(Qt::DownArrow)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

}  // namespace wxapp
