#!/bin/sh
# Regenerates both tables and compares them byte for byte with the committed ones.
# Usage: check.sh FONTGEN FONTDIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/generate.sh" "$1" "$work" || exit $?
cmp "$work/ASC16" "$2/ASC16"
cmp "$work/HZK16" "$2/HZK16"
echo "ASC16 and HZK16 match the regenerated tables"
