#include "framework/core/file_stream.h"

#include <gtest/gtest.h>

#include "base/file_io.h"
#include "base/file_io_testing.h"
#include "framework/core/errors.h"
#include "framework/core/memory_stream.h"

#ifdef _WIN32
#include <windows.h>

#include "base/win32_text.h"
#endif

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

Bytes read_all(TStream& s) {
    Bytes bytes(std::size_t(s.Size()));
    s.SetPosition(0);
    s.ReadBuffer(bytes);
    return bytes;
}

// The system's reason for a missing file and for a missing folder on the way.
std::string missing_file_reason() {
#ifdef _WIN32
    return win32::system_text(ERROR_FILE_NOT_FOUND);
#else
    return "No such file or directory";
#endif
}
std::string missing_folder_reason() {
#ifdef _WIN32
    return win32::system_text(ERROR_PATH_NOT_FOUND);
#else
    return "No such file or directory";
#endif
}

TEST(FileStream, WritesGoToTheFileByteForByteAndReadBack) {
    TempDir dir;
    std::string path = dir.file("page.bin");
    {
        TFileStream out(path, fmCreate);
        out.WriteBuffer(Bytes{0, 13, 10, 0x1A, 255});
        EXPECT_EQ(out.Position(), 5);
        EXPECT_EQ(out.Size(), 5);
    }
    EXPECT_EQ(read_bytes(path), std::string("\0\r\n\x1A\xFF", 5));

    TFileStream in(path, fmOpenRead);
    Bytes buffer(3);
    in.ReadBuffer(buffer);
    EXPECT_EQ(buffer, (Bytes{0, 13, 10}));
    EXPECT_EQ(in.Position(), 3);
    EXPECT_EQ(in.Write(Bytes{1}), 0u);  // opened for reading only
    EXPECT_EQ(read_bytes(path), std::string("\0\r\n\x1A\xFF", 5));
}

TEST(FileStream, CreateEmptiesAnExistingFileAndOpenWriteKeepsIt) {
    TempDir dir;
    std::string path = dir.file("page.bin");
    write_bytes(path, "old content");
    {
        TFileStream s(path, fmOpenWrite);
        EXPECT_EQ(s.Size(), 11);
        s.WriteBuffer(Bytes{'N', 'E', 'W'});
        Bytes buffer(1);
        EXPECT_EQ(s.Read(buffer), 0u);  // opened for writing only
    }
    EXPECT_EQ(read_bytes(path), "NEW content");
    {
        TFileStream s(path, fmCreate);
        EXPECT_EQ(s.Size(), 0);
        s.WriteBuffer(Bytes{'x'});
        EXPECT_EQ(read_all(s), (Bytes{'x'}));
    }
    EXPECT_EQ(read_bytes(path), "x");
}

TEST(FileStream, SeeksFromEachOriginAndReadsStopAtTheEnd) {
    TempDir dir;
    TFileStream s(dir.file("page.bin"), fmCreate);
    s.WriteBuffer(Bytes{1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s.Seek(2, soBeginning), 2);
    EXPECT_EQ(s.Seek(1, soCurrent), 3);
    EXPECT_EQ(s.Seek(-1, soCurrent), 2);
    EXPECT_EQ(s.Seek(-2, soEnd), 4);
    Bytes buffer(4, 0xEE);
    EXPECT_EQ(s.Read(buffer), 2u);
    EXPECT_EQ(buffer, (Bytes{5, 6, 0xEE, 0xEE}));
    EXPECT_EQ(s.Read(buffer), 0u);
    EXPECT_EQ(s.Seek(-1, soBeginning), -1);  // before the start: refused
    EXPECT_EQ(s.Position(), 6);
    s.SetPosition(4);
    try {
        s.ReadBuffer(buffer);
        FAIL() << "read past the end";
    } catch (const EReadStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(FileStream, WritesBeyondTheEndLeaveAZeroGap) {
    TempDir dir;
    TFileStream s(dir.file("page.bin"), fmCreate);
    s.WriteBuffer(Bytes{1});
    EXPECT_EQ(s.Seek(2, soEnd), 3);
    s.WriteBuffer(Bytes{7});
    EXPECT_EQ(read_all(s), (Bytes{1, 0, 0, 7}));
}

TEST(FileStream, SetSizeCutsAndZeroExtends) {
    TempDir dir;
    std::string path = dir.file("page.bin");
    TFileStream s(path, fmCreate);
    s.WriteBuffer(Bytes{1, 2, 3, 4, 5});
    s.SetPosition(2);
    s.SetSize(8);
    EXPECT_EQ(s.Position(), 2);  // inside the new size: kept
    EXPECT_EQ(read_all(s), (Bytes{1, 2, 3, 4, 5, 0, 0, 0}));
    s.SetSize(3);
    EXPECT_EQ(s.Position(), 3);  // past the new end: moved to it
    EXPECT_EQ(s.Size(), 3);
    EXPECT_EQ(read_all(s), (Bytes{1, 2, 3}));
    try {
        s.SetSize(-1);
        FAIL() << "negative size";
    } catch (const EWriteStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
}

TEST(FileStream, CopiesToAndFromMemoryStreams) {
    TempDir dir;
    TMemoryStream memory;
    memory.WriteBuffer(Bytes{4, 5, 6, 7});
    memory.SetPosition(3);
    TFileStream file(dir.file("page.bin"), fmCreate);
    file.WriteBuffer(Bytes{9});
    EXPECT_EQ(file.CopyFrom(memory, 0), 4);  // all of it, from its start
    EXPECT_EQ(memory.Position(), 4);
    EXPECT_EQ(file.Position(), 5);
    EXPECT_EQ(read_all(file), (Bytes{9, 4, 5, 6, 7}));

    file.SetPosition(1);
    TMemoryStream back;
    back.WriteBuffer(Bytes{1});
    EXPECT_EQ(back.CopyFrom(file, 3), 3);
    EXPECT_EQ(file.Position(), 4);
    EXPECT_EQ(back.Memory().size(), 4u);
    EXPECT_EQ(Bytes(back.Memory().begin(), back.Memory().end()), (Bytes{1, 4, 5, 6}));

    file.SetPosition(3);
    EXPECT_THROW(back.CopyFrom(file, 3), EReadStreamError);  // only 2 left
    EXPECT_EQ(back.Size(), 4);
}

TEST(FileStream, CopiesLargerThanOnePieceWholeAndOntoItself) {
    TempDir dir;
    Bytes pattern(200000);
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = std::uint8_t(i * 7 + i / 251);
    TMemoryStream memory;
    memory.WriteBuffer(pattern);
    TFileStream file(dir.file("page.bin"), fmCreate);
    EXPECT_EQ(file.CopyFrom(memory, 0), std::int64_t(pattern.size()));
    EXPECT_EQ(read_all(file), pattern);
    EXPECT_EQ(file.CopyFrom(file, 0), std::int64_t(pattern.size()));
    Bytes doubled = pattern;
    doubled.insert(doubled.end(), pattern.begin(), pattern.end());
    EXPECT_EQ(file.Position(), std::int64_t(doubled.size()));
    EXPECT_EQ(read_all(file), doubled);
}

TEST(FileStream, AMissingFileCannotBeOpened) {
    TempDir dir;
    std::string path = dir.file("missing.txt");
    for (TFileMode mode : {fmOpenRead, fmOpenWrite, fmOpenReadWrite}) {
        try {
            TFileStream s(path, mode);
            FAIL() << "opened a missing file in mode " << mode;
        } catch (const EFOpenError& e) {
            EXPECT_EQ(std::string(e.what()), cannot_open_message(path, missing_file_reason()));
        }
    }
#ifndef _WIN32
    EXPECT_EQ(cannot_open_message(path, missing_file_reason()),
              "Cannot open file \"" + path + "\". No such file or directory");
#endif
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(FileStream, AFileInAMissingFolderCannotBeCreated) {
    TempDir dir;
    std::string path = dir.file("no-folder/page.bin");
    try {
        TFileStream s(path, fmCreate);
        FAIL() << "created a file in a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), cannot_create_message(path, missing_folder_reason()));
#ifndef _WIN32
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + path + "\". No such file or directory");
#endif
    }
}

TEST(FileStream, AFolderIsNoFileToOpen) {
    TempDir dir;
    std::string path = dir.path().string();
    EXPECT_THROW(TFileStream(path, fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(path, fmCreate), EFCreateError);
}

TEST(FileStream, Utf8NamesNameTheFile) {
    TempDir dir;
    std::string path = (dir.path() / "").string() + "\xE6\x96\x87\xE6\x9C\xAC.bin";  // 文本.bin
    {
        TFileStream s(path, fmCreate);
        s.WriteBuffer(Bytes{'o', 'k'});
    }
    EXPECT_TRUE(std::filesystem::exists(dir.path() / std::u8string(u8"\u6587\u672C.bin")));
    TFileStream s(path, fmOpenReadWrite);
    EXPECT_EQ(read_all(s), (Bytes{'o', 'k'}));
}

}  // namespace
}  // namespace korvane
