#pragma once
// Components with one property of every kind, for the layout tests and the
// layout fuzzer. Each records what it saw while being read.

#include <array>
#include <string>
#include <vector>

#include "framework/core/class_registry.h"
#include "framework/core/collection.h"
#include "framework/core/colors.h"
#include "framework/core/component.h"
#include "framework/core/font.h"
#include "framework/core/properties.h"

namespace korvane::sample {

enum TKind { skPlain, skBold, skFancy };
enum TOption { soOne, soTwo, soThree };
using TOptions = Set<TOption>;
inline constexpr std::array<std::string_view, 3> kKindNames{"skPlain", "skBold", "skFancy"};
inline constexpr std::array<std::string_view, 3> kOptionNames{"soOne", "soTwo", "soThree"};

class TSampleControl;

class TSampleItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string_view ClassName() const override { return "TSampleItem"; }
    const PropertyTable& Properties() const override;
    TSampleControl* Link() const { return link; }
    void SetLink(TSampleControl* c) { link = c; }

    std::string text;
    std::vector<std::uint8_t> data;
    TSampleControl* link = nullptr;
};

// Holds what every sample component logs, in order.
inline std::vector<std::string>& sample_log() {
    static std::vector<std::string> log;
    return log;
}

class TSampleControl : public TComponent {
public:
    static constexpr std::string_view kClassName = "TSampleControl";
    explicit TSampleControl(TComponent* owner) : TComponent(owner), items_(this, ItemClassOf<TSampleItem>()) {}
    ~TSampleControl() override { DestroyComponents(); }

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override {
        static const PropertyTable table =
            PropertyBuilder<TSampleControl>(TComponent::Properties())
                .integer("Left", &TSampleControl::Left, &TSampleControl::SetLeft)
                .string("Caption", &TSampleControl::Caption, &TSampleControl::SetCaption)
                .boolean("Visible", &TSampleControl::Visible, &TSampleControl::SetVisible, true)
                .enumeration("Kind", kKindNames, &TSampleControl::Kind, &TSampleControl::SetKind, skPlain)
                .set("Options", kOptionNames, &TSampleControl::Options, &TSampleControl::SetOptions,
                     TOptions{soOne})
                .color("Color", &TSampleControl::GetColor, &TSampleControl::SetColor, clBtnFace)
                .object("Font", &TSampleControl::Font)
                .collection("Items", &TSampleControl::Items)
                .component("Buddy", &TSampleControl::Buddy, &TSampleControl::SetBuddy)
                .integer("Width", &TSampleControl::Width, nullptr)
                .string("Hint", [](const TSampleControl&) { return std::string("(none)"); },
                        [](TSampleControl&, const std::string&) {})
                .never_stored()
                .binary("Payload", [](const TSampleControl& c) { return c.payload; },
                        [](TSampleControl& c, std::span<const std::uint8_t> b) { c.payload.assign(b.begin(), b.end()); })
                .build();
        return table;
    }

    std::int32_t Left() const { return left_; }
    void SetLeft(std::int32_t v) { left_ = v; }
    std::int32_t Width() const { return 75; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        caption_ = v;
        if (ComponentState().contains(csLoading)) sample_log().push_back(Name() + ".Caption while loading");
    }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    TKind Kind() const { return kind_; }
    void SetKind(TKind v) { kind_ = v; }
    TOptions Options() const { return options_; }
    void SetOptions(TOptions v) { options_ = v; }
    Color GetColor() const { return color_; }
    void SetColor(Color v) { color_ = v; }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TOwnedCollection& Items() { return items_; }
    const TOwnedCollection& Items() const { return items_; }
    TSampleControl* Buddy() const { return buddy_; }
    void SetBuddy(TSampleControl* b) {
        buddy_ = b;
        if (b) b->FreeNotification(this);
    }

    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* parent) override { parent_ = parent == Owner() ? nullptr : parent; }
    void SetParent(TComponent* parent) { parent_ = parent; }

    std::vector<std::uint8_t> payload;

protected:
    void Loaded() override {
        TComponent::Loaded();
        sample_log().push_back(Name() + ".Loaded caption=" + caption_ + (buddy_ ? " buddy=" + buddy_->Name() : ""));
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == opRemove && c == buddy_) buddy_ = nullptr;
    }

private:
    std::int32_t left_ = 0;
    std::string caption_;
    bool visible_ = true;
    TKind kind_ = skPlain;
    TOptions options_{soOne};
    Color color_ = clBtnFace;
    TFont font_;
    TOwnedCollection items_;
    TSampleControl* buddy_ = nullptr;
    TComponent* parent_ = nullptr;
};

inline const PropertyTable& TSampleItem::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TSampleItem>(TCollectionItem::Properties())
            .string("Text", [](const TSampleItem& i) { return i.text; },
                    [](TSampleItem& i, const std::string& v) { i.text = v; })
            .component("Link", &TSampleItem::Link, &TSampleItem::SetLink)
            .binary("Data", [](const TSampleItem& i) { return i.data; },
                    [](TSampleItem& i, std::span<const std::uint8_t> b) { i.data.assign(b.begin(), b.end()); })
            .build();
    return table;
}

class TSampleForm : public TComponent {
public:
    static constexpr std::string_view kClassName = "TSampleForm";
    using TComponent::TComponent;
    std::string_view ClassName() const override { return kClassName; }

protected:
    void Loaded() override {
        TComponent::Loaded();
        sample_log().push_back(Name() + ".Loaded");
    }
};

inline void RegisterSampleClasses() {
    RegisterComponentClass<TSampleControl>();
    RegisterComponentClass<TSampleForm>();
}

}  // namespace korvane::sample
