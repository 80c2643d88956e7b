#include "skin/engine/skin_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/skin_store.h"
#include "skin/engine/registration.h"
#include "skinpack/archive_writer.h"
#include "skinpack/lzh_encoder.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kDefaultSkin = KORVANE_TEST_DATA "/../../data/skins/default.skn";

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A package holding only a definition.
Bytes Package(std::string_view definition) {
    const ArchiveMember members[] = {{"skin.ini", Text(definition)}};
    return PackSkin(members);
}

Bytes Refused() {
    const ArchiveMember members[] = {{"skin.ini", Text("[TitlebarSkin]\r\nSkinName=New\r\n")}};
    Bytes archive = WriteArchive(members);
    archive[0] = 0x21;  // format mark 20001: an older skin file
    return CompressLzh(archive);
}

Bytes bytes_of(const TMemoryStream& s) { return Bytes(s.Memory().begin(), s.Memory().end()); }

COLORREF brush_colour(HBRUSH brush) {
    LOGBRUSH logbrush{};
    EXPECT_EQ(GetObjectW(brush, sizeof logbrush, &logbrush), int(sizeof logbrush));
    EXPECT_EQ(logbrush.lbStyle, UINT(BS_SOLID));
    return logbrush.lbColor;
}

// Records what the manager would hear, and the reader's messages.
class Recorder : public TSkinDataListener {
public:
    Recorder() : previous_(SetSkinDataListener(this)) {
        previous_sink_ = SetSkinNoticeSink([this](const std::string& m) { log.push_back("notice " + m); });
    }
    ~Recorder() override {
        SetSkinDataListener(previous_);
        SetSkinNoticeSink(std::move(previous_sink_));
    }
    void SkinDataLoaded(TSkinData& d) override { log.push_back("loaded " + d.Name()); }
    void SkinDataActiveChanged(TSkinData& d) override {
        log.push_back(std::string("active ") + (d.Active() ? "true" : "false"));
    }
    void SkinDataChanged(TSkinData& d) override { log.push_back("changed " + d.SkinName()); }
    void SkinDataDestroying(TSkinData& d) override { log.push_back("destroying " + d.SkinName()); }

    std::vector<std::string> log;

private:
    TSkinDataListener* previous_;
    SkinNoticeSink previous_sink_;
};

TEST(SkinData, StartsEmptyWithItsPublishedDefaults) {
    TSkinData data(nullptr);
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls().mask(), 0x1FFFFu);
    EXPECT_EQ(data.SkinFile(), "");
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_EQ(data.SkinFormtype(), sfMainform);
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.MenuRefresh);
    EXPECT_TRUE(data.IconImage().Empty());
    EXPECT_EQ(data.FaceBrush(), nullptr);
    EXPECT_EQ(data.Package().Size(), 0);
}

TEST(SkinData, LoadingFromAStoreReadsTheSkinMakesTheFaceBrushAndAnnouncesIt) {
    Recorder recorder;
    TSkinStore store(nullptr);
    store.Store().Add().Data().WriteBuffer(Package(
        "[TitlebarSkin]\r\nSkinName=Blue\r\n[Colours]\r\nButtonFace=0,0,255\r\n[Colour1]\r\n"
        "color=1 2 3\r\n[COLOUR2]\r\ncolor=4,5,6\r\n"));
    store.Store().Items(0).Data().SetPosition(3);  // the whole package is taken, from its start
    TSkinData data(nullptr);
    data.LoadFromSkinStore(store, 1);
    data.LoadFromSkinStore(store, -1);
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(recorder.log.empty());

    data.LoadFromSkinStore(store, 0);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinName(), "Blue");
    EXPECT_EQ(data.Colours().ButtonFace, Color(0xFF0000));
    EXPECT_EQ(data.Colours().Menubar, Color(0xFF0000));
    EXPECT_EQ(data.Skin().ExtraColours, (std::vector<Color>{0x030201, 0x060504}));
    EXPECT_EQ(brush_colour(data.FaceBrush()), RGB(0, 0, 255));
    EXPECT_EQ(bytes_of(data.Package()), bytes_of(store.Store().Items(0).Data()));
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"changed Blue"}));
}

TEST(SkinData, ARefusedPackageLeavesEmptySetAndTheEarlierRecords) {
    Recorder recorder;
    TSkinData data(nullptr);
    ASSERT_TRUE(data.LoadFromPackage(Package("[TitlebarSkin]\r\nSkinName=Old\r\n")));
    const HBRUSH brush = data.FaceBrush();
    EXPECT_FALSE(data.LoadFromPackage(Refused()));
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.SkinName(), "Old");
    EXPECT_EQ(data.FaceBrush(), brush);
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"notice This is Older Skin File\rPlease update to new version !"}));
}

TEST(SkinData, SkinFileLoadsAnExistingFileAndOnlyMarksEmptyForAMissingOne) {
    Recorder recorder;
    TSkinData data(nullptr);
    data.SetSkinFile(kDefaultSkin);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinFile(), kDefaultSkin);
    EXPECT_EQ(data.SkinName(), "Korvane Indigo");
    EXPECT_EQ(data.Package().Size(), std::int64_t(std::filesystem::file_size(kDefaultSkin)));
    EXPECT_FALSE(data.Skin().BorderTop.Bitmap.empty());

    data.SetSkinFile(kDefaultSkin + ".missing");
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.SkinFile(), kDefaultSkin + ".missing");
    EXPECT_EQ(data.SkinName(), "Korvane Indigo");
    EXPECT_EQ(data.Package().Size(), std::int64_t(std::filesystem::file_size(kDefaultSkin)));
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"changed Korvane Indigo"}));
}

TEST(SkinData, TheFormSkinQuestionAsksTheHandlerFirst) {
    TSkinData data(nullptr);
    EXPECT_FALSE(data.IsFormSkinned("SysMonthCal32"));
    EXPECT_TRUE(data.IsFormSkinned("TForm1"));
    std::string asked;
    data.OnFormSkin = [&](TObject* sender, const std::string& name, bool& do_skin) {
        EXPECT_EQ(sender, &data);
        asked += name + (do_skin ? "=true;" : "=false;");
        if (name == "#32770") do_skin = false;
    };
    EXPECT_TRUE(data.IsFormSkinned("SysMonthCal32"));
    EXPECT_FALSE(data.IsFormSkinned("#32770"));
    EXPECT_EQ(asked, "SysMonthCal32=true;#32770=true;");

    int fired = 0;
    data.OnSkinChanged = [&](TObject* sender) { fired += sender == &data; };
    data.FireSkinChanged();
    EXPECT_EQ(fired, 1);
}

TEST(SkinData, StoredLayoutKeepsThePropertiesAndThePackageAsSkinStream) {
    RegisterSkinClasses();
    TSkinData data(nullptr);
    data.SetName("SkinData1");
    data.SetActive(true);
    data.SetDisableTag(7);
    data.SetSkinControls(TSkinControlTypes{xcMainMenu, xcTab});
    data.SetSkinFormtype(sfDialog);
    Recorder recorder;
    EXPECT_FALSE(data.LoadFromPackage(Bytes{1, 2}));  // kept, though it does not expand
    EXPECT_EQ(recorder.log, (std::vector<std::string>{
                                "notice LZH : Stream of 2 bytes is too short for its 4-byte size"}));
    EXPECT_EQ(WriteLayout(data),
              "object SkinData1: TSkinData\n"
              "  Active = True\n"
              "  DisableTag = 7\n"
              "  SkinControls = [xcMainMenu, xcTab]\n"
              "  SkinStore = '(none)'\n"
              "  SkinFormtype = sfDialog\n"
              "  SkinStream = {\n"
              "    020000000102}\n"
              "end\n");

    recorder.log.clear();
    const Bytes package = Package("[TitlebarSkin]\r\nSkinName=Stored\r\n");
    data.LoadFromPackage(package);
    std::unique_ptr<TComponent> read = CreateFromLayout(WriteLayout(data));
    auto& copy = static_cast<TSkinData&>(*read);
    EXPECT_FALSE(copy.Empty());
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.SkinName(), "Stored");
    EXPECT_EQ(bytes_of(copy.Package()), package);
    EXPECT_EQ(copy.DisableTag(), 7);
    EXPECT_EQ(copy.SkinFormtype(), sfDialog);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"loaded SkinData1"}));
}

TEST(SkinData, WithoutAStoredSkinLoadingClearsActive) {
    RegisterSkinClasses();
    Recorder recorder;
    std::unique_ptr<TComponent> read = CreateFromLayout(
        "object SkinData1: TSkinData\n  Active = True\n  SkinStream = {00000000}\nend\n");
    auto& data = static_cast<TSkinData&>(*read);
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"loaded SkinData1"}));
    data.SetActive(true);
    EXPECT_EQ(recorder.log.back(), "active true");
}

TEST(SkinData, ALyingSkinStreamCountIsRefusedAndTheEarlierSkinKept) {
    RegisterSkinClasses();
    Recorder recorder;
    TSkinData data(nullptr);
    data.LoadFromPackage(Package("[TitlebarSkin]\r\nSkinName=Kept\r\n"));
    const Bytes kept = bytes_of(data.Package());
    ReadLayout("object SkinData1: TSkinData\n  SkinStream = {FFFFFFFF0102}\nend\n", data);
    ReadLayout("object SkinData1: TSkinData\n  SkinStream = {100000000102}\nend\n", data);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinName(), "Kept");
    EXPECT_EQ(bytes_of(data.Package()), kept);
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{
                  "notice The skin stream announces -1 bytes of skin package but holds 2; the skin "
                  "is kept as it was",
                  "loaded SkinData1",
                  "notice The skin stream announces 16 bytes of skin package but holds 2; the skin "
                  "is kept as it was",
                  "loaded SkinData1"}));
}

TEST(SkinData, TheManagerHearsOfTheComponentGoingWhileItsRecordsAreValid) {
    Recorder recorder;
    {
        TSkinData data(nullptr);
        data.LoadFromPackage(Package("[TitlebarSkin]\r\nSkinName=Going\r\n"));
    }
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"destroying Going"}));
}

}  // namespace
}  // namespace korvane
