#!/usr/bin/env bash
# Rebuilds utils/locale/charset_table.cpp from charsets.tsv with the host's ICU
# (Debian's libicu-dev). The output is committed, so the cross builds never
# need a host compiler; run this after changing charsets.tsv or the generator.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -std=c++17 -Wall -o "$work/gen_charset_table" "$here/gen_charset_table.cpp" \
  $(pkg-config --cflags --libs icu-uc icu-i18n)
"$work/gen_charset_table" "$here/charsets.tsv" > "$work/charset_table.cpp"
mv "$work/charset_table.cpp" "$root/utils/locale/charset_table.cpp"
echo "wrote utils/locale/charset_table.cpp"
