#include "engine/UserSets.h"

#include <algorithm>

#include "engine/Listings.h"
#include "platform/ProgramState.h"

namespace qora {

std::vector<UserSet> UserSets;

namespace {

std::vector<UserSet>::iterator FirstSetFrom(std::int32_t number) {
    return std::lower_bound(UserSets.begin(), UserSets.end(), number,
                            [](const UserSet& set, std::int32_t n) { return set.Number < n; });
}

const char* ShownLabel(const UserSet& set) { return set.Label.empty() ? UnlabeledText : set.Label.c_str(); }

int HighestNumberWidth() { return UserSets.empty() ? 1 : DecimalWidth(UserSets.back().Number); }

}  // namespace

std::int32_t UserSetCount() { return static_cast<std::int32_t>(UserSets.size()); }

const UserSet* FindUserSet(std::int32_t number) {
    const auto found = FirstSetFrom(number);
    return found != UserSets.end() && found->Number == number ? &*found : nullptr;
}

bool UserSetExists(std::int32_t number) { return FindUserSet(number) != nullptr; }

std::string NoSuchUserSetText(std::int32_t number) { return FormatText("There is no user-defined set %d", number); }

std::int32_t FirstFreeUserSetNumber() {
    std::int32_t candidate = 1;
    for (const UserSet& set : UserSets)
        if (set.Number <= candidate) ++candidate;
    return candidate;
}

bool DefineUserSet(std::int32_t number, const std::string& label, const LetterCountRecord& letters) {
    if (number < 1 || number > MaxUserSetNumber) return false;
    UserSet set{number, label.substr(0, MaxSetLabelLength), letters};
    const auto place = FirstSetFrom(number);
    if (place != UserSets.end() && place->Number == number)
        *place = std::move(set);
    else
        UserSets.insert(place, std::move(set));
    return true;
}

void DeleteUserSet(std::int32_t number) {
    const auto found = FirstSetFrom(number);
    if (found != UserSets.end() && found->Number == number) UserSets.erase(found);
}

void ResetUserSets() { UserSets.clear(); }

void RetileUserSets(Language previous) {
    for (UserSet& set : UserSets) set.Letters.Counts = RetileLetterCounts(set.Letters.Counts, previous);
}
const ProgramStateReset registerResetUserSets(ResetUserSets);

LetterCounts CombineLetterSets(const LetterCounts& first, SetOperation operation, const LetterCounts& second) {
    LetterCounts result{};
    for (int i = 0; i < LetterCountSlots; ++i) {
        const std::int16_t a = std::max<std::int16_t>(first[i], 0);
        const std::int16_t b = std::max<std::int16_t>(second[i], 0);
        switch (operation) {
            case SetOperation::Union: result[i] = std::max(a, b); break;
            case SetOperation::Intersection: result[i] = std::min(a, b); break;
            case SetOperation::Difference: result[i] = b > 0 ? 0 : a; break;
        }
    }
    return result;
}

void FillUserSetChoices(std::vector<std::string>& choices) {
    choices.clear();
    const int numberWidth = HighestNumberWidth();
    for (const UserSet& set : UserSets)
        choices.push_back(FormatText("set %*d %s", numberWidth, set.Number, ShownLabel(set)));
}

void ListUserSets(std::vector<std::string>& lines, bool asReport) {
    lines.clear();
    const int numberWidth = HighestNumberWidth();
    int labelWidth = 0;
    for (const UserSet& set : UserSets)
        labelWidth = std::max<int>(labelWidth, static_cast<int>(std::string_view(ShownLabel(set)).size()));
    labelWidth = std::min(labelWidth, MaxSetLabelLength);
    const int letterMode = asReport ? 8 : 0;
    for (const UserSet& set : UserSets) {
        std::string line = asReport ? MessageIndent : "";
        line += FormatText(" %*d %-*.*s: ", numberWidth, set.Number, labelWidth, labelWidth, ShownLabel(set));
        line += FormatLetterCounts(&set.Letters.Counts, letterMode);
        lines.push_back(std::move(line));
    }
}

}  // namespace qora
