#include "adf/key_list.h"

#include <algorithm>

namespace adf {
namespace {

using K = KeyCommandValues;

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

std::string_view CodeOfEntry(std::string_view entry) {
    size_t tab = entry.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : entry.substr(0, tab);
}

bool IsEntryOf(std::string_view entry, std::string_view code) {
    return entry.find('\t') != std::string_view::npos && CodeOfEntry(entry) == code;
}

}  // namespace

const KeyOption kKeyOptions[9] = {
    {"_100", &K::alwaysGivePosition, "Always Give Pos (Select a Key)", "Always Give Pos (",
     "Select a key to request a change of altitude.", "Alway give position Key."},
    {"_102", &K::atcHelp, "ATC will help me (Select a Key)", "ATC will help me (",
     "Select a key to request general help\nFrom ATC.", "Atc General help key."},
    {"_106", &K::warningsAndAdvice, "Give warnings\\idears.(Select a Key)", "Give warnings\\idears.(",
     "Select a key to request a Advices\nFrom the 'co-pilote.", "Atc General help key."},
    {"_107U", &K::climb200, "Request Climb 200 feet(Select a Key).", "Request Climb 200 feet(",
     "Select a key to request a change of altitude.", "Altitude change Key (Up)."},
    {"_107D", &K::descend200, "Request Descend 200 feet(Select a Key).", "Request Descend 200 feet(",
     "Select a key to request a change of altitude.", "Altitude change Key (Down)."},
    {"_108", &K::courseChange, "Course change request.(Select a Key)", "Course change request.(",
     "Select a key to request a course\nchange.", "Atc General help key."},
    {"_111", &K::pushBack, "Push back request (Select a Key)", "Push back request (",
     "Select a key to request Push back\nFrom ATC.\n(OnGround only.)\n", "Atc Push back key."},
    {"_112", &K::restart, "Restart Adventure (Select a Key)", "Restart Adventure (",
     "Select a key to restart the adventure\n", "Restart Adventure."},
    {"_113", &K::quit, "Quit, (End), Adventure (Select a Key)", "Quit, (End), Adventure (",
     "Select a key to Quit, End, the adventure\n", "Quit, End, Adventure."},
};

const char* const kKeyLetters[26] = {"a", "b", "c", "d", "e", "f", "g", "h", "e", "j", "k", "l", "m",
                                     "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};

const KeyOption* FindKeyOption(std::string_view code) {
    for (const KeyOption& option : kKeyOptions)
        if (option.code == code) return &option;
    return nullptr;
}

std::string KeyOptionCaption(const KeyOption& option, std::string_view key) {
    return std::string(option.captionPrefix) + std::string(key) + ")";
}

int FindKeyEntry(std::span<const std::string> list, std::string_view code) {
    for (size_t i = 0; i < list.size(); ++i)
        if (IsEntryOf(list[i], code)) return static_cast<int>(i);
    return -1;
}

std::string_view KeyOfEntry(std::string_view entry) {
    size_t tab = entry.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : entry.substr(tab + 1);
}

std::string MakeKeyEntry(std::string_view code, std::string_view key) {
    return std::string(code) + "\t" + std::string(key);
}

void SetKeyEntry(std::vector<std::string>& list, std::string_view code, std::string_view key) {
    int at = FindKeyEntry(list, code);
    if (at < 0)
        list.push_back(MakeKeyEntry(code, key));
    else
        list[static_cast<size_t>(at)] = MakeKeyEntry(code, key);
}

void RemoveKeyEntry(std::vector<std::string>& list, std::string_view code) {
    std::erase_if(list, [&](const std::string& entry) { return IsEntryOf(entry, code); });
}

bool KeyTaken(std::span<const std::string> list, std::string_view code, std::string_view key) {
    const std::string wanted = WithoutBlanks(key);
    return std::any_of(list.begin(), list.end(), [&](const std::string& entry) {
        return entry.find('\t') != std::string::npos && CodeOfEntry(entry) != code &&
               WithoutBlanks(KeyOfEntry(entry)) == wanted;
    });
}

std::string MakeKeyText(KeyModifier modifier, std::string_view letter) {
    std::string quoted = "\"" + std::string(letter) + "\"";
    switch (modifier) {
        case KeyModifier::Ctrl:
            return "CTRL " + quoted;
        case KeyModifier::Shift:
            return "SHIFT " + quoted;
        case KeyModifier::None:
            break;
    }
    return quoted;
}

}  // namespace adf
