#!/bin/sh
# Reading skin definitions of 4,000 and 40,000 title-bar button sections: the
# time should grow with the size (a ratio near 10), not with its square.
set -eu
"$1/bin/skin_definition_bench" 4000 40000
