#include <gtest/gtest.h>

#include <filesystem>

#include "framework/core/errors.h"
#include "framework/core/memory_stream.h"
#include "framework/core/string_list.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes contents(const TMemoryStream& s) { return Bytes(s.Memory().begin(), s.Memory().end()); }

TEST(MemoryStream, WritesGoAtThePositionAndFillGapsWithZeros) {
    TMemoryStream s;
    s.WriteBuffer(Bytes{1, 2, 3});
    s.SetPosition(1);
    s.WriteBuffer(Bytes{9});
    s.Seek(2, soEnd);
    s.WriteBuffer(Bytes{7});
    EXPECT_EQ(contents(s), (Bytes{1, 9, 3, 0, 0, 7}));
    EXPECT_EQ(s.Position(), 6);
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    EXPECT_EQ(contents(s), (Bytes{1, 9}));
}

TEST(MemoryStream, ReadsStopAtTheEndAndReadBufferInsistsOnAll) {
    TMemoryStream s;
    s.WriteBuffer(Bytes{1, 2, 3});
    s.Seek(-2, soCurrent);
    Bytes buffer(4, 0xEE);
    EXPECT_EQ(s.Read(buffer), 2u);
    EXPECT_EQ(buffer, (Bytes{2, 3, 0xEE, 0xEE}));
    EXPECT_EQ(s.Read(buffer), 0u);
    s.SetPosition(2);
    try {
        s.ReadBuffer(buffer);
        FAIL();
    } catch (const EReadStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    s.SetPosition(-1);
    EXPECT_EQ(s.Read(buffer), 0u);
    try {
        s.WriteBuffer(Bytes{1});
        FAIL();
    } catch (const EWriteStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
    s.SetPosition(TMemoryStream::kMaxSize);
    EXPECT_THROW(s.WriteBuffer(Bytes{1}), EWriteStreamError);
}

TEST(MemoryStream, CopyFromZeroTakesTheWholeSourceFromItsStart) {
    TMemoryStream source, target;
    source.WriteBuffer(Bytes{4, 5, 6});
    source.SetPosition(2);
    target.WriteBuffer(Bytes{1});
    EXPECT_EQ(target.CopyFrom(source, 0), 3);
    EXPECT_EQ(contents(target), (Bytes{1, 4, 5, 6}));
    EXPECT_EQ(source.Position(), 3);
    source.SetPosition(1);
    EXPECT_THROW(target.CopyFrom(source, 3), EReadStreamError);
    target.CopyFrom(target, 0);  // a stream copied onto itself doubles
    EXPECT_EQ(contents(target), (Bytes{1, 4, 5, 6, 1, 4, 5, 6}));
}

TEST(MemoryStream, FilesLoadAndSaveWhole) {
    auto dir = std::filesystem::temp_directory_path() / ("korvane_stream_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "bytes.bin").string();
    TMemoryStream out;
    out.WriteBuffer(Bytes{0, 13, 10, 255});
    out.SaveToFile(path);
    TMemoryStream in;
    in.WriteBuffer(Bytes{9, 9, 9, 9, 9});
    in.LoadFromFile(path);
    EXPECT_EQ(contents(in), (Bytes{0, 13, 10, 255}));
    EXPECT_EQ(in.Position(), 0);
    std::string missing = (dir / "missing.bin").string();
    try {
        in.LoadFromFile(missing);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". File not found");
    }
    std::string unwritable = (dir / "no such folder" / "bytes.bin").string();
    try {
        out.SaveToFile(unwritable);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + unwritable + "\". ", 0), 0u) << e.what();
    }
    std::filesystem::remove_all(dir);
}

TEST(StringList, TextSplitsAtEveryKindOfLineEnd) {
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour\r\n");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(2), "three");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    list.SetText("a\n\nb");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(1), "");
}

TEST(StringList, EditsAndLookups) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TStringList&) { ++changes; };
    list.Add("Alpha");
    list.Add("beta");
    list.Insert(0, "Zero");
    list.Delete(1);
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf("alpha"), -1);
    EXPECT_EQ(changes, 4);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    EXPECT_THROW(list.Strings(2), EListError);
    TStringList copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.Text(), "Zero\r\nbeta\r\n");
}

}  // namespace
}  // namespace korvane
