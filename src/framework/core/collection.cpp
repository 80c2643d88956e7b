#include "framework/core/collection.h"

#include <algorithm>

#include "framework/core/errors.h"

namespace korvane {

TCollectionItem::TCollectionItem(TCollection& collection) : collection_(&collection), id_(collection.next_id_++) {
    collection.items_.emplace_back(this);
}

TCollectionItem::~TCollectionItem() {
    // Deleted directly (not through the collection): leave the collection's list.
    if (!collection_) return;
    auto& items = collection_->items_;
    auto it = std::find_if(items.begin(), items.end(), [this](const auto& i) { return i.get() == this; });
    if (it != items.end()) {
        it->release();
        items.erase(it);
        collection_->Changed();
    }
}

int TCollectionItem::Index() const {
    if (!collection_) return -1;
    const auto& items = collection_->items_;
    auto it = std::find_if(items.begin(), items.end(), [this](const auto& i) { return i.get() == this; });
    return int(it - items.begin());
}

std::string TCollectionItem::DisplayName() const { return std::string(ClassName()); }

TCollection::TCollection(CollectionItemClass item_class) : item_class_(item_class) {}

TCollection::~TCollection() { Clear(); }

void TCollection::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    Clear();
    for (const auto& item : other->items_) Add().Assign(item.get());
}

TCollectionItem& TCollection::Add() {
    TCollectionItem& item = item_class_(*this);
    Changed();
    return item;
}

void TCollection::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

void TCollection::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError(index);
    std::unique_ptr<TCollectionItem> item = std::move(items_[std::size_t(index)]);
    items_.erase(items_.begin() + index);
    item->collection_ = nullptr;
    item.reset();
    Changed();
}

TCollectionItem& TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(index);
    return *items_[std::size_t(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (const auto& item : items_)
        if (item->id_ == id) return item.get();
    return nullptr;
}

}  // namespace korvane
