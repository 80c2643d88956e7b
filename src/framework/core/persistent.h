#pragma once
// The roots of the class tree.
//
// TObject: every framework class; gives the class name (ClassName), which the
// Windows side also uses as the window class name of forms and controls.
//
// TPersistent: an object whose state can be copied (Assign) and kept in a
// stored layout (Properties, see properties.h). Assign(source) asks the
// source to copy itself into this object (AssignTo); when neither side knows
// the other, it fails with EConvertError "Cannot assign a <source> to a
// <target>" ("nil" for a null source). A class that copies from another
// overrides Assign and calls TPersistent::Assign for sources it does not know.

#include <string_view>

namespace korvane {

class PropertyTable;

class TObject {
public:
    virtual ~TObject() = default;
    virtual std::string_view ClassName() const { return "TObject"; }

protected:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
};

class TPersistent : public TObject {
public:
    std::string_view ClassName() const override { return "TPersistent"; }

    virtual void Assign(const TPersistent* source);

    // The published and binary properties of this object's class, the base
    // class's first. A class with properties of its own overrides this and
    // builds its table once from the base's (see PropertyBuilder).
    virtual const PropertyTable& Properties() const;

protected:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;

    // Copies this object into target; the default fails with the cannot-assign error.
    virtual void AssignTo(TPersistent& target) const;
};

}  // namespace korvane
