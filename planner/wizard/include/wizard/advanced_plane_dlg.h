// "Advanced Plane Settings": the plane's fifteen further V-speeds, each with its Mach
// read-out, on a copy of the plane page's values that comes back unless cancelled.
#pragma once

#include <memory>

#include "adf/values/plane.h"
#include "qtplatform/dialog.h"

namespace trevalo {

class SpeedEdits;

class CAdvancedPlaneDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kVapp = 1198,
        kVappMach = 1201,
        kVa = 1210,
        kVaMach = 1211,
        kVfe = 1227,
        kVfeMach = 1229,
        kVle = 1231,
        kVleMach = 1233,
        kVlo = 1235,
        kVloMach = 1236,
        kVmc = 1238,
        kVmcMach = 1240,
        kVmo = 1241,
        kVmoMach = 1243,
        kVne = 1245,
        kVneMach = 1247,
        kVno = 1266,
        kVnoMach = 1271,
        kVref = 1274,
        kVrefMach = 1276,
        kVs = 1278,
        kVsMach = 1279,
        kVso = 1280,
        kVsoMach = 1282,
        kVtt = 1283,
        kVttMach = 1284,
        kVx = 1286,
        kVxMach = 1288,
        kVy = 1290,
        kVyMach = 1291,
    };

    explicit CAdvancedPlaneDlg(const adf::PlanePerformance& performance, QWidget* parent = nullptr);
    ~CAdvancedPlaneDlg() override;

    const adf::PlanePerformance& Performance() const { return performance_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    adf::PlanePerformance performance_;
    std::unique_ptr<SpeedEdits> speeds_;
};

}  // namespace trevalo
