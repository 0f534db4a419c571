// The spin buttons beside the record number: the up arrow steps to the record after the
// one on display, the down arrow to the record before.
#pragma once

#include <QWidget>

class QToolButton;

namespace wxapp {

class CRecordSpin : public QWidget {
    Q_OBJECT
public:
    explicit CRecordSpin(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    // +1: the record after; -1: the record before.
    void stepped(int step);

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace wxapp
