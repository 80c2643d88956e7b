#pragma once
// The font tables of data/fonts, compiled into the program (native builds;
// the Windows program carries the same bytes as resources 201 and 202).

#include "convert/font_tables.h"

namespace korvane {

FontTables embedded_font_tables();

}  // namespace korvane
