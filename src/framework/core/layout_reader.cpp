#include "framework/core/layout_reader.h"

#include <algorithm>
#include <vector>

#include "base/strings.h"
#include "framework/core/class_registry.h"
#include "framework/core/collection.h"
#include "framework/core/colors.h"
#include "framework/core/errors.h"
#include "framework/core/layout_lexer.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {

// Deeper nesting than any real window has; the limit keeps the recursion bounded.
constexpr int kMaxDepth = 64;

}  // namespace

class LayoutReader {
public:
    explicit LayoutReader(std::string_view text) : lexer_(text) { advance(); }

    // Makes a component of the class the layout's first line names.
    static std::unique_ptr<TComponent> CreateRoot(std::string_view text) {
        LayoutReader reader(text);
        ObjectHeader header = reader.object_header();
        if (!IsClassRegistered(header.class_name))
            LayoutLexer::fail(header.at, "Class " + header.class_name + " not found");
        return CreateComponent(header.class_name);
    }

    void read(TComponent& root) {
        root_ = &root;
        try {
            ObjectHeader header = object_header();
            if (!equals_ignore_case(header.class_name, root.ClassName()))
                LayoutLexer::fail(header.at, "Class " + header.class_name + " does not match " +
                                                 std::string(root.ClassName()));
            begin_loading(root, false);
            if (!header.name.empty()) root.SetName(header.name);
            read_body(root, 0);
            if (token_.kind != LayoutToken::End) LayoutLexer::fail(token_.at, "Text after the end of the layout");
            resolve_references();
        } catch (...) {
            undo();
            throw;
        }
        for (TComponent* c : loaded_) c->state_.exclude(csReading);
        for (TComponent* c : loaded_) c->Loaded();
    }

private:
    struct ObjectHeader {
        LayoutPosition at;
        std::string name;
        std::string class_name;
    };
    struct Reference {
        TPersistent* instance;
        const PropertyInfo* property;
        std::string name;
        LayoutPosition at;
        std::vector<const TCollection*> collections;  // the collections the instance lives in
    };

    void advance() { token_ = lexer_.next(); }

    LayoutToken take() {
        LayoutToken t = std::move(token_);
        advance();
        return t;
    }

    void expect_symbol(char c) {
        if (!token_.is_symbol(c)) LayoutLexer::fail(token_.at, std::string("'") + c + "' expected");
        advance();
    }

    std::string identifier(const char* what) {
        if (token_.kind != LayoutToken::Identifier) LayoutLexer::fail(token_.at, std::string(what) + " expected");
        return take().text;
    }

    ObjectHeader object_header() {
        if (!token_.is_word("object")) LayoutLexer::fail(token_.at, "'object' expected");
        advance();
        ObjectHeader header;
        header.at = token_.at;
        std::string first = identifier("Component name");
        if (token_.is_symbol(':')) {
            advance();
            header.at = token_.at;
            header.name = first;
            header.class_name = identifier("Class name");
        } else {
            header.class_name = first;
        }
        return header;
    }

    void begin_loading(TComponent& c, bool created) {
        c.state_.include(csLoading);
        c.state_.include(csReading);
        loaded_.push_back(&c);
        if (created) created_.push_back(&c);
    }

    // Properties and nested objects up to the matching "end".
    void read_body(TComponent& component, int depth) {
        for (;;) {
            if (token_.is_word("end")) {
                advance();
                component.state_.exclude(csReading);
                return;
            }
            if (token_.is_word("object"))
                read_child(component, depth + 1);
            else
                read_property(component);
        }
    }

    void read_child(TComponent& parent, int depth) {
        if (depth > kMaxDepth) LayoutLexer::fail(token_.at, "Layout nested too deeply");
        ObjectHeader header = object_header();
        TComponent* child = root_->FindComponent(header.name);
        if (child && std::find(loaded_.begin(), loaded_.end(), child) != loaded_.end())
            LayoutLexer::fail(header.at, "A component named " + header.name + " already exists");
        bool created = !child;
        if (child && !equals_ignore_case(child->ClassName(), header.class_name))
            LayoutLexer::fail(header.at, "Component " + header.name + " is a " + std::string(child->ClassName()) +
                                             ", not a " + header.class_name);
        if (created) {
            if (!IsClassRegistered(header.class_name))
                LayoutLexer::fail(header.at, "Class " + header.class_name + " not found");
            child = &CreateComponent(header.class_name, *root_);
        }
        begin_loading(*child, created);
        if (created) child->SetName(header.name);
        child->SetParentComponent(&parent);
        read_body(*child, depth);
    }

    // Name = value, where Name may pass through sub-objects (Font.Height).
    void read_property(TPersistent& instance) {
        LayoutPosition at = token_.at;
        std::string path = identifier("Property name");
        TPersistent* target = &instance;
        const PropertyInfo* p = nullptr;
        for (std::string_view part : split(path, '.')) {
            if (p) {
                if (p->kind != PropertyKind::Object)
                    LayoutLexer::fail(at, "Property " + std::string(p->name) + " has no properties");
                target = p->get_object(*target);
            }
            p = target->Properties().find(part);
            if (!p) LayoutLexer::fail(at, "Property " + std::string(part) + " does not exist");
        }
        expect_symbol('=');
        if (!p->writable()) LayoutLexer::fail(at, "Property " + std::string(p->name) + " is read-only");
        read_value(*target, *p);
    }

    [[noreturn]] void invalid_value(const LayoutPosition& at, const PropertyInfo& p) {
        LayoutLexer::fail(at, "Invalid value for property " + std::string(p.name));
    }

    void read_value(TPersistent& instance, const PropertyInfo& p) {
        LayoutPosition at = token_.at;
        switch (p.kind) {
        case PropertyKind::Integer: {
            if (token_.kind != LayoutToken::Integer || token_.integer < INT32_MIN || token_.integer > INT32_MAX)
                invalid_value(at, p);
            p.set_ordinal(instance, take().integer);
            return;
        }
        case PropertyKind::Boolean: {
            if (!token_.is_word("True") && !token_.is_word("False")) invalid_value(at, p);
            p.set_ordinal(instance, take().is_word("True") ? 1 : 0);
            return;
        }
        case PropertyKind::Enumeration: {
            if (token_.kind != LayoutToken::Identifier) invalid_value(at, p);
            p.set_ordinal(instance, member_index(p, take()));
            return;
        }
        case PropertyKind::Set: return read_set(instance, p);
        case PropertyKind::Color: {
            std::int64_t value = 0;
            if (token_.kind == LayoutToken::Integer && token_.integer >= INT32_MIN && token_.integer <= UINT32_MAX) {
                value = std::int64_t(std::uint32_t(token_.integer));
            } else if (token_.kind == LayoutToken::Identifier) {
                auto color = IdentToColor(token_.text);
                if (!color) LayoutLexer::fail(at, "Unknown colour " + token_.text);
                value = *color;
            } else {
                invalid_value(at, p);
            }
            advance();
            p.set_ordinal(instance, value);
            return;
        }
        case PropertyKind::String: {
            if (token_.kind != LayoutToken::String) invalid_value(at, p);
            p.set_string(instance, take().text);
            return;
        }
        case PropertyKind::Collection:
            return read_collection(static_cast<TCollection&>(*p.get_object(instance)), at);
        case PropertyKind::Component: {
            if (token_.kind != LayoutToken::Identifier) invalid_value(at, p);
            references_.push_back({&instance, &p, take().text, at, collections_});
            return;
        }
        case PropertyKind::Binary: {
            if (token_.kind != LayoutToken::Binary) invalid_value(at, p);
            p.read_binary(instance, take().bytes);
            return;
        }
        case PropertyKind::Object: invalid_value(at, p);
        }
    }

    static std::int64_t member_index(const PropertyInfo& p, const LayoutToken& t) {
        for (std::size_t i = 0; i < p.members.size(); ++i)
            if (equals_ignore_case(p.members[i], t.text)) return std::int64_t(i);
        LayoutLexer::fail(t.at, "Invalid value " + t.text + " for property " + std::string(p.name));
    }

    void read_set(TPersistent& instance, const PropertyInfo& p) {
        expect_symbol('[');
        std::int64_t mask = 0;
        while (!token_.is_symbol(']')) {
            if (mask != 0 || token_.is_symbol(',')) expect_symbol(',');
            if (token_.kind != LayoutToken::Identifier) invalid_value(token_.at, p);
            mask |= std::int64_t(1) << member_index(p, take());
        }
        advance();
        p.set_ordinal(instance, mask);
    }

    void read_collection(TCollection& collection, LayoutPosition at) {
        if (int(collections_.size()) >= kMaxDepth) LayoutLexer::fail(at, "Layout nested too deeply");
        expect_symbol('<');
        // References waiting in items about to be freed would point nowhere.
        std::erase_if(references_, [&](const Reference& r) {
            return std::find(r.collections.begin(), r.collections.end(), &collection) != r.collections.end();
        });
        collection.Clear();
        collections_.push_back(&collection);
        while (!token_.is_symbol('>')) {
            if (!token_.is_word("item")) LayoutLexer::fail(token_.at, "'item' expected");
            advance();
            TCollectionItem& item = collection.Add();
            while (!token_.is_word("end")) read_property(item);
            advance();
        }
        collections_.pop_back();
        advance();
    }

    // Name, or Owner.Name for a component of one of the root's components.
    TComponent* find_reference(const std::string& name) const {
        if (equals_ignore_case(name, root_->Name())) return root_;
        TComponent* found = root_;
        for (std::string_view part : split(name, '.')) {
            found = found->FindComponent(part);
            if (!found) return nullptr;
        }
        return found;
    }

    void resolve_references() {
        for (const Reference& r : references_) {
            TComponent* target = find_reference(r.name);
            if (!target) LayoutLexer::fail(r.at, "Component " + r.name + " not found");
            try {
                r.property->set_component(*r.instance, target);
            } catch (const EInvalidCast&) {
                invalid_value(r.at, *r.property);
            }
        }
    }

    // Frees what this read made and takes the others out of the loading state.
    void undo() {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
            std::erase(loaded_, *it);
            root_->RemoveComponent(*it);
        }
        for (TComponent* c : loaded_) {
            c->state_.exclude(csLoading);
            c->state_.exclude(csReading);
        }
    }

    LayoutLexer lexer_;
    LayoutToken token_;
    TComponent* root_ = nullptr;
    std::vector<TComponent*> loaded_;
    std::vector<TComponent*> created_;
    std::vector<Reference> references_;
    std::vector<const TCollection*> collections_;
};

void ReadLayout(std::string_view text, TComponent& root) { LayoutReader(text).read(root); }

std::unique_ptr<TComponent> CreateFromLayout(std::string_view text) {
    std::unique_ptr<TComponent> root = LayoutReader::CreateRoot(text);
    ReadLayout(text, *root);
    return root;
}

}  // namespace korvane
