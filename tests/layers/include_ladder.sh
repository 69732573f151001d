#!/bin/bash
# Fails, naming file and line, when an #include in platform/, vok/ or
# programs/ runs against the ladder: a folder includes only its own folder
# and those below it on its ladder; platform/ never includes vok/; only
# programs include the public header vok/vok.h. A folder that is on no
# ladder fails too, so that a new one gets its place in ladder.sh and README.md.
# Usage: include_ladder.sh [source root]
source "$(dirname "$0")/ladder.sh"
cd "${1:-$(dirname "$0")/../..}" || exit 2

{
  find platform vok -mindepth 2 \( -name '*.cpp' -o -name '*.h' \) | sed 's/$/:0:/'
  grep -rn -E '^\s*#\s*include\s*"' platform vok programs --include='*.cpp' --include='*.h'
} | awk -F: -v pl="$platform_ladder" -v vl="$vok_ladder" '
  BEGIN {
    n = split(pl, a, " "); for (i = 1; i <= n; i++) rung["platform/" a[i]] = i
    n = split(vl, a, " "); for (i = 1; i <= n; i++) rung["vok/" a[i]] = i
  }
  # folder of a path: tree/first folder; "" for programs/ and vok/vok.h
  function folder(p,   parts, k) {
    k = split(p, parts, "/")
    if (parts[1] == "programs" || k < 3) return ""
    return parts[1] "/" parts[2]
  }
  {
    file = $1; line = $2
    from = folder(file)
    if (from == "") next
    if (!(from in rung)) {
      if (!(from in reported)) print from ": a folder on no ladder (tests/layers/ladder.sh)"
      reported[from] = 1; bad = 1; next
    }
    if (line == 0) next
    match($0, /"[^"]+"/); inc = substr($0, RSTART + 1, RLENGTH - 2)
    to = folder(inc); why = ""
    if (inc == "vok/vok.h") why = "only programs include the public header"
    else if (!(to in rung)) next
    else if (from ~ /^platform/ && to ~ /^vok/) why = "platform/ includes vok/"
    else if (substr(from, 1, 3) == substr(to, 1, 3) && rung[to] > rung[from]) why = to " is above " from
    if (why != "") { print file ":" line ": #include \"" inc "\": " why; bad = 1 }
  }
  END {
    if (!bad) print "include ladder: every include points down"
    exit bad
  }'
