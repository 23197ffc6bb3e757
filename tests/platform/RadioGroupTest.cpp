#include "platform/qt/RadioGroup.h"

#include <gtest/gtest.h>
#include <QRadioButton>
#include <vector>

namespace qora {
namespace {

TEST(RadioGroup, TheProgramSetsTheItemSilentlyAndTheUsersClicksAreReported) {
    RadioGroup group("Which", {"one", "two", "three"});
    std::vector<int> clicked;
    QObject::connect(&group, &RadioGroup::clicked, [&](int index) { clicked.push_back(index); });
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.Item(0)->click();
    EXPECT_EQ(group.ItemIndex(), 0);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Item(0)->isChecked());
    EXPECT_EQ(clicked, std::vector<int>{0});
}

}  // namespace
}  // namespace qora
