// The key-commands page's key list and its rules: one entry per key code, the code, a
// tab and the key the pilot presses; the key options that own the codes; the key
// picker's letters and key texts.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "adf/values/key_commands.h"

namespace adf {

// A check box of the key page that needs a key.
struct KeyOption {
    std::string_view code;  // "_100"
    int KeyCommandValues::*member;
    std::string_view choosingCaption;  // while no key is chosen
    std::string_view captionPrefix;    // followed by the key and ")"
    std::string_view helpText;
    std::string_view prompt;  // the key picker's
};

// In the definition's order.
extern const KeyOption kKeyOptions[9];
const KeyOption* FindKeyOption(std::string_view code);
// The caption of an option with its key: "Always Give Pos (CTRL \"p\")".
std::string KeyOptionCaption(const KeyOption& option, std::string_view key);

// Index of the first entry whose text before its first tab is code; entries without a
// tab are passed over; -1 when none.
int FindKeyEntry(std::span<const std::string> list, std::string_view code);
// The text after an entry's first tab; empty when it has none.
std::string_view KeyOfEntry(std::string_view entry);
std::string MakeKeyEntry(std::string_view code, std::string_view key);

// Replaces the code's entry, or appends one when the code has none.
void SetKeyEntry(std::vector<std::string>& list, std::string_view code, std::string_view key);
// Removes every entry of the code.
void RemoveKeyEntry(std::vector<std::string>& list, std::string_view code);
// True when an entry of another code holds the same key. Blanks do not count, so
// CTRL "r" and the default CTRL"r" are one key.
bool KeyTaken(std::span<const std::string> list, std::string_view code, std::string_view key);

enum class KeyModifier { Ctrl, Shift, None };
// CTRL "a", SHIFT "a" or "a".
std::string MakeKeyText(KeyModifier modifier, std::string_view letter);
// The picker's letters in its order ("i" is not offered, "e" comes twice).
extern const char* const kKeyLetters[26];

}  // namespace adf
