// "Country / State": which countries' airports load at the next start, moved between
// two lists and written to Country.nav on OK (replaced whole; a failure keeps the dialog
// open). The file is read when the dialog opens and written when it closes; nothing
// holds it open in between.
#pragma once

#include <string>
#include <vector>

#include "qtplatform/dialog.h"
#include "qtplatform/report_list.h"

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kNoCountryLoadedQuestion =
    "You have no airport loaded.\nAlthough it is allowed it also makes your system useless.\n"
    "To use the application properly you must have at least 1 airport.\n\nAre you sure you want to continue?\n";
inline constexpr const char* kCountryWriteFailedMessage =
    "The file 'Country.nav' could not be written.\nPlease ensure that you have full access to the main directory.\n";

class CCountryDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kAdd = 1177,
        kRemove = 1178,
        kRemoveAll = 1179,
        kNotLoaded = 1296,
        kLoaded = 1297,
        kAddAll = 1298,
    };

    // baseDirectory ends in a backslash.
    explicit CCountryDlg(const std::string& baseDirectory, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FillLists();
    // Moves the selected rows (or all) of one list to the end of the other, first first.
    void Move(qtplatform::ReportList& from, qtplatform::ReportList& to, bool all);
    void OnClickNotLoadedList();
    void OnClickLoadedList();
    void AppendCountry(qtplatform::ReportList& list, int index);

    std::string path_;
    bool fileRead_ = false;
    std::vector<std::string> names_;  // every country of the file; rows keep their index
    qtplatform::ReportList* notLoaded_;
    qtplatform::ReportList* loaded_;
    QPushButton* add_;
    QPushButton* remove_;
};

}  // namespace trevalo
