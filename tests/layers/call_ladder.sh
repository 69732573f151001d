#!/bin/bash
# Fails when an object file of the libraries uses a function or variable
# defined in a higher folder of its ladder (or platform/ uses vok/), naming
# the source file and the symbol. Includes alone miss such calls (a lower
# header may declare what a higher folder defines); a lower folder reaches
# a higher one only through a hook variable of its own.
# Usage: call_ladder.sh SOURCE_ROOT BUILD_DIR
source "$(dirname "$0")/ladder.sh"
root=$1 build=$2
cd "$build" || exit 2

# "tree folder source object" for every object whose source still exists
objects() {
  find platform/CMakeFiles/vokplatform.dir vok/CMakeFiles/vok.dir -name '*.o' 2>/dev/null | while read -r o; do
    tree=${o%%/*}
    rel=${o#*.dir/}
    [ -f "$root/$tree/${rel%.o}" ] && echo "$tree ${rel%%/*} $tree/${rel%.o} $o"
  done
}

list=$(objects)
[ -n "$list" ] || { echo "call ladder: no objects under $build"; exit 2; }
objs=$(awk '{print $4}' <<<"$list")
{
  echo "$list" | awk '{print "O", $4, $1, $2, $3}'
  nm -A --defined-only -g $objs | awk '$(NF-1) ~ /^[TDBRVWu]$/ {sub(/:.*/, "", $1); print "D", $1, $NF}'
  nm -A -u $objs | awk '{sub(/:.*/, "", $1); print "U", $1, $NF}'
} | awk -v pl="$platform_ladder" -v vl="$vok_ladder" '
  BEGIN {
    n = split(pl, a, " "); for (i = 1; i <= n; i++) rung["platform " a[i]] = i
    n = split(vl, a, " "); for (i = 1; i <= n; i++) rung["vok " a[i]] = i
  }
  # O object tree folder source | D object symbol | U object symbol
  $1 == "O" { folderOf[$2] = $3 " " $4; source[$2] = $5; next }
  $1 == "D" { where[$3] = folderOf[$2]; next }
  { uses[++u] = $2 " " $3 }
  END {
    for (i = 1; i <= u; i++) {
      split(uses[i], x, " ")
      if (!(x[2] in where)) continue
      from = folderOf[x[1]]; to = where[x[2]]
      split(from, f, " "); split(to, t, " ")
      if (!(from in rung) || !(to in rung)) continue
      if ((f[1] == "platform" && t[1] == "vok") || (f[1] == t[1] && rung[to] > rung[from])) {
        cmd = "c++filt " x[2]; cmd | getline name; close(cmd)
        print source[x[1]] ": uses " name " of " t[1] "/" t[2] ", above " f[1] "/" f[2]
        bad = 1
      }
    }
    if (!bad) print "call ladder: every call points down"
    exit bad
  }'
