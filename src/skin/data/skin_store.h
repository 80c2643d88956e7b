#pragma once
// Unit WinSkinStore: TSkinStore keeps whole skin packages inside a window's
// stored layout, so that no skin file needs to lie beside the program.
//
// The store owns a TSkinCollection of TSkinCollectionItem, each a name and
// the bytes of one skin package exactly as a package file holds them. In a
// layout an item keeps its Name and, always, the binary property
// "DataStream" with all package bytes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/memory_stream.h"

namespace korvane {

class TSkinCollectionItem : public TCollectionItem {
public:
    static constexpr std::string_view kClassName = "TSkinCollectionItem";
    static constexpr std::string_view kSkinDataText = "Load Skin";

    // Named "SkinItem" + ID, with no package bytes.
    explicit TSkinCollectionItem(TCollection& collection);

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;
    // Copies name (unchecked) and package bytes of another item; fails with
    // EInvalidCast for another class and the cannot-assign error for null.
    void Assign(const TPersistent* source) override;
    std::string DisplayName() const override { return name_; }

    const std::string& Name() const { return name_; }
    // Fails with "The name <name> is already used." when another item of the
    // collection has exactly this name; the old name stays.
    void SetName(const std::string& name);

    // The text a designer shows for the package; writing it changes nothing.
    std::string SkinData() const { return std::string(kSkinDataText); }
    void SetSkinData(const std::string&) {}
    std::int32_t DataSize() const { return std::int32_t(data_.Size()); }

    // The package bytes.
    TMemoryStream& Data() { return data_; }
    const TMemoryStream& Data() const { return data_; }

private:
    std::vector<std::uint8_t> WriteDataStream() const;
    void ReadDataStream(std::span<const std::uint8_t> bytes);

    std::string name_;
    TMemoryStream data_;
};

class TSkinCollection : public TOwnedCollection {
public:
    static constexpr std::string_view kClassName = "TSkinCollection";

    explicit TSkinCollection(TPersistent* owner);

    std::string_view ClassName() const override { return kClassName; }
    TSkinCollectionItem& Add() { return static_cast<TSkinCollectionItem&>(TCollection::Add()); }
    TSkinCollectionItem& Items(int index) const {
        return static_cast<TSkinCollectionItem&>(TCollection::Items(index));
    }
};

class TSkinStore : public TComponent {
public:
    static constexpr std::string_view kClassName = "TSkinStore";

    explicit TSkinStore(TComponent* owner);

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TSkinCollection& Store() { return store_; }
    const TSkinCollection& Store() const { return store_; }
    // Replaces all stored skins by copies of value's; null is ignored.
    void SetStore(const TSkinCollection* value);

private:
    TSkinCollection store_;
};

}  // namespace korvane
