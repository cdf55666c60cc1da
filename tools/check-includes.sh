#!/usr/bin/env bash
# Every include points down the README's layout: main window (shell) -> editors -> printout ->
# serial layer (qtcomm) -> widget kit -> core (printout core -> mappings -> codecs -> records). A
# back-up include would tie a lower folder to what is built on it; this lists each one and fails.
# Each include is followed to the file it names, whatever its form ("kit/X.h", "../kit/X.h", "X.h"
# beside the includer, <kit/X.h>), as the compiler finds it with src/ on the include path. A file
# may include its own folder and any folder below it; the editor folders stand side by side and do
# not include each other; the core includes no Qt.
# Usage: check-includes.sh [source-dir]   (default: the checkout's src/)
set -u
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2

# Every file of the sources, so that an include can be told from a system or Qt header.
files=$(find . -type f | sed 's|^\./||' | sort)

# grep prints "file:line:text" for each include directive; awk follows each and judges it.
find . -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' -o -name '*.inl' \
    -o -name '*.ipp' -o -name '*.cpp' -o -name '*.cc' -o -name '*.cxx' -o -name '*.c' \) -print0 |
  xargs -0 -r grep -HnE '^[[:space:]]*#[[:space:]]*include' /dev/null | sed 's|^\./||' |
  awk -v files="$files" '
    BEGIN {
      n = split(files, list, "\n")
      for (i = 1; i <= n; i++) present[list[i]] = 1
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
      status = 0
    }
    # "a/./b/../c" -> "a/c"; a path that climbs out of src/ keeps its leading "..".
    function normal(path,   parts, k, m, out, depth, stack) {
      m = split(path, parts, "/")
      depth = 0
      for (k = 1; k <= m; k++) {
        if (parts[k] == "" || parts[k] == ".") continue
        if (parts[k] == ".." && depth > 0 && stack[depth] != "..") { depth--; continue }
        stack[++depth] = parts[k]
      }
      out = ""
      for (k = 1; k <= depth; k++) out = out (k > 1 ? "/" : "") stack[k]
      return out
    }
    function folder(path) {
      if (path ~ /^print\/core\//) return "print/core"
      if (path !~ /\//) return ""
      return substr(path, 1, index(path, "/") - 1)
    }
    function fail(why) {
      printf "%s:%s: %s\n    %s\n", file, line, why, text
      status = 1
    }
    {
      file = $0; sub(/:.*/, "", file)
      rest = substr($0, length(file) + 2)
      line = rest; sub(/:.*/, "", line)
      text = substr(rest, length(line) + 2)
      directive = text
      sub(/^[[:space:]]*#[[:space:]]*include[[:space:]]*/, "", directive)
      from = folder(file)
      if (!(from in rank)) { fail("a file in a folder the layout does not list (add it to the README and to tools/check-includes.sh)"); next }
      if (directive ~ /^"[^"]+"/) {
        target = substr(directive, 2); sub(/".*/, "", target); quoted = 1
      } else if (directive ~ /^<[^>]+>/) {
        target = substr(directive, 2); sub(/>.*/, "", target); quoted = 0
      } else {
        fail("an include this check cannot follow: name the header itself"); next
      }
      if (core[from] && target ~ /^(Q[A-Za-z0-9_]+|Qt[A-Za-z0-9_]+\/.*|q[a-z0-9_]+\.h)$/) {
        fail("the core includes Qt"); next
      }
      dir = file; sub(/\/[^\/]*$/, "", dir)
      # A quoted name is looked for beside the includer first, then (as <...>) from src/.
      beside = normal(dir "/" target)
      if (quoted ? beside ~ /^\.\.(\/|$)/ : normal(target) ~ /^\.\.(\/|$)/) {
        fail("an include that reaches out of src/"); next
      }
      found = ""
      if (quoted && (beside in present)) found = beside
      else if (normal(target) in present) found = normal(target)
      if (found == "") next  # a system or Qt header
      to = folder(found)
      if (to == from) next
      if (!(to in rank)) { fail("includes " found ", in a folder the layout does not list"); next }
      if (rank[to] > rank[from]) next
      fail("src/" from " (" name[from] ") includes src/" found " (" name[to] "), a folder " \
           (rank[to] == rank[from] ? "beside" : "above") " it in the layout")
    }
    END { exit status }
  '
status=$?
[ $status -eq 0 ] && echo "every include points down"
exit $status
