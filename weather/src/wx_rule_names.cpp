#include "wx/wx_rule_names.h"

namespace wx {
namespace {

bool IsUsable(const std::string& value) { return !value.empty() && value != "unknown"; }

}  // namespace

std::string RuleNameOf(const std::vector<std::string>& keyValues, int32_t n) {
    std::vector<const std::string*> usable;
    for (const std::string& value : keyValues)
        if (IsUsable(value)) usable.push_back(&value);
    if (usable.empty()) return {};
    if (n < 0 || static_cast<size_t>(n) >= usable.size()) return *usable.front();
    return *usable[static_cast<size_t>(n)];
}

int32_t RuleNumberOf(const std::vector<std::string>& keyValues, const std::string& name) {
    for (size_t key = 0; key < keyValues.size(); ++key)
        if (IsUsable(keyValues[key]) && keyValues[key] == name) return static_cast<int32_t>(key);
    return 0;
}

}  // namespace wx
