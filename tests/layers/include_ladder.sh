#!/bin/bash
# Fails, naming file and line, when an #include in platform/, vok/ or
# programs/ runs against the ladder: a folder includes only its own rung and
# the rungs below it; platform/ never includes vok/. Folders on one rung
# (frame and console: the start-up subsystem) may include each other.
# Usage: include_ladder.sh [source root]
root=${1:-$(dirname "$0")/../..}
cd "$root" || exit 2

platform_ladder=(base gfx font file event script wm display nav print)
vok_ladder=(util "frame console" draw plot params graph contour surface output)

# rung NAME LADDER... -> index, or nothing when the folder is not on the ladder
rung() {
  local name=$1 i=0 r
  shift
  for r in "$@"; do
    for f in $r; do [ "$f" = "$name" ] && echo $i && return; done
    i=$((i + 1))
  done
}

# layer and rung of a path: "platform 3", "vok 2", "top" (programs/, vok/vok.h)
place() {
  local p=$1 tree folder
  tree=${p%%/*}
  folder=$(echo "$p" | cut -d/ -f2)
  case $tree in
    programs) echo top ;;
    platform) echo "platform $(rung "$folder" "${platform_ladder[@]}")" ;;
    vok) [[ $p == vok/*/* ]] && echo "vok $(rung "$folder" "${vok_ladder[@]}")" || echo top ;;
    *) echo other ;;
  esac
}

status=0
while IFS= read -r file; do
  read -r ftree frung <<<"$(place "$file")"
  if [ "$ftree" != top ] && [ -z "$frung" ]; then
    echo "$file: folder $(echo "$file" | cut -d/ -f1-2) is not on the ladder (tests/layers/include_ladder.sh)"
    status=1
    continue
  fi
  while IFS=: read -r line inc; do
    read -r itree irung <<<"$(place "$inc")"
    [ "$ftree" = top ] || [ "$itree" = other ] && continue
    bad=""
    if [ "$ftree" = platform ] && [ "$itree" = vok ]; then bad="platform/ includes vok/"
    elif [ "$itree" = top ]; then bad="only programs include the public header"
    elif [ "$ftree" = "$itree" ] && [ -n "$irung" ] && [ "$irung" -gt "$frung" ]; then bad="a lower folder includes a higher one"
    fi
    if [ -n "$bad" ]; then
      echo "$file:$line: #include \"$inc\": $bad"
      status=1
    fi
  done < <(grep -n -E '^\s*#\s*include\s*"' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)".*/\1:\2/')
done < <(find platform vok programs -name '*.cpp' -o -name '*.h' | sort)
[ $status = 0 ] && echo "include ladder: all includes point down"
exit $status
