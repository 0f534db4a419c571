#include "script_angle.h"

#include <gtest/gtest.h>

#include "file_error_cause.h"
#include "source_path.h"

#include <cerrno>
#include <cmath>

namespace {

using textorin::FormatAngleForScript;
using textorin::HemisphereFlags;

TEST(ScriptAngle, ColonFormAndHemisphereSign) {
    struct Case {
        const char* text;
        HemisphereFlags flags;
        const char* expected;
    };
    const Case cases[] = {
        {"S033*  5'12.34", {false, true}, "-033:05:12.34"},  // one-digit minute gets its zero
        {"S033*  5'12.34", {false, false}, "033:05:12.34"},  // north flag cleared: unsigned
        {"N047* 27'57.37", {true, true}, "047:27:57.37"},
        {"E008* 30'00.00", {true, false}, "-008:30:00.00"},
        {"E008* 30'00.00", {false, false}, "008:30:00.00"},
        {"W090* 15'00.00", {true, true}, "090:15:00.00"},
        {"N000*  0'00.00", {false, true}, "000:00:00.00"},
        {"N047*27'57.37", {true, true}, "N047*27'57.37"},    // no "* ": left as it was
        {"N047* 27 57.37", {true, true}, "N047* 27 57.37"},  // no apostrophe
        {"", {true, true}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatAngleForScript(c.text, c.flags), c.expected) << c.text;
}

TEST(ScriptAngle, DestinationPointOneMileNorthAndEast) {
    // One nautical mile is one arc minute of latitude.
    double lat = textorin::DmsToRadians({40, 0, 0.0});
    double lon = textorin::DmsToRadians({90, 0, 0.0});
    auto north = textorin::ComputeDestinationPoint(lat, lon, 0.0, 1.0);
    auto degrees = [](const textorin::DegreesMinutesSeconds& d) {
        return d.degrees + d.minutes / 60.0 + d.seconds / 3600.0;
    };
    EXPECT_NEAR(degrees(north.latitude), 40.0 + 1.0 / 60.0, 1e-9);
    EXPECT_NEAR(degrees(north.longitude), 90.0, 1e-9);
    // Longitudes count westward: a bearing of 90 degrees lowers them.
    auto east = textorin::ComputeDestinationPoint(lat, lon, 3.14159265358979 / 2, 1.0);
    EXPECT_NEAR(degrees(east.longitude), 90.0 - 1.0 / 60.0 / std::cos(40.0 * 3.14159265358979 / 180), 1e-6);
    EXPECT_EQ(textorin::FormatDms({40, 1, 5.125}, false), "40:01:5.12");
    EXPECT_EQ(textorin::FormatDms({8, 0, 30.0}, true), "-08:00:30.00");
}

TEST(SourcePath, ReplacesOnlyAMatchingExtension) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Adv\\Trip.adf", "C:\\Adv\\Trip.txt"},
        {"C:\\Adv\\Trip.ADF", "C:\\Adv\\Trip.ADF"},  // case-sensitive
        {"C:\\Adv\\Trip.txt", "C:\\Adv\\Trip.txt"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(textorin::ReplaceFileExtension(c.path, "adf", "txt"), c.expected) << c.path;
    EXPECT_EQ(textorin::ReplaceFileExtension("a.adf", "adf", "adf"), "a.adf");
}

TEST(FileErrorCause, ErrnoMapsToTheClassLibraryCauses) {
    using textorin::FileErrorCause;
    struct Case {
        int error;
        FileErrorCause cause;
    };
    const Case cases[] = {
        {0, FileErrorCause::None},
        {ENOENT, FileErrorCause::FileNotFound},
        {ENOTDIR, FileErrorCause::BadPath},
        {EMFILE, FileErrorCause::TooManyOpenFiles},
        {EACCES, FileErrorCause::AccessDenied},
        {EROFS, FileErrorCause::AccessDenied},
        {EBUSY, FileErrorCause::SharingViolation},
        {ENOSPC, FileErrorCause::DiskFull},
        {EIO, FileErrorCause::HardIO},
        {EINVAL, FileErrorCause::Generic},
    };
    for (const Case& c : cases) EXPECT_EQ(textorin::FileErrorCauseFromErrno(c.error), c.cause) << c.error;
}

}  // namespace
