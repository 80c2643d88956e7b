#include "framework/core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/class_registry.h"
#include "framework/core/errors.h"
#include "framework/core/font.h"

namespace korvane {
namespace {

// Records what it is told, into a log that outlives it.
class TRecorder : public TComponent {
public:
    TRecorder(TComponent* owner, std::string name, std::vector<std::string>* log) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~TRecorder() override {
        DestroyComponents();
        log_->push_back("free " + Name());
    }
    TComponent* held = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        log_->push_back(Name() + (operation == opInsert ? " insert " : " remove ") + component->Name());
        if (operation == opRemove && component == held) held = nullptr;
    }

private:
    std::vector<std::string>* log_;
};

TEST(Component, OwnerFreesItsComponentsLastFirstAndTellsTheRest) {
    std::vector<std::string> log;
    {
        TRecorder form(nullptr, "Form", &log);
        new TRecorder(&form, "A", &log);
        new TRecorder(&form, "B", &log);
        ASSERT_EQ(form.ComponentCount(), 2);
        EXPECT_EQ(form.Components(1)->Name(), "B");
        EXPECT_EQ(form.Components(1)->ComponentIndex(), 1);
        log.clear();
    }
    // B leaves first: the owner and A hear of it, then B is freed; then A; then the form.
    EXPECT_EQ(log, (std::vector<std::string>{"A remove B", "Form remove B", "free B", "Form remove A", "free A",
                                             "free Form"}));
}

TEST(Component, InsertIsAnnouncedToOwnerAndSiblings) {
    std::vector<std::string> log;
    TRecorder form(nullptr, "Form", &log);
    new TRecorder(&form, "A", &log);
    // The name is set after insertion, so the insert notice shows the empty name.
    EXPECT_EQ(log, (std::vector<std::string>{"Form insert "}));
    log.clear();
    auto* b = new TRecorder(&form, "", &log);
    EXPECT_EQ(log, (std::vector<std::string>{"A insert ", "Form insert "}));
    log.clear();
    delete b;
    EXPECT_EQ(log, (std::vector<std::string>{"free ", "A remove ", "Form remove "}));
    EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(Component, FreeNotificationReachesHoldersOutsideTheOwner) {
    std::vector<std::string> log;
    TRecorder holder(nullptr, "Holder", &log);
    auto target = std::make_unique<TRecorder>(nullptr, "Target", &log);
    holder.held = target.get();
    target->FreeNotification(&holder);
    target.reset();
    EXPECT_EQ(holder.held, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"free Target", "Holder remove Target"}));
}

TEST(Component, FreeNotificationIsDroppedWhenTheHolderGoesFirst) {
    std::vector<std::string> log;
    auto target = std::make_unique<TRecorder>(nullptr, "Target", &log);
    {
        TRecorder holder(nullptr, "Holder", &log);
        target->FreeNotification(&holder);
    }
    log.clear();
    target.reset();  // must not tell the freed holder
    EXPECT_EQ(log, (std::vector<std::string>{"free Target"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase) {
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    a->SetName("Button1");
    auto* b = new TComponent(&form);
    try {
        b->SetName("BUTTON1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
    }
    EXPECT_EQ(b->Name(), "");
    try {
        b->SetName("1Button");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "'1Button' is not a valid component name");
    }
    a->SetName("button1");  // a new spelling of its own name is fine
    EXPECT_EQ(form.FindComponent("BUTTON1"), a);
    EXPECT_EQ(form.FindComponent(""), nullptr);
}

TEST(Component, OwnershipMovesWithRemoveAndInsert) {
    TComponent first(nullptr), second(nullptr);
    auto* c = new TComponent(&first);
    c->SetName("Moved");
    std::unique_ptr<TComponent> taken = first.RemoveComponent(c);
    EXPECT_EQ(c->Owner(), nullptr);
    EXPECT_EQ(first.ComponentCount(), 0);
    second.InsertComponent(std::move(taken));
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_EQ(second.FindComponent("Moved"), c);

    auto clash = std::make_unique<TComponent>(nullptr);
    clash->SetName("moved");
    EXPECT_THROW(second.InsertComponent(std::move(clash)), EComponentError);
    EXPECT_EQ(second.ComponentCount(), 1);
}

TEST(Component, IndexOutsideTheListFails) {
    TComponent form(nullptr);
    try {
        form.Components(0);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (0)");
    }
}

TEST(Component, TagIsASigned32BitValue) {
    TComponent c(nullptr);
    c.SetTag(-2147483647 - 1);
    EXPECT_EQ(c.Tag(), INT32_MIN);
    EXPECT_EQ(c.ClassName(), "TComponent");
    EXPECT_TRUE(c.ComponentState().empty());
}

TEST(Persistent, AssignFromUnknownClassOrNothingFails) {
    TFont font;
    TComponent component(nullptr);
    try {
        font.Assign(&component);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TComponent to a TFont");
    }
    try {
        font.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a nil to a TFont");
    }
}

TEST(Persistent, FontAssignCopiesEveryFieldAndAnnouncesOnce) {
    TFont source;
    source.SetName("宋体");
    source.SetHeight(-12);
    source.SetStyle({fsBold, fsUnderline});
    source.SetColor(0x0000FF);
    source.SetCharset(134);
    TFont target;
    int changes = 0;
    target.OnChange = [&](TFont&) { ++changes; };
    target.Assign(&source);
    EXPECT_TRUE(target == source);
    EXPECT_EQ(changes, 1);
    target.SetHeight(-12);  // unchanged value: no notice
    EXPECT_EQ(changes, 1);
}

TEST(ClassRegistry, CreatesRegisteredClassesByNameIgnoringCase) {
    RegisterComponentClass<TComponent>();
    TComponent owner(nullptr);
    TComponent& made = CreateComponent("tcomponent", owner);
    EXPECT_EQ(made.Owner(), &owner);
    EXPECT_EQ(CreateComponent("TComponent")->Owner(), nullptr);
    try {
        CreateComponent("TMissing");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_STREQ(e.what(), "Class TMissing not found");
    }
}

}  // namespace
}  // namespace korvane
