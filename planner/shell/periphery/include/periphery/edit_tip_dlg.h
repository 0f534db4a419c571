// "Edit Tip": new tips typed and appended to AdvTip.txt, one per line.
#pragma once

#include <string>

#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kMaxTextMessage = "Max text reached";
inline constexpr const char* kNoTipsAccessMessage = "An error occured, no access to file";
inline constexpr const char* kSaveTipQuestion = "Save current tip";
inline constexpr const char* kCommentTipMessage =
    "A tip cannot begin with ';': the tips file takes such a line for a comment.";

class CEditTipDlg : public qtplatform::Dialog {
public:
    enum Control : int { kTip = 1216, kPreview = 1217, kSaveAndNew = 1218 };

    explicit CEditTipDlg(std::string tipsPath, QWidget* parent = nullptr);

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnChangeTip();
    void OnPreview();
    void OnSaveAndNew();
    // Appends the typed tip, cleaned; false (with the reason shown) when it is not saved.
    bool SaveTip(const std::string& tip);

    std::string tipsPath_;
    std::string typed_;
    QPlainTextEdit* edit_;
};

}  // namespace trevalo
