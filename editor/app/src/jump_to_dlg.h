// Jump To (dialog 151): the number of the line to go to.
#pragma once

#include <QLineEdit>

#include "qtplatform/dialog.h"

namespace quillet {

class CJumpToDlg : public qtplatform::Dialog {
public:
    enum Control : int { kLine = 1011 };

    explicit CJumpToDlg(QWidget* parent = nullptr);

    int LineNumber() const { return line_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override { dx.Int(kLine, line_); }

private:
    int line_ = 1;
    QLineEdit* lineEdit_;
};

}  // namespace quillet
