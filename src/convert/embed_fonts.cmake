# Writes a C++ source holding the bytes of data/fonts/ASC16 and HZK16.
# cmake -DFONT_DIR=... -DOUTPUT=... -P embed_fonts.cmake
function(byte_array name file out)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" length)
  math(EXPR size "${length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  set(${out} "alignas(4) const unsigned char ${name}[${size}] = {\n${bytes}};\n" PARENT_SCOPE)
endfunction()

byte_array(kAsc16Bytes ${FONT_DIR}/ASC16 asc16)
byte_array(kHzk16Bytes ${FONT_DIR}/HZK16 hzk16)
file(WRITE ${OUTPUT}.tmp "// Generated from data/fonts by embed_fonts.cmake.
#include \"convert/embedded_fonts.h\"

namespace korvane {
namespace {
${asc16}
${hzk16}
}  // namespace

FontTables embedded_font_tables() { return {kAsc16Bytes, kHzk16Bytes}; }

}  // namespace korvane
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
