#include "skin/data/skin_store.h"

#include "framework/core/errors.h"
#include "framework/core/properties.h"

namespace korvane {

TSkinCollectionItem::TSkinCollectionItem(TCollection& collection)
    : TCollectionItem(collection), name_("SkinItem" + std::to_string(ID())) {}

const PropertyTable& TSkinCollectionItem::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TSkinCollectionItem>(TCollectionItem::Properties())
            .string("Name", &TSkinCollectionItem::Name, &TSkinCollectionItem::SetName, std::nullopt)
            .string("SkinData", &TSkinCollectionItem::SkinData, &TSkinCollectionItem::SetSkinData)
            .never_stored()
            .integer("DataSize", &TSkinCollectionItem::DataSize, nullptr)
            .binary("DataStream", &TSkinCollectionItem::WriteDataStream, &TSkinCollectionItem::ReadDataStream)
            .build();
    return table;
}

void TSkinCollectionItem::Assign(const TPersistent* source) {
    if (!source) return TCollectionItem::Assign(source);
    auto* other = dynamic_cast<const TSkinCollectionItem*>(source);
    if (!other) throw EInvalidCast();
    if (other == this) return;
    name_ = other->name_;
    // All of the other's bytes, whatever its position (which stays as it was).
    data_.Clear();
    data_.WriteBuffer(other->data_.Memory());
}

void TSkinCollectionItem::SetName(const std::string& name) {
    if (name == name_) return;
    if (const TCollection* items = Collection()) {
        for (int i = 0; i < items->Count(); ++i) {
            const auto& item = static_cast<const TSkinCollectionItem&>(items->Items(i));
            if (&item != this && item.name_ == name) throw Error("The name " + name + " is already used.");
        }
    }
    name_ = name;
}

std::vector<std::uint8_t> TSkinCollectionItem::WriteDataStream() const {
    return {data_.Memory().begin(), data_.Memory().end()};
}

void TSkinCollectionItem::ReadDataStream(std::span<const std::uint8_t> bytes) {
    data_.Clear();
    data_.WriteBuffer(bytes);
}

TSkinCollection::TSkinCollection(TPersistent* owner) : TOwnedCollection(owner, ItemClassOf<TSkinCollectionItem>()) {}

TSkinStore::TSkinStore(TComponent* owner) : TComponent(owner), store_(this) {}

const PropertyTable& TSkinStore::Properties() const {
    static const PropertyTable table = PropertyBuilder<TSkinStore>(TComponent::Properties())
                                           .collection("Store", &TSkinStore::Store)
                                           .build();
    return table;
}

void TSkinStore::SetStore(const TSkinCollection* value) {
    if (value) store_.Assign(value);
}

}  // namespace korvane
