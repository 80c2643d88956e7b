#pragma once
// The conversion itself: a text file to a BMP file, made as it is written.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/file_io.h"
#include "convert/font_tables.h"
#include "convert/line_reader.h"
#include "convert/page_image.h"
#include "convert/page_layout.h"
#include "convert/page_strips.h"

namespace korvane {

// Fills a buffer with the next bytes of a text, fewer only at its end.
using TextSource = std::function<std::size_t(std::span<char> buffer)>;

// Reads the lines of a text to its end, with the page bound in view: as soon
// as the lines read so far make a page too large for a BMP file, the reading
// stops and the text is refused ("The page of at least W x H pixels is too
// large for a BMP file"). `size_hint` is the size expected, 0 if unknown.
TextLines read_text_lines(const TextSource& source, std::uint64_t size_hint);

// Refuses (with "Cannot create file ...") a target that is the source itself.
void refuse_source_as_target(const std::string& source, const std::string& target);

// Reads the source and writes the BMP file of its page at target as the page
// is drawn; the target is replaced only once the file is complete, and is
// left as it was on any failure. Returns the lines, from which a preview can
// draw the page. Errors carry the texts the user is shown; running out of
// memory is "Out of system resources".
TextLines convert_text_file(const std::string& source, const std::string& target,
                            const FontTables& fonts, const ProgressCallback& progress = {});

}  // namespace korvane
