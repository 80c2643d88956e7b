#pragma once
// TFileStream: a file read and written at a position.
//
// Reads stop at the end of the file; writes go at the position, and a
// position beyond the end leaves a zero-filled gap. The file is closed when
// the stream is destroyed.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/file_handle.h"
#include "framework/core/stream.h"

namespace korvane {

enum TFileMode {
    fmCreate,  // created, or emptied when it exists; read and written
    fmOpenRead,
    fmOpenWrite,
    fmOpenReadWrite,
};

class TFileStream : public TStream {
public:
    static constexpr std::string_view kClassName = "TFileStream";

    // Fails with EFCreateError "Cannot create file "<path>". <reason>" for
    // fmCreate, EFOpenError "Cannot open file "<path>". <reason>" otherwise,
    // the reason being the system's text.
    TFileStream(const std::string& path, TFileMode mode);

    std::string_view ClassName() const override { return kClassName; }
    const std::string& FileName() const { return path_; }

    std::size_t Read(std::span<std::uint8_t> buffer) override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    // Returns -1, the position unchanged, when the system refuses the new
    // position (one before the start).
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    // Fails with "Stream read error" when the system cannot tell.
    std::int64_t Size() const override;
    // Fails with "Stream write error" when the file cannot take the size; a
    // position past the new end moves to it.
    void SetSize(std::int64_t size) override;

private:
    std::string path_;
    FileHandle file_;
};

}  // namespace korvane
