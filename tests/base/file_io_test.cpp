#include "base/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

#include "base/error.h"
#include "base/file_io_testing.h"

#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
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

TEST(FileIoTempNames, AreNoLongerThanALongTargetName) {
    std::string long_name(250, 'n');
    std::string temp = detail::temp_path_for("/data/" + long_name, 4294967295ul, 100);
    EXPECT_EQ(temp.size(), 6 + long_name.size());
    EXPECT_EQ(temp.rfind("/data/.nnn", 0), 0u);
    EXPECT_EQ(temp.substr(temp.size() - 19), ".4294967295-100.tmp");
    // A name of UTF-8 characters is cut between characters: 文 is three bytes.
    std::string chinese;
    for (int i = 0; i < 20; ++i) chinese += "\xE6\x96\x87";
    std::string cut = detail::temp_path_for(chinese, 12345, 0);
    EXPECT_LE(cut.size(), chinese.size());
    EXPECT_EQ((cut.size() - 1 - 12) % 3, 0u) << cut;  // "." + whole characters + ".12345-0.tmp"
    EXPECT_EQ(cut.substr(cut.size() - 12), ".12345-0.tmp");
}

TEST(FileIoReplace, ATargetWithALongNameIsReplaced) {
    TempDir dir;
    std::string target = dir.file(std::string(250, 'n') + ".bmp");  // 254 bytes: legal
    write_file_replacing(target, as_bytes("first"));
    write_file_replacing(target, as_bytes("second"));
    EXPECT_EQ(read_file(target), "second");
    EXPECT_EQ(dir.names().size(), 1u);
}

TEST(FileIoSameFile, NamesOfOneFileAreTheSame) {
    TempDir dir;
    write_bytes(dir.file("a.txt"), "a");
    write_bytes(dir.file("b.txt"), "a");
    EXPECT_TRUE(same_file(dir.file("a.txt"), dir.file("a.txt")));
    EXPECT_TRUE(same_file(dir.file("a.txt"), (dir.path() / "." / "a.txt").string()));
    EXPECT_FALSE(same_file(dir.file("a.txt"), dir.file("b.txt")));
    EXPECT_FALSE(same_file(dir.file("a.txt"), dir.file("missing.txt")));
    EXPECT_FALSE(same_file(dir.file("missing.txt"), dir.file("missing.txt")));
}

TEST(FileIoInput, ReadsInPiecesAndCountsWhatWasRead) {
    TempDir dir;
    write_bytes(dir.file("in.txt"), "0123456789");
    InputFile in(dir.file("in.txt"));
    EXPECT_EQ(in.size_hint(), 10u);
    char buffer[4];
    EXPECT_EQ(in.read(buffer), 4u);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(in.read(buffer), 4u);
    EXPECT_EQ(in.read(buffer), 2u);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(in.read(buffer), 0u);
    EXPECT_EQ(in.bytes_read(), 10u);
    EXPECT_EQ(message_of([&] { InputFile missing(dir.file("missing.txt")); }), "File not found");
}

#ifndef _WIN32
// Runs `action` in a child process as an ordinary user (nobody) when this
// process is root, so that permissions apply; returns the child's exit code.
int as_ordinary_user(const std::function<int()>& action) {
    pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0) {
            passwd* nobody = getpwnam("nobody");
            if (!nobody || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(99);
        }
        _exit(action());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileIoTargets, AWriteProtectedFileIsRefusedAndKept) {
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);  // the user may make files here
    write_bytes(dir.file("out.bmp"), "protected");
    std::filesystem::permissions(dir.file("out.bmp"), std::filesystem::perms(0444));
    std::string expected = cannot_create_message(dir.file("out.bmp"), "Permission denied");
    int result = as_ordinary_user([&] {
        std::string message = message_of([&] { write_file_replacing(dir.file("out.bmp"), as_bytes("new")); });
        return message == expected ? 0 : 1;
    });
    ASSERT_NE(result, 99) << "no ordinary user to run as";
    EXPECT_EQ(result, 0) << "the protected file was not refused with: " << expected;
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "protected");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});
}

TEST(FileIoTargets, AReplacedFileKeepsItsOwnerWhereTheProcessMayGiveIt) {
    if (getuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "old");
    passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chown(dir.file("out.bmp").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    std::filesystem::permissions(dir.file("out.bmp"), std::filesystem::perms(0444));
    write_file_replacing(dir.file("out.bmp"), as_bytes("new"));
    struct stat info {};
    ASSERT_EQ(stat(dir.file("out.bmp").c_str(), &info), 0);
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "new");
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_EQ(info.st_gid, nobody->pw_gid);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST(FileIoTargets, AFifoIsWrittenInPlace) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    // The reading end is open before the writing starts, and the bytes fit the
    // pipe's buffer: nothing waits.
    int reader = open(dir.file("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    write_file_replacing(dir.file("pipe"), as_bytes("through the pipe"));
    char buffer[64];
    ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, std::size_t(std::max<ssize_t>(got, 0))), "through the pipe");
    struct stat info {};
    ASSERT_EQ(lstat(dir.file("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"pipe"});
}

TEST(FileIoTargets, ADeviceIsWrittenInPlace) {
    TempDir dir;
    // A null device of the test's own, so that a fault replaces nothing of the system's.
    if (mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here (not root, or nodev): " << std::strerror(errno);
    write_file_replacing(dir.file("null"), as_bytes("gone"));
    struct stat info {};
    ASSERT_EQ(lstat(dir.file("null").c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, makedev(1, 3));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"null"});
}

TEST(FileIoTargets, ALinkToAPipeWritesIntoThePipe) {
    // What `ln -s /proc/self/fd/1 out` is when standard output is a pipe.
    TempDir dir;
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(ends[1]), dir.file("out.bmp"));
    write_file_replacing(dir.file("out.bmp"), as_bytes("to standard output"));
    ::close(ends[1]);
    char buffer[64];
    ssize_t got = ::read(ends[0], buffer, sizeof buffer);
    ::close(ends[0]);
    EXPECT_EQ(std::string(buffer, std::size_t(std::max<ssize_t>(got, 0))), "to standard output");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("out.bmp")));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.bmp"});
}

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
