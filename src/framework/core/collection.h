#pragma once
// Collections: ordered lists of items of one class, kept in stored layouts as
// "<item ... end>" blocks.
//
// Every item carries an ID unique in its collection, counted from 0 in order
// of creation; IDs of deleted items are never given again. The collection
// owns its items: create them with Add() (which makes an item of the
// collection's item class) and free them with Delete() or Clear().
// Assign from another collection replaces all items by copies of its items.

#include <memory>
#include <string>
#include <vector>

#include "framework/core/persistent.h"

namespace korvane {

class TCollection;

class TCollectionItem : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TCollectionItem";

    // Joins the collection, which takes ownership; the item gets the next ID.
    explicit TCollectionItem(TCollection& collection);
    ~TCollectionItem() override;

    std::string_view ClassName() const override { return kClassName; }

    TCollection* Collection() const { return collection_; }
    int ID() const { return id_; }
    int Index() const;
    // The item's name in lists; the class name unless an item class says otherwise.
    virtual std::string DisplayName() const;

private:
    friend class TCollection;
    TCollection* collection_;
    int id_;
};

// Makes a new item of some class inside a collection.
using CollectionItemClass = TCollectionItem& (*)(TCollection&);

template <class Item>
CollectionItemClass ItemClassOf() {
    return [](TCollection& c) -> TCollectionItem& { return *new Item(c); };
}

class TCollection : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TCollection";

    explicit TCollection(CollectionItemClass item_class);
    ~TCollection() override;

    std::string_view ClassName() const override { return kClassName; }
    void Assign(const TPersistent* source) override;

    TCollectionItem& Add();
    void Clear();
    // Fails with EListError outside 0 .. Count() - 1.
    void Delete(int index);
    int Count() const { return int(items_.size()); }
    TCollectionItem& Items(int index) const;
    // The item with this ID; null when there is none.
    TCollectionItem* FindItemID(int id) const;

    // The object this collection belongs to; null for a free collection.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    // After an item joined or left the collection.
    virtual void Changed() {}

private:
    friend class TCollectionItem;
    CollectionItemClass item_class_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int next_id_ = 0;
};

// A collection that knows the object it belongs to.
class TOwnedCollection : public TCollection {
public:
    static constexpr std::string_view kClassName = "TOwnedCollection";

    TOwnedCollection(TPersistent* owner, CollectionItemClass item_class)
        : TCollection(item_class), owner_(owner) {}

    std::string_view ClassName() const override { return kClassName; }
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};

}  // namespace korvane
