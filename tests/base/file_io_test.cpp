#include "base/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/error.h"
#include "base/file_io_testing.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace korvane {
namespace {

using testing::message_of;
using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

std::span<const std::uint8_t> as_bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(FileIoMessages, ReadErrorsAreNamedByCode) {
    EXPECT_EQ(read_error_message(2), "File not found");
    EXPECT_EQ(read_error_message(3), "Invalid filename");
    EXPECT_EQ(read_error_message(4), "Too many open files");
    EXPECT_EQ(read_error_message(5), "File access denied");
    EXPECT_EQ(read_error_message(100), "Read beyond end of file");
    EXPECT_EQ(read_error_message(101), "Disk full");
    EXPECT_EQ(read_error_message(106), "Invalid numeric input");
    EXPECT_EQ(read_error_message(32), "I/O error 32");
    EXPECT_EQ(read_error_message(0), "I/O error 0");
}

TEST(FileIoMessages, CannotCreateDropsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(cannot_create_message("C:\\out\\a.bmp", "Access is denied.\r\n"),
              "Cannot create file \"C:\\out\\a.bmp\". Access is denied");
    EXPECT_EQ(cannot_create_message("/x", "Read-only file system. . "),
              "Cannot create file \"/x\". Read-only file system");
    EXPECT_EQ(cannot_create_message("/x", "v1.2 failed"), "Cannot create file \"/x\". v1.2 failed");
    EXPECT_EQ(cannot_create_message("/x", ""), "Cannot create file \"/x\". ");
}

TEST(FileIoMessages, CannotOpenDropsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(cannot_open_message("C:\\in\\a.txt",
                                  "The system cannot find the file specified.\r\n"),
              "Cannot open file \"C:\\in\\a.txt\". The system cannot find the file specified");
    EXPECT_EQ(cannot_open_message("/x", "Permission denied"),
              "Cannot open file \"/x\". Permission denied");
}

TEST(FileIoRead, ReadsEveryByteOfTheFile) {
    TempDir dir;
    std::string content("a\0b\x1A\r\n\xFF", 7);
    write_bytes(dir.file("in.txt"), content);
    write_bytes(dir.file("empty.txt"), "");
    EXPECT_EQ(read_file(dir.file("in.txt")), content);
    EXPECT_EQ(read_file(dir.file("empty.txt")), "");
}

TEST(FileIoRead, FailuresCarryTheReaderTexts) {
    TempDir dir;
    EXPECT_EQ(message_of([&] { read_file(dir.file("missing.txt")); }), "File not found");
    EXPECT_EQ(message_of([&] { read_file(dir.path().string()); }), "File access denied");
    EXPECT_EQ(message_of([&] { read_file(dir.file("no-folder/in.txt")); }),
#ifdef _WIN32
              "Invalid filename");  // ERROR_PATH_NOT_FOUND
#else
              "File not found");
#endif
}

TEST(FileIoReplace, CommitReplacesTheTargetAndLeavesNoTemporaryFile) {
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "old content that is longer");
    write_file_replacing(dir.file("out.bmp"), as_bytes("new"));
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "new");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});

    ReplacingFile file(dir.file("fresh.bmp"));
    file.write(as_bytes("ab"));
    file.write(as_bytes("cd"));
    file.commit();
    EXPECT_EQ(read_bytes(dir.file("fresh.bmp")), "abcd");
}

TEST(FileIoReplace, AnUncommittedFileLeavesTheTargetUntouched) {
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "old");
    {
        ReplacingFile file(dir.file("out.bmp"));
        file.write(as_bytes("partial"));
    }
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "old");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});
}

TEST(FileIoReplace, AMissingFolderGivesCannotCreateWithTheSystemText) {
    TempDir dir;
    std::string target = dir.file("no-folder/out.bmp");
    std::string message = message_of([&] { write_file_replacing(target, as_bytes("x")); });
#ifdef _WIN32
    EXPECT_EQ(message.rfind("Cannot create file \"" + target + "\". ", 0), 0u) << message;
    EXPECT_GT(message.size(), target.size() + 23);
    EXPECT_NE(message.back(), '.');
#else
    EXPECT_EQ(message, "Cannot create file \"" + target + "\". No such file or directory");
#endif
}

TEST(FileIoReplace, AFolderInTheTargetsPlaceIsNotReplaced) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("out.bmp"));
    std::string message =
        message_of([&] { write_file_replacing(dir.file("out.bmp"), as_bytes("x")); });
    EXPECT_EQ(message.rfind("Cannot create file \"" + dir.file("out.bmp") + "\". ", 0), 0u)
        << message;
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("out.bmp")));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});
}

TEST(FileIoNames, Utf8PathsNameTheFileInTheFileSystem) {
    TempDir dir;
    std::string path = (dir.path() / "").string() + "\xE6\x96\x87\xE6\x9C\xAC.bmp";  // 文本.bmp
    write_file_replacing(path, as_bytes("x"));
    EXPECT_EQ(read_file(path), "x");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / std::u8string(u8"\u6587\u672C.bmp")));
}

TEST(FileIoTempNames, StayInTheTargetsFolder) {
    EXPECT_EQ(detail::temp_path_for("/data/out.bmp", 42, 0), "/data/.out.bmp.42-0.tmp");
    EXPECT_EQ(detail::temp_path_for("C:\\pics\\a.bmp", 7, 3), "C:\\pics\\.a.bmp.7-3.tmp");
    EXPECT_EQ(detail::temp_path_for("a.bmp", 1, 1), ".a.bmp.1-1.tmp");
}

#ifndef _WIN32
TEST(FileIoReplace, AFailedWriteKeepsThePreviousFileWhole) {
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "previous picture");
    std::string big(64 * 1024, 'x');
    std::string message;
    {
        testing::FileSizeLimit limit(4096);
        message = message_of([&] { write_file_replacing(dir.file("out.bmp"), as_bytes(big)); });
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "previous picture");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});
}

TEST(FileIoReplace, ALinkedTargetIsReplacedThroughTheLink) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("real"));
    write_bytes(dir.file("real/out.bmp"), "old");
    std::filesystem::create_symlink("real/out.bmp", dir.file("link.bmp"));
    write_file_replacing(dir.file("link.bmp"), as_bytes("new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.bmp")));
    EXPECT_EQ(read_bytes(dir.file("real/out.bmp")), "new");
}

TEST(FileIoReplace, AReplacedFileKeepsItsPermissions) {
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "old");
    std::filesystem::permissions(dir.file("out.bmp"), std::filesystem::perms(0640));
    write_file_replacing(dir.file("out.bmp"), as_bytes("new"));
    struct stat info {};
    ASSERT_EQ(stat(dir.file("out.bmp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}
#endif

}  // namespace
}  // namespace korvane
