#include "framework/core/collection.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/core/errors.h"

namespace korvane {
namespace {

class TLabelItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string_view ClassName() const override { return "TLabelItem"; }
    void Assign(const TPersistent* source) override {
        auto* other = dynamic_cast<const TLabelItem*>(source);
        if (!other) return TCollectionItem::Assign(source);
        text = other->text;
    }
    std::string text;
};

std::vector<int> ids_of(const TCollection& c) {
    std::vector<int> ids;
    for (int i = 0; i < c.Count(); ++i) ids.push_back(c.Items(i).ID());
    return ids;
}

TEST(Collection, IdsCountFromZeroAndAreNeverGivenAgain) {
    TCollection labels(ItemClassOf<TLabelItem>());
    labels.Add();
    labels.Add();
    labels.Add();
    labels.Delete(0);
    labels.Add();
    EXPECT_EQ(ids_of(labels), (std::vector<int>{1, 2, 3}));
    labels.Clear();
    EXPECT_EQ(labels.Add().ID(), 4);
    EXPECT_EQ(labels.FindItemID(4), &labels.Items(0));
    EXPECT_EQ(labels.FindItemID(1), nullptr);
}

TEST(Collection, DeletingAnItemDirectlyLeavesTheCollection) {
    TCollection labels(ItemClassOf<TLabelItem>());
    labels.Add();
    TCollectionItem* second = &labels.Add();
    labels.Add();
    EXPECT_EQ(second->Index(), 1);
    delete second;
    EXPECT_EQ(ids_of(labels), (std::vector<int>{0, 2}));
}

// Notes the item count each time it is told of a change.
class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(ItemClassOf<TLabelItem>()) {}
    std::vector<int> counts;

protected:
    void Changed() override { counts.push_back(Count()); }
};

TEST(Collection, ItemsJoiningAndLeavingTellTheCollectionAfterwards) {
    TCountingCollection labels;
    labels.Add();
    TCollectionItem* second = &labels.Add();
    labels.Add();
    labels.Delete(0);
    delete second;
    labels.Clear();
    EXPECT_EQ(labels.counts, (std::vector<int>{1, 2, 3, 2, 1, 0}));
}

TEST(Collection, AssignReplacesAllItemsByCopies) {
    TCollection source(ItemClassOf<TLabelItem>()), target(ItemClassOf<TLabelItem>());
    static_cast<TLabelItem&>(source.Add()).text = "one";
    static_cast<TLabelItem&>(source.Add()).text = "two";
    target.Add();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(static_cast<TLabelItem&>(target.Items(0)).text, "one");
    EXPECT_EQ(static_cast<TLabelItem&>(target.Items(1)).text, "two");
    // The copies are new items of the target: their IDs continue its own count.
    EXPECT_EQ(ids_of(target), (std::vector<int>{1, 2}));
}

TEST(Collection, IndexOutsideFailsAndForeignSourcesCannotBeAssigned) {
    TCollection labels(ItemClassOf<TLabelItem>());
    EXPECT_THROW(labels.Items(0), EListError);
    EXPECT_THROW(labels.Delete(-1), EListError);
    TLabelItem& item = static_cast<TLabelItem&>(labels.Add());
    try {
        labels.Assign(&item);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TLabelItem to a TCollection");
    }
}

TEST(Collection, OwnedCollectionKnowsItsOwner) {
    TCollection free_list(ItemClassOf<TLabelItem>());
    TOwnedCollection owned(&free_list, ItemClassOf<TLabelItem>());
    EXPECT_EQ(free_list.GetOwner(), nullptr);
    EXPECT_EQ(owned.GetOwner(), &free_list);
    EXPECT_EQ(owned.Add().Collection(), &owned);
}

}  // namespace
}  // namespace korvane
