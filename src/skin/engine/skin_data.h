#pragma once
// Unit WinSkinData: TSkinData, the non-visual component an application drops
// on a form to skin its windows. It holds one skin package as bytes, reads it
// into a SkinModel (element records and colour scheme) and offers the records
// to every skinning object of the windows it serves.
//
// Packages come from a file (SkinFile), from a TSkinStore item, or from the
// component's own stored layout ("SkinStream"). A package the reader refuses
// leaves the component Empty with its earlier records in place; the skinning
// objects do not draw from an Empty component.
//
// The manager (one per process) drives the windows: it learns what changes
// here through the TSkinDataListener it installs. While an application runs,
// the first component that needs the manager makes it, so a component made in
// code works as one read from a layout does.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/memory_stream.h"
#include "framework/win/bitmap.h"
#include "framework/win/control.h"
#include "framework/win/gdi.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_options.h"

namespace korvane {

class TSkinData;
class TSkinStore;

// What the manager hears from every skin data component of the process.
class TSkinDataListener {
public:
    virtual ~TSkinDataListener() = default;
    // The component has finished loading from a stored layout (Active has
    // already been cleared when it holds no skin).
    virtual void SkinDataLoaded(TSkinData& data) = 0;
    // Active was written, outside layout loading.
    virtual void SkinDataActiveChanged(TSkinData& data) = 0;
    // A new skin was read into the records; the skinned windows re-read them.
    virtual void SkinDataChanged(TSkinData& data) = 0;
    // The component is going; its records are still valid during the call.
    virtual void SkinDataDestroying(TSkinData& data) = 0;
};

// Installs the listener (null: none) and returns the previous one.
TSkinDataListener* SetSkinDataListener(TSkinDataListener* listener);

using TOnFormSkin = std::function<void(TObject* sender, const std::string& aName, bool& DoSkin)>;

class TSkinData : public TComponent {
public:
    static constexpr std::string_view kClassName = "TSkinData";
    static constexpr std::string_view kSkinStoreText = "(none)";
    static constexpr std::int32_t kDefaultDisableTag = 99;

    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Published properties, in their stored order.
    bool Active() const { return active_; }
    // Stored; the listener (the manager) starts or stops skinning.
    void SetActive(bool value);
    std::int32_t DisableTag() const { return disable_tag_; }
    void SetDisableTag(std::int32_t value) { disable_tag_ = value; }
    TSkinControlTypes SkinControls() const { return skin_controls_; }
    void SetSkinControls(TSkinControlTypes value) { skin_controls_ = value; }
    const std::string& SkinFile() const { return skin_file_; }
    // Marks the component Empty and keeps the path; an existing file replaces
    // the package bytes and is loaded. A missing file changes nothing else.
    // A file that exists but cannot be read fails with the stream's error,
    // package and records kept.
    void SetSkinFile(const std::string& path);
    std::string SkinStore() const { return std::string(kSkinStoreText); }
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return skin_formtype_; }
    void SetSkinFormtype(TSkinFormType value) { skin_formtype_ = value; }

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;

    // Loads item `index` of the store; an index out of range does nothing.
    void LoadFromSkinStore(const TSkinStore& store, int index);
    // Replaces the package bytes and loads them. False, with Empty set and
    // the earlier records kept, when the package reader refuses them or they
    // do not expand (the reason is shown as the reader's notices are).
    bool LoadFromPackage(std::span<const std::uint8_t> package);

    // Whether a window of this class is to be skinned: OnFormSkin decides
    // when assigned (starting from True), IsFormClassSkinned otherwise.
    bool IsFormSkinned(const std::string& class_name);
    // Called by the manager after it has applied a change to the windows.
    void FireSkinChanged();

    // The skin: element records and colours. Consumers test Empty first.
    bool Empty() const { return skin_.Empty; }
    const SkinModel& Skin() const { return skin_; }
    const std::string& SkinName() const { return skin_.SkinName; }
    const SkinColours& Colours() const { return skin_.Colours; }
    // Counts the skins read: records of an earlier count are gone.
    std::uint64_t Generation() const { return generation_; }
    // The package bytes exactly as stored or read from file.
    const TMemoryStream& Package() const { return package_; }

    // A solid brush of Colours().ButtonFace, made at every load (null before).
    HBRUSH FaceBrush() const { return face_brush_.get(); }
    // Empty at creation; the first window that shows an icon button stores its
    // icon here for windows without one.
    TBitmap& IconImage() { return icon_image_; }
    // While set, skinned windows rebuild their menu bar on menu changes.
    bool MenuRefresh = true;

protected:
    void Loaded() override;

private:
    std::vector<std::uint8_t> WriteSkinStream() const;
    void ReadSkinStream(std::span<const std::uint8_t> stream);
    bool LoadPackage();
    void AnnounceChange();

    bool active_ = false;
    std::int32_t disable_tag_ = kDefaultDisableTag;
    TSkinControlTypes skin_controls_ = kDefaultSkinControls;
    std::string skin_file_;
    TSkinFormType skin_formtype_ = sfMainform;

    TMemoryStream package_;
    SkinModel skin_;
    std::uint64_t generation_ = 0;
    UniqueGdi<HBRUSH> face_brush_;
    TBitmap icon_image_;
};

}  // namespace korvane
