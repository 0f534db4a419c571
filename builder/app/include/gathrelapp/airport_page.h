// "Airport" (dialog 102): the airport lines of the builder's database, one runway at a
// time. Its "&Add" and "&Edit" do nothing.
#pragma once

#include "gathrelapp/record_page.h"

namespace gathrelapp {

class CGathrelAirport : public RecordPage {
public:
    enum Control : int {
        kSurface = 1002,
        kIdent = 1003,
        kLatitude = 1005,
        kLongitude = 1006,
        kLatitudeHemisphere = 1007,
        kLongitudeHemisphere = 1008,
        kElevation = 1009,
        kIlsIdent = 1014,
        kCountry = 1015,
        kAtis = 1016,
        kLength = 1017,
        kHelp = 1018,
        kCity = 1025,
        kName = 1026,
        kIlsFrequency = 1035,
    };

    explicit CGathrelAirport(gathrel::BuilderDatabase& database);

protected:
    const std::vector<std::string>& Lines() const override { return database_.airportLines; }
    void ShowLine(const std::string& line) override;
    int FindIdent(const std::string& country, const std::string& ident) override;
    QComboBox* Countries() const override { return country_; }

private:
    void CheckIlsFrequency();

    QLineEdit* atis_;
    QLineEdit* ident_;
    QComboBox* country_;
    QLineEdit* name_;
    QLineEdit* city_;
    QLineEdit* elevation_;
    QLineEdit* latitude_;
    QComboBox* latitudeHemisphere_;
    QLineEdit* longitude_;
    QComboBox* longitudeHemisphere_;
    QLineEdit* length_;
    QComboBox* surface_;
    QLineEdit* ilsFrequency_;
    QLineEdit* ilsIdent_;
};

}  // namespace gathrelapp
