#include "framework/core/properties.h"

#include <gtest/gtest.h>

#include "framework/core/component.h"

namespace korvane {
namespace {

class TBase : public TComponent {
public:
    using TComponent::TComponent;
    const PropertyTable& Properties() const override {
        static const PropertyTable table = PropertyBuilder<TBase>(TComponent::Properties())
                                               .boolean("AutoSize", &TBase::AutoSize, &TBase::SetAutoSize, false)
                                               .integer("Width", &TBase::Width, &TBase::SetWidth, 0)
                                               .build();
        return table;
    }
    bool AutoSize() const { return auto_size; }
    void SetAutoSize(bool v) { auto_size = v; }
    std::int32_t Width() const { return width; }
    void SetWidth(std::int32_t v) { width = v; }
    bool auto_size = false;
    std::int32_t width = 0;
};

// Publishes AutoSize again with another default, and stores Width only when not sized automatically.
class TDerived : public TBase {
public:
    using TBase::TBase;
    const PropertyTable& Properties() const override {
        static const PropertyTable table =
            PropertyBuilder<TDerived>(TBase::Properties())
                .boolean("AutoSize", &TDerived::AutoSize, &TDerived::SetAutoSize, true)
                .integer("Width", &TDerived::Width, &TDerived::SetWidth)
                .stored_if([](const TDerived& d) { return !d.AutoSize(); })
                .build();
        return table;
    }
};

std::vector<std::string_view> names_of(const PropertyTable& table) {
    std::vector<std::string_view> names;
    for (const PropertyInfo& p : table.all()) names.push_back(p.name);
    return names;
}

TEST(PropertyTable, ADeclarationAgainReplacesTheBaseOneInItsPlace) {
    TDerived d(nullptr);
    EXPECT_EQ(names_of(d.Properties()), (std::vector<std::string_view>{"Name", "Tag", "AutoSize", "Width"}));
    const PropertyInfo* auto_size = d.Properties().find("autosize");
    ASSERT_NE(auto_size, nullptr);
    d.auto_size = false;
    EXPECT_TRUE(auto_size->IsStored(d));
    d.auto_size = true;
    EXPECT_FALSE(auto_size->IsStored(d));
    EXPECT_EQ(d.Properties().find("Height"), nullptr);
}

TEST(PropertyTable, StoredIfDecidesInsteadOfTheDefault) {
    TDerived d(nullptr);
    const PropertyInfo& width = *d.Properties().find("Width");
    d.width = 0;
    d.auto_size = false;
    EXPECT_TRUE(width.IsStored(d));
    d.width = 90;
    d.auto_size = true;
    EXPECT_FALSE(width.IsStored(d));
}

TEST(PropertyTable, NamesAreNotStoredAndTagOnlyWhenSet) {
    TComponent c(nullptr);
    c.SetName("Named");
    const PropertyTable& table = c.Properties();
    EXPECT_FALSE(table.find("Name")->IsStored(c));
    EXPECT_FALSE(table.find("Tag")->IsStored(c));
    c.SetTag(-1);
    EXPECT_TRUE(table.find("Tag")->IsStored(c));
    EXPECT_EQ(table.find("Tag")->get_ordinal(c), -1);
}

}  // namespace
}  // namespace korvane
