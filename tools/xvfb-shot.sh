#!/usr/bin/env bash
# Starts the program in a real X server (Xvfb) once per language and checks that it stays up.
# Usage: tools/xvfb-shot.sh [program] [folder for screenshots]
# Screenshots are taken when ImageMagick's `import` or `xwd` is installed.
set -uo pipefail
prog=${1:-"$(dirname "$0")/../build/default/bin/radioprog"}
out=${2:-"${TMPDIR:-/tmp}"}
status=0
# The program keeps its settings beside itself; each run starts from what was there before, and
# nothing of these runs stays behind.
setup="$(dirname "$prog")/language/mysetup.ini"
batch="$(dirname "$prog")/BatchFun.ini"
saved=""; savedBatch=""
if [ -e "$setup" ]; then saved=$(mktemp); cp -p "$setup" "$saved"; fi
if [ -e "$batch" ]; then savedBatch=$(mktemp); cp -p "$batch" "$savedBatch"; fi
restore_setup() {
  if [ -n "$saved" ]; then cp -p "$saved" "$setup"; else rm -f "$setup"; fi
  if [ -n "$savedBatch" ]; then cp -p "$savedBatch" "$batch"; else rm -f "$batch"; fi
}
trap 'restore_setup; [ -z "$saved" ] || rm -f "$saved"; [ -z "$savedBatch" ] || rm -f "$savedBatch"' EXIT
for lang in en_US.UTF-8 zh_CN.UTF-8; do
  shot="$out/radioprog-${lang%%.*}"
  # The locale only has to be named: the program reads the name, the C library need not know it.
  LC_ALL=$lang xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$0" & pid=$!
    sleep 2
    if ! kill -0 $pid 2>/dev/null; then echo "exited early"; exit 1; fi
    if command -v import >/dev/null; then import -window root "$1.png"
    elif command -v xwd >/dev/null; then xwd -root -silent -out "$1.xwd"; fi
    kill $pid; wait $pid 2>/dev/null; exit 0' "$prog" "$shot"
  rc=$?
  restore_setup
  echo "$lang: $([ $rc -eq 0 ] && echo "up for 2 s" || echo FAILED)"
  [ $rc -eq 0 ] || status=1
done
exit $status
