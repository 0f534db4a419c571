// The key picker: one key (a letter with Ctrl, Shift or alone) for one key command of
// the general-help page. A key that another command holds already is refused.
#pragma once

#include <string>
#include <vector>

#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QRadioButton;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kKeyExistsMessage = "The selected key exist already,\nPlease select another one";

class CKeySelectDlg : public qtplatform::Dialog {
public:
    enum Control : int { kCtrl = 1093, kShift = 1095, kNone = 1097, kLetter = 1099, kPrompt = 1102 };

    // code: the key command being given a key ("_107U"); keyList: the page's entries.
    CKeySelectDlg(std::string code, std::vector<std::string> keyList, QWidget* parent = nullptr);

    // After OK: the code, a tab and the key text ("_107U\tCTRL \"u\"").
    const std::string& Result() const { return result_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    std::string KeyText() const;

    std::string code_;
    std::vector<std::string> keyList_;
    std::string prompt_;
    std::string letter_;
    int ctrl_ = 1;
    int shift_ = 0;
    int none_ = 0;
    std::string result_;
    QComboBox* letters_;
};

// The prompt of the picker for a code; empty for a code it does not know.
std::string KeyPrompt(const std::string& code);

}  // namespace trevalo
