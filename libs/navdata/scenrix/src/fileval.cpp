#include "scenrix/fileval.h"

#include <cstring>
#include <string_view>

#include "colon_field_view.h"
#include "platform/numbers.h"

namespace {

// Text fields of a leg line.
constexpr int kCodeField = 0;
constexpr int kWordField = 1;
constexpr int kHdgidField = 9;
constexpr int kIdtonextField = 14;
constexpr int kIdtonexttextField = 17;

// Number fields of a leg line and the members they fill.
struct NumberField {
    int field;
    double fileval::*member;
};
constexpr NumberField kNumberFields[] = {
    {2, &fileval::latitude},
    {3, &fileval::longitude},
    {4, &fileval::minSpeed},
    {5, &fileval::maxSpeed},
    {6, &fileval::minAltitude},
    {7, &fileval::maxAltitude},
    {8, &fileval::heading},
    {10, &fileval::hdgLatitude},
    {11, &fileval::hdgLongitude},
    {12, &fileval::nextDistance},
    {13, &fileval::nextRadial},
    {15, &fileval::idtonextLatitude},
    {16, &fileval::idtonextLongitude},
};

std::unique_ptr<char[]> CopyText(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    text.copy(copy.get(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void SetText(std::unique_ptr<char[]>& target, const char* text) {
    if (text != nullptr) {
        target = CopyText(text);
    }
}

}  // namespace

fileval::fileval() = default;

fileval::~fileval() = default;

fileval::fileval(const fileval& other) { *this = other; }

const fileval& fileval::operator=(const fileval& other) {
    if (this == &other) {
        return *this;
    }
    Empty();
    FillFileval(other.line_.get());
    if (other.id_ != nullptr) {
        id_ = CopyText(other.id_.get());
    }
    return *this;
}

void fileval::Empty() {
    idtonext_.reset();
    idtonexttext_.reset();
    hdgid_.reset();
    id_.reset();
    code_.reset();
    word_.reset();
    line_.reset();
    kind = -1;
}

void fileval::FillFileval(const char* line) {
    if (line == nullptr || *line == '\0') {
        Empty();
        return;
    }
    // Copied first: line may be this item's own line.
    line_ = CopyText(line);
    const std::string_view text(line_.get());
    const auto field = [&text](int n) { return scenrix::detail::ColonField(text, n); };
    for (const NumberField& number : kNumberFields) {
        this->*number.member = platform::LeadingDouble(field(number.field));
    }

    code_ = CopyText(field(kCodeField));
    word_ = CopyText(field(kWordField));
    hdgid_ = CopyText(field(kHdgidField));
    idtonext_ = CopyText(field(kIdtonextField));
    idtonexttext_ = CopyText(field(kIdtonexttextField));
}

int fileval::IsEmpty() const { return id_ == nullptr || id_[0] == '\0'; }

void fileval::_Setcode(const char* text) { SetText(code_, text); }
void fileval::_Setword(const char* text) { SetText(word_, text); }
void fileval::_Sethdgid(const char* text) { SetText(hdgid_, text); }
void fileval::_Setidtonext(const char* text) { SetText(idtonext_, text); }
void fileval::_Setidtonexttext(const char* text) { SetText(idtonexttext_, text); }
void fileval::_Setid(const char* text) { SetText(id_, text); }

char* fileval::GetLine() const { return line_.get(); }
char* fileval::_Getcode() const { return code_.get(); }
char* fileval::_Getword() const { return word_.get(); }
char* fileval::_Gethdgid() const { return hdgid_.get(); }
char* fileval::_Getidtonext() const { return idtonext_.get(); }
char* fileval::_Getidtonexttext() const { return idtonexttext_.get(); }
char* fileval::_Getid() const { return id_.get(); }
