#include "definition_builder.h"

#include <cstdio>
#include <stdexcept>

namespace textorin::testing {
namespace {

std::string Formatted(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

DefinitionBuilder::DefinitionBuilder() {
    early_ = {
        {"\tTITLE_900:", {"1"}},
        {"\tPLANE_901:", {"1"}},
        {"\tKEYS_902:", {"1"}},
        {"\tTIME_903:", {"1"}},
        {"\tTIME_903_GIVEN:", {"1 hour"}},
        {"\tDESC_904:", {"1"}},
        {"\tDESC_904_BEG:", {"A briefing description"}},
        {"\tDESC_904_END:", {}},
        {"\tBRIEF_905:", {"1"}},
        {"\tBRIEF_905_BEG:", {"Give a pre-flight briefing to the user"}},
        {"\tBRIEF_905_END:", {}},
        {"\tPLANE_800:", {"Cessna Skylane"}},
        {"\tCRUISE_801:", {"8000"}},
        {"\tLANDSPEED_802:", {"120"}},
        {"\tV1_803:", {"55"}},
        {"\tV2_804:", {"65"}},
        {"\tVR_805:", {"60"}},
        {"\tENGINEOFF_899:", {"0"}},
        {"\tTITLE_000:", {"Trip"}},
        {"\tDESCRIPTION_001:", {"A short trip"}},
        {"\tSEASON_002:", {"Summer"}},
        {"\tLONGITUDE_003:", {"West"}},
        {"\tLATITUDE_004:", {"North"}},
        {"\tAUTOMASTER_005:", {"0"}},
        {"\tSMOKESYS_006:", {"0"}},
        {"\tAUTOCOORD_007:", {"0"}},
        {"\tAIR_SP_IND_008:", {"0"}},
        {"\tPERFORMANCE_009:", {"Medium_3"}},
        {"\tTIME_010:", {"07:30:00"}},
        {"\tPLANE_011:", {"C182"}},
        {"\tALWAYSPOS_100:", {"0"}},
        {"\tATCALWAYSCONTACT_101:", {"0"}},
        {"\tATC_HELP_102:", {"0"}},
        {"\tSHOW_WRONG_103:", {"0"}},
        {"\tATC_GIVE_HOLDING_104:", {"0"}},
        {"\tEMERGENCY_105:", {"0"}},
        {"\tADVICE_106:", {"0"}},
        {"\tALT_CHANGE_107U:", {"0"}},
        {"\tALT_CHANGE_107D:", {"0"}},
        {"\tCOURSE_CHANGE_108:", {"0"}},
        {"\tALT_CHANGE_109:", {"0"}},
        {"\tAUTOLAND_110:", {"0"}},
        {"\tPUSHBACK_111:", {"0"}},
        {"\tRESTART_112:", {"0"}},
        {"\tQUIT_113:", {"0"}},
        {"\tSPEED_114:", {"0"}},
    };
    late_ = {
        {"\tWX_TYPE_4000:", {"0"}},
        {"\tWX_RAIN_4001:", {"0"}},
        {"\tWX_WIND_4002:", {"0"}},
        {"\tWX_VISIBILITY_4003:", {"0"}},
        {"\tWX_CLOUDS_4004:", {"0"}},
        {"\tWX_TURBULENCES_4005:", {"0"}},
        {"\tWX_TMP_4006:", {"15"}},
        {"\tWX_VAR_4007:", {"5"}},
        {"\tUSESIDSTAR_5000:", {"0"}},
        {"\tEMERG_1000:", {"5"}},
    };
    for (int code = 1001; code <= 1020; ++code) late_.push_back({Formatted("\tEMERG_%d:", code), {"0"}});
    late_.push_back({"\tCRASH_1050:", {"0000"}});
    late_.push_back({"\tSOUND_2000:", {"0"}});
}


DefinitionBuilder& DefinitionBuilder::Set(const std::string& code, const std::string& value) {
    for (auto& k : early_)
        if (k.key.ends_with(code + ":")) {
            k.value = {value};
            return *this;
        }
    throw std::invalid_argument("no early key " + code);
}

DefinitionBuilder& DefinitionBuilder::Key(const std::string& code, const std::string& keyText) {
    for (auto& k : early_)
        if (k.key.ends_with(code + ":")) {
            k.value = {"1", keyText};
            return *this;
        }
    throw std::invalid_argument("no key option " + code);
}

DefinitionBuilder& DefinitionBuilder::SetLate(const std::string& code, const std::string& value) {
    for (auto& k : late_)
        if (k.key.ends_with(code + ":")) {
            k.value = {value};
            return *this;
        }
    throw std::invalid_argument("no late key " + code);
}

DefinitionBuilder& DefinitionBuilder::Description(const std::vector<std::string>& lines) {
    for (auto& k : early_)
        if (k.key == "\tDESCRIPTION_001:") k.value = lines;
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Airport(const RouteAirport& a) {
    route_.push_back(Formatted("NAVAIDINFO_%d:", nextEntry_++));
    route_.push_back(a.line);
    char heading[64];
    std::snprintf(heading, sizeof heading, "%s%f", a.runwayBegin ? "[BEG]" : "[END]", a.runwayHeading);
    route_.push_back(heading);
    if (!a.sidStarLegs.empty()) {
        const char* kind = a.star ? "STAR" : "SID";
        route_.push_back(std::string("[") + kind + "_ID]PROC1");
        route_.push_back(std::string("[") + kind + "_NM]Procedure one");
        for (const auto& leg : a.sidStarLegs) route_.push_back("[SIDSTAR]" + leg);
    }
    for (const auto& extra : a.extraPoints) route_.push_back("[SIDSTAR_EXTRA]" + extra);
    if (!a.ilsLine.empty()) {
        route_.push_back("[ILS]");
        route_.push_back(a.ilsLine);
    }
    route_.push_back("[ENDSECTION]");
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Vor(const std::string& line, int radial, bool vor1, bool to) {
    route_.push_back(Formatted("NAVAIDINFO_%d:", nextEntry_++));
    route_.push_back(line);
    route_.push_back(Formatted("[RADIAL_N]:-%03d-", radial));
    route_.push_back(vor1 ? "[LPARAM]VOR1" : "[LPARAM]VOR2");
    route_.push_back(to ? "[LPARAM]TO" : "[LPARAM]FROM");
    route_.push_back("[ENDSECTION]");
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Ndb(const std::string& line) {
    route_.push_back(Formatted("NAVAIDINFO_%d:", nextEntry_++));
    route_.push_back(line);
    route_.push_back("[RADIAL_N]:-000-");
    route_.push_back("[ENDSECTION]");
    return *this;
}

DefinitionBuilder& DefinitionBuilder::Holding(int number, int value, const std::string& place) {
    holding_.push_back(Formatted("\tATC_GIVE_HOLDING_104_LINE_NUM%02d:", number));
    holding_.push_back(std::to_string(value));
    holding_.push_back(Formatted("\tATC_GIVE_HOLDING_104_LINE_%02d:", number));
    holding_.push_back(place);
    return *this;
}

DefinitionBuilder& DefinitionBuilder::CorrectedStart(const std::string& latitude, const std::string& longitude) {
    corrected_ = {"\tCORRECT_LAT_6000:", latitude, "\tCORRECT_LON_6001:", longitude};
    return *this;
}

std::vector<std::string> DefinitionBuilder::Lines() const {
    std::vector<std::string> lines;
    auto append = [&](const std::vector<Key_>& keys) {
        for (const auto& k : keys) {
            lines.push_back(k.key);
            lines.insert(lines.end(), k.value.begin(), k.value.end());
        }
    };
    append(early_);
    lines.insert(lines.end(), holding_.begin(), holding_.end());
    lines.insert(lines.end(), corrected_.begin(), corrected_.end());
    lines.insert(lines.end(), route_.begin(), route_.end());
    append(late_);
    return lines;
}

adf::Definition DefinitionBuilder::Build() const {
    adf::Definition definition;
    definition.SetLines(Lines());
    return definition;
}

std::string DefinitionBuilder::Text() const {
    std::string text;
    for (const auto& line : Lines()) text += line + "\n";
    return text;
}

}  // namespace textorin::testing
