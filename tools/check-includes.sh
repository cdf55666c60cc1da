#!/usr/bin/env bash
# Every include points down the README's layout: main window (shell) -> editors -> printout ->
# serial layer (qtcomm) -> widget kit -> core (printout core -> mappings -> codecs -> records). A
# back-up include would tie a lower folder to what is built on it; this lists each one and fails.
# A file may include its own folder and any folder below it; the editor folders stand side by side
# and do not include each other; the core includes no Qt; nothing reaches out of the sources.
#
# The includes are the preprocessor's own: every file is run through the compiler's preprocessor
# (src/ and Qt's headers on the include path, as the build has them), which lists each file it
# opens and from which file; for a fault, its line markers then give the line. So an include is
# judged by the file the compiler opens, whatever its spelling ("../kit/X.h", "kit/../../src/kit/X.h", a macro, a directive split
# over lines), and one the compiler skips (under "#if 0") is not judged at all. An include the
# preprocessor cannot follow (a missing file, an undefined macro) is a fault too.
#
# Usage: check-includes.sh [source-dir [file...]]
#   source-dir  default: the checkout's src/
#   file...     only these files (relative to source-dir); default: every source and header
# Environment: CXX (the compiler, default c++), RP_QT_HEADERS (Qt's include folder, default: asked
# of qtpaths6 or qmake6), RP_CHECK_JOBS (preprocessors run at once, default 3).
set -u
src=${1:-$(dirname "$0")/../src}
[ $# -gt 0 ] && shift
src=$(cd "$src" && pwd -P) || exit 2
cxx=${CXX:-c++}

qt=${RP_QT_HEADERS:-$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || qmake6 -query QT_INSTALL_HEADERS 2>/dev/null)}
if [ -z "$qt" ] || [ ! -d "$qt/QtCore" ]; then
    echo "Qt's headers were not found (set RP_QT_HEADERS to the folder that holds QtCore/)" >&2
    exit 2
fi
qt=$(cd "$qt" && pwd -P)

cd "$src" || exit 2
if [ $# -gt 0 ]; then
    files=$(printf '%s\n' "$@")
else
    files=$(find . -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
        -o -name '*.inl' -o -name '*.ipp' -o -name '*.cpp' -o -name '*.cc' -o -name '*.cxx' \
        -o -name '*.c' \) | sed 's|^\./||' | sort)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each file is opened from a one-line stand-in, so a header is read as an included header (its
# "#pragma once" is no warning) and its own includes are one level down. The preprocessor's -H
# lists every file it opens, one dot per level, and its messages; that is all this pass keeps.
export src qt cxx work
preprocess() {  # [-E] FILE...: with -E, the line markers of the full preprocessor output instead
    local f key mode=H
    [ "$1" = -E ] && { mode=E; shift; }
    for f in "$@"; do
        key=$(printf '%s' "$f" | tr '/' '%')
        if [ $mode = H ]; then
            printf '#include "%s/%s"\n' "$src" "$f" | "$cxx" -std=c++20 -x c++ -E -fdirectives-only -H \
                -I "$src" -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets" \
                -isystem "$qt/QtSerialPort" -isystem "$qt/QtPrintSupport" -o /dev/null - 2>"$work/$key.opened"
        else
            printf '#include "%s/%s"\n' "$src" "$f" | "$cxx" -std=c++20 -x c++ -E \
                -I "$src" -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets" \
                -isystem "$qt/QtSerialPort" -isystem "$qt/QtPrintSupport" - 2>/dev/null |
                grep -E '^# [0-9]+ "' >"$work/$key.marks"
        fi
    done
}
export -f preprocess
printf '%s\n' "$files" | xargs -d '\n' -r -n 8 -P "${RP_CHECK_JOBS:-3}" bash -c 'preprocess "$@"' _

# Paths, in awk: "/a/./b/../c" -> "/a/c" (the file the compiler opened, under whatever spelling
# reached it), and the folder of the layout a file of src/ is in.
paths='
    function normal(path,   parts, k, m, out, depth, stack) {
      m = split(path, parts, "/")
      depth = 0
      for (k = 1; k <= m; k++) {
        if (parts[k] == "" || parts[k] == ".") continue
        if (parts[k] == ".." && depth > 0 && stack[depth] != "..") { depth--; continue }
        stack[++depth] = parts[k]
      }
      out = ""
      for (k = 1; k <= depth; k++) out = out "/" stack[k]
      return out
    }
    function inside(path, dir) { return index(path, dir "/") == 1 }
    function folder(path) {
      if (path ~ /^print\/core\//) return "print/core"
      if (path !~ /\//) return ""
      return substr(path, 1, index(path, "/") - 1)
    }
'
# The layout's rules.
rules=$paths'
    BEGIN {
      # The README'"'"'s layout, top to bottom: a folder may include its own and those below it.
      split("shell channels signalling fivetone settings print qtcomm kit print/core mappings comm model", order, " ")
      for (i = 1; i in order; i++) rank[order[i]] = i
      # The editors stand side by side: none includes another.
      rank["signalling"] = rank["fivetone"] = rank["settings"] = rank["channels"]
      name["shell"] = "main window"
      name["channels"] = name["signalling"] = name["fivetone"] = name["settings"] = "editor"
      name["print"] = "print dialog"
      name["qtcomm"] = "serial layer"
      name["kit"] = "widget kit"
      name["print/core"] = "printout core"
      name["mappings"] = "mappings"
      name["comm"] = "codecs"
      name["model"] = "records"
      core["print/core"] = core["mappings"] = core["comm"] = core["model"] = 1
    }
    # What is wrong with INCLUDER (a file of src/) opening CHILD, or "" when nothing is.
    function judge(includer, child,   file, from, to, found) {
      file = substr(includer, length(src) + 2)
      from = folder(file)
      if (!(from in rank)) return ""           # the file itself is listed
      if (!inside(child, src)) {
        if (inside(child, qt)) return core[from] ? "the core includes Qt (" substr(child, length(qt) + 2) ")" : ""
        if (inside(child, "/usr")) return ""    # the standard library
        return "an include that reaches out of src/ (" child ")"
      }
      found = substr(child, length(src) + 2)
      to = folder(found)
      if (to == from) return ""
      if (!(to in rank)) return "includes " found ", in a folder the layout does not list"
      if (rank[to] > rank[from]) return ""
      return "src/" from " (" name[from] ") includes src/" found " (" name[to] "), a folder " \
             (rank[to] == rank[from] ? "beside" : "above") " it in the layout"
    }
'

# First pass: each file opened from a file of src/ is judged. A fault is written as
# "stand-in key <tab> includer <tab> opened file <tab> why" for the second pass to place.
for f in "$work"/*.opened; do [ -e "$f" ] && printf '%s\n' "$f"; done |
  xargs -d '\n' -r awk -v src="$src" -v qt="$qt" "$rules"'
    FNR == 1 { key = FILENAME; sub(/.*\//, "", key); sub(/\.opened$/, "", key); depth = 0 }
    /^\.+ / {
      d = index($0, " ") - 1
      path = normal(substr($0, d + 2))
      opened[d] = path
      if (d < 2 || !inside(opened[d - 1], src)) next
      why = judge(opened[d - 1], path)
      if (why != "") print key "\t" opened[d - 1] "\t" path "\t" why
    }
  ' | sort -u >"$work/faults"

# A fault the preprocessor itself met (an include it cannot follow) is listed as it says it.
status=0
errors=$(cat "$work"/*.opened 2>/dev/null | grep -E '(error|fatal error):' | sed "s|^$src/||" | sort -u)
if [ -n "$errors" ]; then
    printf '%s\n    an include the compiler cannot follow\n' "$errors"
    status=1
fi
# A file in a folder the layout does not list.
unlisted=$(printf '%s\n' "$files" | awk -v src="$src" -v qt="$qt" "$rules"'
    $0 != "" && !(folder($0) in rank) { print $0 ":1: a file in a folder the layout does not list (add it to the README and to tools/check-includes.sh)" }')
if [ -n "$unlisted" ]; then
    printf '%s\n' "$unlisted"
    status=1
fi

# Second pass, only for the files with a fault: the full preprocessor output marks each return
# into a file ("# LINE "FILE" 2", LINE just after the include), which gives the include its line.
if [ -s "$work/faults" ]; then
    cut -f1 "$work/faults" | sort -u | tr '%' '/' | xargs -d '\n' -r bash -c 'preprocess -E "$@"' _
    awk -F '\t' -v src="$src" "$paths"'
      FILENAME == ARGV[1] { if (!(($2 "\t" $3) in fault)) fault[$2 "\t" $3] = $4; next }
      FNR == 1 { depth = 0 }
      {
        target = $0; sub(/^# [0-9]+ "/, "", target); sub(/"[^"]*$/, "", target)
        flags = $0; sub(/^# [0-9]+ "[^"]*"/, "", flags)
        split($0, words, " ")
        if (flags ~ /(^| )1( |$)/) { stack[++depth] = target; next }
        if (flags !~ /(^| )2( |$)/ || depth < 1) next
        child = stack[depth--]
        pair = normal(target) "\t" normal(child)
        if (!(pair in fault) || (pair in placed)) next
        placed[pair] = 1
        printf "%s:%d: %s\n", substr(normal(target), length(src) + 2), words[2] - 1, fault[pair]
      }
      END {
        for (pair in fault) if (!(pair in placed)) {
          split(pair, p, "\t")
          printf "%s: %s\n", substr(p[1], length(src) + 2), fault[pair]
        }
      }
    ' "$work/faults" "$work"/*.marks
    status=1
fi
(exit $status)
status=$?
[ $status -eq 0 ] && echo "every include points down"
exit $status
