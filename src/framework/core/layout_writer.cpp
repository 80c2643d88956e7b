#include "framework/core/layout_writer.h"

#include "base/strings.h"
#include "framework/core/collection.h"
#include "framework/core/colors.h"
#include "framework/core/errors.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {

constexpr std::size_t kBytesPerLine = 32;

std::string quoted(std::string_view s) {
    if (s.empty()) return "''";
    std::string out;
    bool open = false;
    for (char c : s) {
        auto byte = std::uint8_t(c);
        if (byte < 0x20 || byte == 0x7F) {
            if (open) out += '\'';
            open = false;
            out += format("#%u", unsigned(byte));
            continue;
        }
        if (!open) out += '\'';
        open = true;
        out += c;
        if (c == '\'') out += '\'';
    }
    if (open) out += '\'';
    return out;
}

std::string member_name(const PropertyInfo& p, std::int64_t ordinal) {
    if (ordinal < 0 || std::size_t(ordinal) >= p.members.size())
        throw Error(format("Invalid property value of %.*s: %lld", int(p.name.size()), p.name.data(),
                           static_cast<long long>(ordinal)));
    return std::string(p.members[std::size_t(ordinal)]);
}

class LayoutWriter {
public:
    explicit LayoutWriter(const TComponent& root) : root_(root) {}

    std::string write() {
        write_component(root_, 0);
        return std::move(out_);
    }

private:
    void line(int depth, const std::string& text) {
        out_.append(std::size_t(depth) * 2, ' ');
        out_ += text;
        out_ += '\n';
    }

    void write_component(const TComponent& c, int depth) {
        std::string header = "object ";
        if (!c.Name().empty()) header += c.Name() + ": ";
        line(depth, header + std::string(c.ClassName()));
        write_properties(c, "", depth + 1);
        for (int i = 0; i < root_.ComponentCount(); ++i) {
            const TComponent* child = root_.Components(i);
            const TComponent* parent = child->GetParentComponent();
            if (parent == &c || (&c == &root_ && !parent)) write_component(*child, depth + 1);
        }
        line(depth, "end");
    }

    void write_properties(const TPersistent& instance, const std::string& prefix, int depth) {
        const PropertyTable& table = instance.Properties();
        for (const PropertyInfo& p : table.all())
            if (p.kind != PropertyKind::Binary && p.IsStored(instance)) write_property(instance, p, prefix, depth);
        for (const PropertyInfo& p : table.all())
            if (p.kind == PropertyKind::Binary && p.IsStored(instance)) write_binary(instance, p, prefix, depth);
    }

    void write_property(const TPersistent& instance, const PropertyInfo& p, const std::string& prefix, int depth) {
        std::string name = prefix + std::string(p.name);
        switch (p.kind) {
        case PropertyKind::Object:
            write_properties(*p.get_object(instance), name + ".", depth);
            return;
        case PropertyKind::Collection:
            write_collection(static_cast<const TCollection&>(*p.get_object(instance)), name, depth);
            return;
        case PropertyKind::String: line(depth, name + " = " + quoted(p.get_string(instance))); return;
        case PropertyKind::Component: line(depth, name + " = " + reference(*p.get_component(instance))); return;
        default: line(depth, name + " = " + ordinal_text(p, p.get_ordinal(instance))); return;
        }
    }

    static std::string ordinal_text(const PropertyInfo& p, std::int64_t value) {
        switch (p.kind) {
        case PropertyKind::Boolean: return value ? "True" : "False";
        case PropertyKind::Enumeration: return member_name(p, value);
        case PropertyKind::Set: {
            std::string text = "[";
            for (std::size_t bit = 0; bit < p.members.size(); ++bit) {
                if (!(value >> bit & 1)) continue;
                if (text.size() > 1) text += ", ";
                text += p.members[bit];
            }
            return text + "]";
        }
        case PropertyKind::Color:
            if (auto ident = ColorToIdent(Color(value))) return std::string(*ident);
            return format("$%08X", unsigned(value));
        default: return std::to_string(value);
        }
    }

    // A component of the root by its name; one of another owner as Owner.Name.
    std::string reference(const TComponent& target) const {
        if (&target == &root_ || target.Owner() == &root_ || !target.Owner()) return target.Name();
        return target.Owner()->Name() + "." + target.Name();
    }

    void write_collection(const TCollection& collection, const std::string& name, int depth) {
        if (collection.Count() == 0) {
            line(depth, name + " = <>");
            return;
        }
        line(depth, name + " = <");
        for (int i = 0; i < collection.Count(); ++i) {
            line(depth + 1, "item");
            write_properties(collection.Items(i), "", depth + 2);
            line(depth + 1, i + 1 == collection.Count() ? "end>" : "end");
        }
    }

    void write_binary(const TPersistent& instance, const PropertyInfo& p, const std::string& prefix, int depth) {
        std::vector<std::uint8_t> bytes = p.write_binary(instance);
        std::string name = prefix + std::string(p.name);
        if (bytes.empty()) {
            line(depth, name + " = {}");
            return;
        }
        line(depth, name + " = {");
        for (std::size_t at = 0; at < bytes.size(); at += kBytesPerLine) {
            std::string hex;
            for (std::size_t i = at; i < bytes.size() && i < at + kBytesPerLine; ++i)
                hex += format("%02X", unsigned(bytes[i]));
            if (at + kBytesPerLine >= bytes.size()) hex += '}';
            line(depth + 1, hex);
        }
    }

    const TComponent& root_;
    std::string out_;
};

}  // namespace

std::string WriteLayout(const TComponent& root) { return LayoutWriter(root).write(); }

}  // namespace korvane
