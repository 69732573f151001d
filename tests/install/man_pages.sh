#!/usr/bin/env bash
# Every manual page in docs/ formats without a warning.   man_pages.sh SOURCE_DIR
set -euo pipefail
command -v groff >/dev/null || { echo "groff is missing, skipped"; exit 77; }
status=0
for page in "$1"/docs/*.1; do
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
done
exit $status
