// An up-down control beside an edit: two arrow buttons that report a change of -1 (up)
// or +1 (down), as the platform's spin control does.
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace qtplatform {

class UpDownButtons : public QWidget {
public:
    explicit UpDownButtons(std::function<void(int delta)> onDelta, QWidget* parent = nullptr);

    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace qtplatform
