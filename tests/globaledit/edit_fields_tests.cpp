// The item lists of global editing: .gbe files store items by index, so every caption keeps
// its place.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "globaledit/edit_fields.h"

namespace zt::test {
namespace {

constexpr std::string_view kFamiliarity = "Fam P|Fam C|Fam 1B|Fam 2B|Fam 3B|Fam SS|Fam LF|Fam CF|Fam RF|";

// The captions of a list written as one text, "|" after each.
std::vector<std::string_view> captions(std::string_view text) {
    std::vector<std::string_view> list;
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos; bar = text.find('|')) {
        list.push_back(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    return list;
}

std::vector<std::string_view> joined(std::string_view before, std::string_view after) {
    auto list = captions(before);
    for (const auto& part : {captions(kFamiliarity), captions(after)}) {
        list.insert(list.end(), part.begin(), part.end());
    }
    return list;
}

TEST(EditFields, CriterionListsInOrder) {
    auto expected = joined(
        "Position|Bats|Throws|Age|General Avg|2B|3B|Homeruns|Walks|So|Avg Vs L|Avg Vs R|Obp Vs L|Obp Vs R|Slg Vs L|"
        "Slg Vs R|Pull|Middle|Opp Field|Ground % (b)|Opp. Total Avg|Opp. 2B|Opp. 3B|Opp. Hrs|Opp. Walks|Opp. So|So/Ab|"
        "Endurance|Ground % (p)|Fatigue|Arm Rating|Run Speed|Infield Range|Outfield Range|Fielding %|Level|"
        "Batting Stance|Pitching Style|",
        "Days on DL|Suspension Days|Uniform No|Star Rating|Prospect Rating|Peak Shift|Bat Color|Waggle Type|Wave Type|"
        "Stride Type|");
    std::vector<std::string_view> first;
    std::vector<std::string_view> second;
    for (int item = 0; item <= globaledit::kCriterionFieldCount; ++item) {
        first.push_back(globaledit::criterionText(item, false));
        second.push_back(globaledit::criterionText(item, true));
    }
    expected.emplace_back();  // one past the list: no text
    EXPECT_EQ(second, expected);
    expected[globaledit::kUniformNumberCriterion] = "Uniform Number";
    EXPECT_EQ(first, expected);
}

TEST(EditFields, ModifiableFieldsInOrder) {
    auto expected = joined(
        "Age|General Avg|2B|3B|Homeruns|Walks (b)|So (b)|Avg Vs L|Avg Vs R|Obp Vs L|Obp Vs R|Slg Vs L|Slg Vs R|Pull|"
        "Middle|Opp Field|Ground % (b)|Opp. Total Avg|Opp. 2B|Opp. 3B|Opp. Hrs|Opp. Walks|Opp. So|Endurance|"
        "Ground % (p)|Fatigue|Arm Rating|Run Speed|Infield Range|Outfield Range|Fielding %|Batting Stance|"
        "Pitching Style|",
        "Days on DL|Suspension Days|Uniform No|Complexion|Star Rating|Prospect Rating|Peak Shift|Bat Color|Waggle Type|"
        "Wave Type|Stride Type|");
    std::vector<std::string_view> texts;
    for (int item = 0; item <= globaledit::kEditFieldCount; ++item) {
        texts.push_back(globaledit::editFieldText(item));
    }
    expected.emplace_back();
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace zt::test
