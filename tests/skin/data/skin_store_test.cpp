#include "skin/data/skin_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "framework/core/class_registry.h"
#include "framework/core/errors.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes_of(const TMemoryStream& s) { return Bytes(s.Memory().begin(), s.Memory().end()); }

const std::string kPackagePath = KORVANE_TEST_DATA "/../../data/skins/default.skn";

std::string error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(SkinStore, ItemsAreNamedByIdsThatAreNeverReused) {
    TSkinStore store(nullptr);
    store.Store().Add();
    store.Store().Add();
    store.Store().Delete(0);
    TSkinCollectionItem& third = store.Store().Add();
    EXPECT_EQ(store.Store().Items(0).Name(), "SkinItem1");
    EXPECT_EQ(third.Name(), "SkinItem2");
    EXPECT_EQ(third.DisplayName(), "SkinItem2");
    EXPECT_EQ(third.DataSize(), 0);
    EXPECT_EQ(store.Store().GetOwner(), &store);
}

TEST(SkinStore, RenamingChecksOtherItemsExactly) {
    TSkinStore store(nullptr);
    store.Store().Add();
    TSkinCollectionItem& second = store.Store().Add();
    EXPECT_EQ(error_of([&] { second.SetName("SkinItem0"); }), "The name SkinItem0 is already used.");
    EXPECT_EQ(second.Name(), "SkinItem1");
    second.SetName("SkinItem1");  // its own name: nothing happens
    second.SetName("skinitem0");
    EXPECT_EQ(second.Name(), "skinitem0");
}

TEST(SkinStore, SkinDataAlwaysReadsLoadSkinAndIsNotStored) {
    TSkinStore store(nullptr);
    store.SetName("SkinStore1");
    TSkinCollectionItem& item = store.Store().Add();
    item.SetSkinData("anything");
    EXPECT_EQ(item.SkinData(), "Load Skin");
    EXPECT_EQ(WriteLayout(store),
              "object SkinStore1: TSkinStore\n"
              "  Store = <\n"
              "    item\n"
              "      Name = 'SkinItem0'\n"
              "      DataStream = {}\n"
              "    end>\n"
              "end\n");
}

TEST(SkinStore, LayoutRoundTripKeepsNamesAndPackageBytes) {
    RegisterComponentClass<TSkinStore>();
    TSkinStore store(nullptr);
    store.SetName("SkinStore1");
    TSkinCollectionItem& package = store.Store().Add();
    package.Data().LoadFromFile(kPackagePath);
    TSkinCollectionItem& small = store.Store().Add();
    small.SetName("Small");
    small.Data().WriteBuffer(Bytes{0x10, 0x00, 0x00, 0x00, 0xAB});

    std::string text = WriteLayout(store);
    std::unique_ptr<TComponent> read = CreateFromLayout(text);
    auto& copy = static_cast<TSkinStore&>(*read);
    ASSERT_EQ(copy.Store().Count(), 2);
    EXPECT_EQ(copy.Store().Items(0).Name(), "SkinItem0");
    EXPECT_EQ(copy.Store().Items(1).Name(), "Small");
    EXPECT_EQ(bytes_of(copy.Store().Items(0).Data()), bytes_of(package.Data()));
    EXPECT_EQ(copy.Store().Items(0).DataSize(), std::int32_t(std::filesystem::file_size(kPackagePath)));
    EXPECT_EQ(bytes_of(copy.Store().Items(1).Data()), (Bytes{0x10, 0x00, 0x00, 0x00, 0xAB}));
    EXPECT_EQ(WriteLayout(copy), text);
}

TEST(SkinStore, DuplicateNamesInALayoutFailWithTheRenameMessage) {
    TSkinStore store(nullptr);
    EXPECT_EQ(error_of([&] {
                  ReadLayout("object S: TSkinStore Store = < item Name = 'A' end item Name = 'A' end > end", store);
              }),
              "The name A is already used.");
}

TEST(SkinStore, DataSizeIsReadOnlyInLayouts) {
    TSkinStore store(nullptr);
    EXPECT_EQ(error_of([&] { ReadLayout("object S: TSkinStore Store = < item DataSize = 4 end > end", store); }),
              "Line 1, column 37: Property DataSize is read-only");
}

TEST(SkinStore, CopyingAnItemTakesNameUncheckedAndAllBytes) {
    TSkinStore store(nullptr);
    TSkinCollectionItem& source = store.Store().Add();
    source.Data().WriteBuffer(Bytes{1, 2, 3});
    source.Data().SetPosition(2);
    TSkinCollectionItem& target = store.Store().Add();
    target.Data().WriteBuffer(Bytes{9, 9, 9, 9});
    target.Assign(&source);
    EXPECT_EQ(target.Name(), "SkinItem0");  // the same name as the source: no check on copying
    EXPECT_EQ(bytes_of(target.Data()), (Bytes{1, 2, 3}));
    EXPECT_EQ(source.Data().Position(), 2);

    TComponent other(nullptr);
    EXPECT_EQ(error_of([&] { target.Assign(&other); }), "Invalid class typecast");
    EXPECT_EQ(error_of([&] { target.Assign(nullptr); }), "Cannot assign a nil to a TSkinCollectionItem");
}

TEST(SkinStore, SettingTheStoreCopiesAllItemsAndIgnoresNull) {
    TSkinStore source(nullptr), target(nullptr);
    source.Store().Add().Data().WriteBuffer(Bytes{7});
    source.Store().Add().SetName("Second");
    target.Store().Add();
    target.Store().Add();
    target.Store().Add();
    target.SetStore(&source.Store());
    ASSERT_EQ(target.Store().Count(), 2);
    EXPECT_EQ(target.Store().Items(0).Name(), "SkinItem0");
    EXPECT_EQ(target.Store().Items(1).Name(), "Second");
    EXPECT_EQ(bytes_of(target.Store().Items(0).Data()), (Bytes{7}));
    target.SetStore(nullptr);
    EXPECT_EQ(target.Store().Count(), 2);
}

}  // namespace
}  // namespace korvane
