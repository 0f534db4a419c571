#include "year_source.h"

#include <ctime>

#include "flitmark/flitmark.h"

namespace flitmark {
namespace {

constexpr int kTmYearBase = 1900;

int LocalYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + kTmYearBase;
}

FlitmarkYearSource g_yearSource = nullptr;

}  // namespace

int CurrentYear() { return g_yearSource ? g_yearSource() : LocalYear(); }

}  // namespace flitmark

FlitmarkYearSource SetFlitmarkYearSource(FlitmarkYearSource source) {
    const FlitmarkYearSource previous = flitmark::g_yearSource;
    flitmark::g_yearSource = source;
    return previous;
}
