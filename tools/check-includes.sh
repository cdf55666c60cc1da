#!/usr/bin/env bash
# Every include points down: main window (shell) -> editors -> serial layer (qtcomm) -> widget kit
# -> core. A back-up include would tie a lower folder to what is built on it; this lists each one
# and fails.
# Usage: check-includes.sh [source-dir]   (default: the checkout's src/)
set -u
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2

status=0
# forbid FOLDERS PATTERN WHY: no file under FOLDERS includes a quoted header matching PATTERN.
forbid() {
  local folders=$1 pattern=$2 why=$3 hits
  # shellcheck disable=SC2086
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($pattern)" $folders 2>/dev/null)
  if [ -n "$hits" ]; then
    printf '%s\n%s\n\n' "$why:" "$hits"
    status=1
  fi
}

editors='shell/|channels/|signalling/|fivetone/|settings/'
qtside="$editors|qtcomm/|print/[A-Za-z]+\\.h"
forbid "model comm mappings print/core" "kit/|$qtside" "the core includes the Qt program"
forbid "model comm mappings print/core" "Q[A-Za-z]+>|Qt[A-Za-z]+/" "the core includes Qt"
forbid "model comm" "mappings/|print/" "records, data files and codecs include the editors' mappings or the printout"
forbid "kit" "$qtside" "the widget kit includes what is built on it"
forbid "channels signalling fivetone settings qtcomm print" "shell/" "an editor includes the main window"
forbid "qtcomm" "$editors|print/[A-Za-z]+\\.h" "the serial layer includes an editor or the main window"

[ $status -eq 0 ] && echo "every include points down"
exit $status
