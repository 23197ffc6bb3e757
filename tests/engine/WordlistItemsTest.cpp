// The compact item store: offsets past each 32-bit step, and texts and marks
// that stay with their items through appends, erasures and insertions.
#include "engine/WordlistItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qora {
namespace {

TEST(WordlistItemsTest, OffsetsReadBackAcrossEveryStepOfTheHighPart) {
    OffsetColumn column(4);  // steps every 16 instead of every 4 GiB
    const std::vector<std::uint64_t> offsets = {0, 3, 15, 16, 16, 31, 40, 100, 100, 1000};
    for (const std::uint64_t offset : offsets) column.push_back(offset);
    ASSERT_EQ(offsets.size(), column.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) EXPECT_EQ(offsets[i], column[i]) << i;
}

using Model = std::vector<std::pair<std::string, BlankMarks>>;

void ExpectHolds(const WordlistItems& items, const Model& model) {
    ASSERT_EQ(model.size(), items.size());
    std::size_t i = 0;
    for (const WordlistItem& item : items) {
        EXPECT_EQ(model[i].first, item.Text) << i;
        EXPECT_EQ(model[i].second, item.Marks) << i;
        EXPECT_EQ(item, items[i]) << i;
        ++i;
    }
}

TEST(WordlistItemsTest, TextsAndMarksStayWithTheirItemsAsAModelVectorWould) {
    std::uint32_t state = 7;
    auto next = [&state](std::uint32_t below) { return (state = state * 1103515245u + 12345u) / 65536u % below; };
    auto randomItem = [&] {
        std::pair<std::string, BlankMarks> item{std::string(next(4), static_cast<char>('A' + next(26))), {}};
        if (next(3) == 0) item.second.set(next(MaxBlankMarkPositions));
        return item;
    };
    WordlistItems items;
    Model model;
    for (int step = 0; step < 400; ++step) {
        const std::size_t at = next(static_cast<std::uint32_t>(model.size()) + 1);
        switch (next(4)) {
            case 0: {  // a run of other items inserted
                WordlistItems run;
                Model runModel;
                for (std::uint32_t n = next(4); n > 0; --n) {
                    runModel.push_back(randomItem());
                    run.Append({runModel.back().first, runModel.back().second});
                }
                items.Insert(at, run);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), runModel.begin(), runModel.end());
                break;
            }
            case 1: {  // items erased from `at`
                const std::size_t count = std::min<std::size_t>(next(3), model.size() - at);
                items.Erase(at, count);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at),
                            model.begin() + static_cast<std::ptrdiff_t>(at + count));
                break;
            }
            case 2: {  // marks merged into the last item
                if (model.empty()) break;
                const BlankMarks more = randomItem().second;
                items.MergeMarksOfLast(more);
                model.back().second |= more;
                break;
            }
            default: model.push_back(randomItem()); items.Append({model.back().first, model.back().second});
        }
        ExpectHolds(items, model);
    }
    WordlistItems tail;
    tail.AppendRange(items, model.size() / 2, model.size() - model.size() / 2);
    ExpectHolds(tail, Model(model.begin() + static_cast<std::ptrdiff_t>(model.size() / 2), model.end()));
}

}  // namespace
}  // namespace qora
