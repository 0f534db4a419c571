#include "navdata_testing/scenery_lines.h"

#include <cstdarg>
#include <cstdio>

namespace navdata::testing {
namespace {

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, again);
  va_end(again);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string FrequencyText(double mhz) { return mhz == 0.0 ? std::string() : FixedText(mhz); }

std::string SideText(char side, double variation) {
  std::string text = FixedText(variation);
  if (side != 0) text.insert(text.begin(), side);
  return text;
}

}  // namespace

std::string FixedText(double value) { return Format("%f", value); }

// Every text field is cut to its width, as the scenery reader cuts them.
std::string SceneryAirportLine(const AirportFields& f) {
  return Format(
      "%-40.40s%-30.30s%-50.50s%-10.10s%-15.15s%-20.20s%-20.20s%-10.10s%-5.5s%-15.15s%-10.10s%-10.10s%-10.10s%-10.10s%-20.20s%-20.20s%-20.20s%-20.20s",
                f.city.c_str(), f.country.c_str(), f.name.c_str(), f.ident.c_str(),
                FixedText(f.elevation).c_str(), f.latitude.c_str(), f.longitude.c_str(),
                FrequencyText(f.atisFrequency).c_str(), f.runwayHeading.c_str(),
                Format("%d", f.runwayLength).c_str(), f.surface.c_str(),
                FrequencyText(f.ilsFrequency).c_str(), f.ilsIdent.c_str(),
                SideText(f.side, f.magneticVariation).c_str(), f.runwayStartLatitude.c_str(),
                f.runwayEndLatitude.c_str(), f.runwayStartLongitude.c_str(),
                f.runwayEndLongitude.c_str());
}

std::string SceneryNavaidLine(const NavaidFields& f) {
  return Format("%-30s%-3s%-10s%-20.5f%-21s%-21s%-15d%-50s", f.country.c_str(), f.type.c_str(),
                f.ident.c_str(), f.frequency, f.latitude.c_str(), f.longitude.c_str(), f.elevation,
                f.name.c_str());
}

// The scenery reader's "%-02d" kind: the zero flag has no effect beside "-".
std::string SceneryIlsLine(const IlsFields& f) {
  return Format("%-2d%-10s%-10s%-20s%-20s%-10f%-10f%-10s", f.kind, f.ident.c_str(),
                f.airportIdent.c_str(), f.latitude.c_str(), f.longitude.c_str(), f.frequency,
                f.heading, f.side.c_str());
}

}  // namespace navdata::testing
