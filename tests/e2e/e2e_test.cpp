// Plays the tool's workflows on the real korvane.exe: every click, dialog,
// message box, title and written file as the user meets them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <thread>

#include "convert/bmp_writer.h"
#include "convert/converter.h"
#include "convert/embedded_fonts.h"
#include "desktop.h"
#include "screenshot.h"
#include "skin/data/skin_reader.h"
#include "skin/engine/win_skin_form.h"
#include "skin_check.h"
#include "tool_process.h"

namespace korvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kTitle = "文本转图片工具V1.0";

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The BMP file the converter library writes for these text bytes.
std::string converted(const std::string& text) {
    PageImage page = render_text_page(TextLines(text), embedded_font_tables());
    auto header = bmp_header(page);
    auto rows = page.bmp_rows();
    return std::string(header.begin(), header.end()) + std::string(rows.begin(), rows.end());
}

std::int32_t le32(const std::string& bytes, std::size_t at) {
    return std::int32_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8 |
                        std::uint8_t(bytes[at + 2]) << 16 | std::uint32_t(std::uint8_t(bytes[at + 3])) << 24);
}

class Tool : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("korvane-e2e-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        tool_ = std::make_unique<ToolProcess>(wine_path(KORVANE_EXE), folder_);
        ASSERT_TRUE(tool_->started());
        main_ = tool_->main_window();
        ASSERT_NE(main_, nullptr);
        // Button1 and Button2 read alike; the source's row is the upper one.
        auto choose = child_windows(main_, L"TButton");
        ASSERT_EQ(choose.size(), 2u) << describe_windows(tool_->id());
        choose_source_ = choose[0];
        choose_target_ = choose[1];
        auto convert = child_windows(main_, L"TBitBtn");
        ASSERT_EQ(convert.size(), 1u) << describe_windows(tool_->id());
        convert_ = convert[0];
        auto shown = child_windows(main_, L"TStaticText");
        ASSERT_EQ(shown.size(), 2u) << describe_windows(tool_->id());
        source_shown_ = shown[0];
        target_shown_ = shown[1];
    }

    void TearDown() override {
        tool_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    DWORD id() const { return tool_->id(); }
    fs::path file(const std::string& name) const { return folder_ / fs::path(widen(name)); }
    std::string in_folder(const std::string& name) const { return narrow(file(name).wstring()); }

    // Every window of the tool wears the skin: checked once it has painted,
    // and its picture kept.
    void screenshot(HWND window, const std::string& name) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(skinned_frame_fault(window), "") << name;
        fs::create_directories(fs::path(wine_path(KORVANE_SCREENSHOTS)));
        EXPECT_TRUE(save_screenshot(window, std::string(KORVANE_SCREENSHOTS) + "/" + name + ".png")) << name;
    }

    MessageBoxSeen wait_for_box(std::string_view caption) {
        HWND box = wait_for_top(id(), L"#32770", caption);
        return box ? read_message_box(box) : MessageBoxSeen{};
    }

    void answer(const MessageBoxSeen& box, std::string_view button) {
        press(box, button);
        EXPECT_TRUE(wait_until_closed(box.window)) << box.caption;
    }

    void choose_through(HWND button, std::string_view dialog_caption, const std::string& path) {
        click(button);
        HWND dialog = wait_for_top(id(), L"#32770", dialog_caption);
        ASSERT_NE(dialog, nullptr);
        choose_file(dialog, path);
        EXPECT_TRUE(wait_until_closed(dialog)) << "the " << dialog_caption << " dialog stayed open";
    }

    void choose_source(const std::string& path) { choose_through(choose_source_, "Open", path); }
    void choose_target(const std::string& path) { choose_through(choose_target_, "Save As", path); }

    fs::path folder_;
    std::unique_ptr<ToolProcess> tool_;
    HWND main_ = nullptr;
    HWND choose_source_ = nullptr, choose_target_ = nullptr, convert_ = nullptr;
    HWND source_shown_ = nullptr, target_shown_ = nullptr;
};

TEST(SkinCheck, TellsTheSystemFrameFromTheSkin) {
    HWND plain = CreateWindowExW(0, L"Static", L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 240, 160,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(skinned_frame_fault(plain), "no window region");
    SetWindowRgn(plain, CreateRectRgn(0, 0, 240, 160), TRUE);
    RedrawWindow(plain, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(skinned_frame_fault(plain).find("not a colour of the skin's left border"), std::string::npos)
        << skinned_frame_fault(plain);
    DestroyWindow(plain);
}

TEST(ToolWithoutFonts, SaysSoAndEnds) {
    fs::path folder = fs::temp_directory_path() / "korvane-e2e-without-fonts";
    fs::create_directories(folder);
    ToolProcess tool(wine_path(KORVANE_WITHOUT_FONTS_EXE), folder);
    ASSERT_TRUE(tool.started());
    HWND warning = wait_for_top(tool.id(), L"#32770", "Warning");
    ASSERT_NE(warning, nullptr);
    MessageBoxSeen box = read_message_box(warning);
    EXPECT_EQ(box.text, "无法加载资源!\n\r程序终止!");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    press(box, "OK");
    EXPECT_EQ(tool.wait_for_exit(10000), 0u) << "the tool did not end after the message";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

TEST(ToolWithDamagedSkin, SaysSoOnceAndWorksWithThePlainLook) {
    fs::path folder = fs::temp_directory_path() / "korvane-e2e-damaged-skin";
    fs::create_directories(folder);
    ToolProcess tool(wine_path(KORVANE_DAMAGED_SKIN_EXE), folder);
    ASSERT_TRUE(tool.started());
    HWND notice = wait_for_top(tool.id(), L"#32770", "Korvane");
    ASSERT_NE(notice, nullptr);
    MessageBoxSeen box = read_message_box(notice);
    EXPECT_EQ(box.text, kOlderSkinMessage);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(skinned_frame_fault(notice), "no window region");
    press(box, "OK");
    EXPECT_TRUE(wait_until_closed(notice));

    HWND main = tool.main_window();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(skinned_frame_fault(main), "no window region");
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_SKINQUERY, 0, 0, SMTO_BLOCK, 5000, &answer);
    EXPECT_EQ(answer, 0u) << "the main window must keep the plain look";
    // The tool works: converting without files gives its warning, and nothing else was said.
    auto convert = child_windows(main, L"TBitBtn");
    ASSERT_EQ(convert.size(), 1u);
    click(convert[0]);
    HWND warning = wait_for_top(tool.id(), L"#32770", "Warning");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(top_windows(tool.id(), L"#32770").size(), 1u) << describe_windows(tool.id());
    press(read_message_box(warning), "OK");
    EXPECT_TRUE(wait_until_closed(warning));
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

TEST_F(Tool, StartsWithItsTitleAndEmptyFileNamesAndWarnsWhenConvertingWithout) {
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
    RECT frame = window_rect(main_);
    EXPECT_EQ(frame.left, 250);
    EXPECT_EQ(frame.top, 115);
    SIZE client = client_size(main_);
    EXPECT_EQ(client.cx, 344);
    EXPECT_EQ(client.cy, 119);
    EXPECT_EQ(text_when(choose_source_, "选择"), "选择");
    EXPECT_EQ(text_when(choose_target_, "选择"), "选择");
    EXPECT_EQ(text_when(convert_, "开 始 转 换"), "开 始 转 换");
    EXPECT_EQ(text_when(source_shown_, ""), "");
    EXPECT_EQ(text_when(target_shown_, ""), "");
    screenshot(main_, "app-main-window");

    click(convert_);
    MessageBoxSeen box = wait_for_box("Warning");
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "请选择您要转换的TXT文件或目标文件!");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    screenshot(box.window, "app-warning");
    answer(box, "OK");
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
}

TEST_F(Tool, ConvertsChosenFilesDeclinesThenAcceptsThePreview) {
    const fs::path data = fs::path(wine_path(KORVANE_E2E_DATA));
    fs::copy_file(data / "poem.txt", file("poem.txt"));
    const std::string reference = read_bytes(data / "poem.bmp");
    ASSERT_GT(reference.size(), 62u);

    choose_source(in_folder("poem.txt"));
    EXPECT_EQ(text_when(source_shown_, "poem.txt"), "poem.txt");
    click(choose_source_);
    HWND open = wait_for_top(id(), L"#32770", "Open");
    ASSERT_NE(open, nullptr);
    screenshot(open, "app-open-dialog");
    cancel_dialog(open);
    EXPECT_TRUE(wait_until_closed(open));
    EXPECT_EQ(window_text(source_shown_), "poem.txt") << "cancelling must keep the source";
    choose_target(in_folder("页面"));
    EXPECT_EQ(text_when(target_shown_, "页面.bmp"), "页面.bmp");

    click(convert_);
    MessageBoxSeen ask = wait_for_box("Confirm");
    ASSERT_NE(ask.window, nullptr);
    EXPECT_EQ(ask.text, "转换成功！想预览吗？");
    EXPECT_EQ(ask.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    screenshot(ask.window, "app-confirm-preview");
    answer(ask, "&No");
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
    EXPECT_TRUE(read_bytes(file("页面.bmp")) == reference) << "页面.bmp differs from txt2bmp's poem.bmp";
    EXPECT_TRUE(top_windows(id(), L"TForm1").empty()) << "No must not show the preview";

    // The names stay set: converting again needs no new choice.
    fs::remove(file("页面.bmp"));
    click(convert_);
    ask = wait_for_box("Confirm");
    ASSERT_NE(ask.window, nullptr);
    answer(ask, "&Yes");
    HWND preview = wait_for_top(id(), L"TForm1", "图片预览(" + in_folder("页面.bmp") + ")");
    ASSERT_NE(preview, nullptr);
    // The page arrives after the window is shown; the window then fits it.
    wait_until([&] { return client_size(preview).cx == le32(reference, 18); });
    SIZE client = client_size(preview);
    EXPECT_EQ(client.cx, le32(reference, 18));
    EXPECT_EQ(client.cy, le32(reference, 22));
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
    EXPECT_TRUE(read_bytes(file("页面.bmp")) == reference);
    screenshot(preview, "app-preview");
}

TEST_F(Tool, TargetWithoutExtensionAsksBeforeOverwritingItsBmp) {
    write_bytes(file("a.bmp"), "not yet a picture");

    click(choose_target_);
    HWND dialog = wait_for_top(id(), L"#32770", "Save As");
    ASSERT_NE(dialog, nullptr);
    screenshot(dialog, "app-save-dialog");
    choose_file(dialog, in_folder("a"));
    MessageBoxSeen ask = wait_for_box("Confirm");
    ASSERT_NE(ask.window, nullptr);
    EXPECT_EQ(ask.text, "你想覆盖这个文件吗？ \n\r" + in_folder("a.bmp"));
    EXPECT_EQ(ask.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    screenshot(ask.window, "app-overwrite");
    answer(ask, "&No");

    // No keeps the dialog open; cancelling it leaves the target unchosen.
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "No closed the save dialog";
    cancel_dialog(dialog);
    EXPECT_TRUE(wait_until_closed(dialog));
    EXPECT_EQ(text_when(target_shown_, ""), "");

    click(choose_target_);
    dialog = wait_for_top(id(), L"#32770", "Save As");
    ASSERT_NE(dialog, nullptr);
    choose_file(dialog, in_folder("a"));
    ask = wait_for_box("Confirm");
    ASSERT_NE(ask.window, nullptr);
    answer(ask, "&Yes");
    EXPECT_TRUE(wait_until_closed(dialog));
    EXPECT_EQ(text_when(target_shown_, "a.bmp"), "a.bmp");
    EXPECT_EQ(read_bytes(file("a.bmp")), "not yet a picture") << "choosing must not write the file";
}

TEST_F(Tool, SourceDeletedAfterChoosingReportsFileNotFound) {
    write_bytes(file("gone.txt"), "soon gone\r\n");
    choose_source(in_folder("gone.txt"));
    choose_target(in_folder("gone.bmp"));
    fs::remove(file("gone.txt"));

    click(convert_);
    MessageBoxSeen error = wait_for_box("Korvane");
    ASSERT_NE(error.window, nullptr);
    EXPECT_EQ(error.text, "File not found.");
    EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
    screenshot(error.window, "app-error");
    answer(error, "OK");
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
    EXPECT_FALSE(fs::exists(file("gone.bmp")));
}

TEST_F(Tool, LargeFileShowsItsProgressInTheTitle) {
    std::string text;
    for (int line = 0; line < 40000; ++line)
        text += "Line " + std::to_string(line) + " \xD6\xD0\xCE\xC4 " + std::string(50, 'a' + line % 26) + "\r\n";
    write_bytes(file("large.txt"), text);
    choose_source(in_folder("large.txt"));
    choose_target(in_folder("large.bmp"));

    // The tool does not answer messages while it works; the title is read
    // from the window manager's copy.
    click(convert_);
    const std::regex progress("文本转图片工具V1\\.0\\(([0-9]+)%\\)");
    std::vector<std::string> titles;
    HWND ask = nullptr;
    auto deadline = std::chrono::steady_clock::now() + 180s;
    for (int round = 0; !ask && std::chrono::steady_clock::now() < deadline; ++round) {
        std::string title = window_text(main_);
        if (titles.empty() || titles.back() != title) titles.push_back(title);
        if (round % 16 == 0) {
            for (HWND w : top_windows(id(), L"#32770"))
                if (window_text(w) == "Confirm") ask = w;
        }
    }
    ASSERT_NE(ask, nullptr) << "the conversion did not finish";
    std::vector<int> seen;
    for (const std::string& title : titles) {
        std::smatch m;
        if (std::regex_match(title, m, progress)) {
            seen.push_back(std::stoi(m[1]));
        } else {
            EXPECT_EQ(title, kTitle) << "unexpected title during the conversion";
        }
    }
    ASSERT_GE(seen.size(), 3u) << "too few percentages seen in the title";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LE(seen.front(), 50);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(window_text(main_), kTitle + "(100%)");

    answer(read_message_box(ask), "&No");
    EXPECT_EQ(text_when(main_, kTitle), kTitle);
    EXPECT_TRUE(read_bytes(file("large.bmp")) == converted(text)) << "large.bmp differs from the converter's";
}

}  // namespace
}  // namespace korvane::e2e
