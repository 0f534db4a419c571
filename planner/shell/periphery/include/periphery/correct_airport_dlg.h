// "Correct Airport": stores, shows, replaces and deletes the corrected position of an
// airport's runway in QuilletCorrect.nav, which the route file's corrected start uses.
#pragma once

#include <string>

#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kCorrectionsOpenFailedMessage =
    "The file 'QuilletCorrect.nav' could not be opened/created.\nPlease ensure that you have full access to the main "
    "directory.\n";
inline constexpr const char* kEnterLatLonMessage = "Please enter a valid Latitude/Longitude first\n";
inline constexpr const char* kNothingToDeleteMessage = "Not on file, nothing to delete\n";
inline constexpr const char* kCorrectionsWriteFailedMessage =
    "The file 'QuilletCorrect.nav' could not be written.\nPlease ensure that you have full access to the main "
    "directory.\n";

class CCorrectAirportDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kClose = 8,
        kLatitude = 1237,
        kLongitude = 1239,
        kSave = 1250,
        kIdent = 1287,
        kDelete = 1289,
        kRunway = 32827,
    };

    // baseDirectory ends in a backslash.
    explicit CCorrectAirportDlg(const std::string& baseDirectory, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void OnKillFocusKey();
    void OnKillFocusAngle(QLineEdit* edit);
    void OnSave();
    void OnDelete();
    void LoadRecord();
    void EnableValues(bool enable);

    std::string path_;
    std::string ident_;
    std::string runway_;
    std::string latitude_;
    std::string longitude_;
    QLineEdit* latitudeEdit_;
    QLineEdit* longitudeEdit_;
    QPushButton* save_;
};

}  // namespace trevalo
