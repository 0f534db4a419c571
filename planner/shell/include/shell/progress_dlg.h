// The modeless progress dialog shown over the map view while the databases load: a
// picture and a progress bar (0..100) along its bottom edge, no caption.
#pragma once

#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QProgressBar;
QT_END_NAMESPACE

namespace trevalo {

class CProgressDlg : public qtplatform::Dialog {
public:
    enum Control : int { kProgressBar = 1007 };

    // The object deletes itself when its window is destroyed.
    explicit CProgressDlg(QWidget* parentView);

    // Shows the dialog modeless over its parent; false when there is no parent window to
    // draw on (the caller then loads without it and deletes the object).
    bool Create();
    void SetPos(int position);
    int Pos() const;
    void DestroyWindow();

protected:
    bool OnInitDialog() override;

private:
    QProgressBar* bar_;
};

}  // namespace trevalo
