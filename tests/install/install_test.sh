#!/usr/bin/env bash
# install_test.sh SRC BUILD: installs into a temporary prefix, checks it, builds an
# example outside the tree with pkg-config and with find_package, runs both headless.
set -euo pipefail
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }
P=$tmp/prefix
cmake --install "$2" --prefix "$P" >/dev/null
[ "$(ls "$P/include")" = vok ] || fail "P/include holds more than vok/: $(ls "$P/include" | tr '\n' ' ')"
for page in sheetgraph contourgraph surfacegraph; do
  warnings=$(groff -man -Tutf8 -ww -z "$P/share/man/man1/$page.1" 2>&1) && [ -z "$warnings" ] && [ -x "$P/bin/$page" ] ||
    fail "$page: not installed, or its manual page warns: $warnings"
done
export PKG_CONFIG_PATH=$P/lib/pkgconfig
read -r -a cflags <<<"$(pkg-config --cflags vok)"
read -r -a libs <<<"$(pkg-config --static --libs vok)"
echo '#include <vok/vok.h>' >"$tmp/alone.cpp"
g++ -std=c++17 -Wall -Wextra -pedantic -Werror -fsyntax-only "${cflags[@]}" "$tmp/alone.cpp" || fail "vok/vok.h alone"
g++ -std=c++17 -o "$tmp/pkgconfig-lissajous" "$src/examples/lissajous.cpp" "${cflags[@]}" "${libs[@]}" || fail "pkg-config build"
{ cmake -S "$src/tests/install/consumer" -B "$tmp/consumer" -DCMAKE_PREFIX_PATH="$P" -DVOK_PROGRAM="$src/examples/lissajous.cpp" &&
  cmake --build "$tmp/consumer"; } >"$tmp/consumer.log" 2>&1 || { cat "$tmp/consumer.log"; fail "find_package build"; }
printf '%s\n' 'check "EPS Save Graph" on' 'press "OK"' 'saveas "graph.eps"' 'click 600 400' 'check "Exit Graph" on' 'press "OK"' >"$tmp/script"
for exe in "$tmp/pkgconfig-lissajous" "$tmp/consumer/lissajous"; do
  rm -f "$tmp/graph.eps"
  (cd "$tmp" && HOME=$tmp VOK_DISPLAY=headless VOK_SCRIPT=script "$exe") || fail "$exe failed"
  head -c 10 "$tmp/graph.eps" | grep -q '^%!PS-Adobe' || fail "$exe wrote no EPS file"
done
