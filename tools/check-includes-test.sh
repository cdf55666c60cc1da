#!/usr/bin/env bash
# tools/check-includes.sh catches a back-up include whatever its form: each case below adds one
# include to a scratch copy of the sources and expects the check of that file to fail on that line
# (or, for an include that does point down or that the compiler skips, to pass). The checkout
# itself is never touched; the whole folder is checked by the includes_point_down test.
# Usage: check-includes-test.sh [source-dir]   (default: the checkout's src/)
set -u
here=$(cd "$(dirname "$0")" && pwd)
src=${1:-$here/../src}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$src" "$scratch/src" || exit 2
# A header beside the sources, for an include that reaches out of them.
mkdir -p "$scratch/tests/ui" && echo '#pragma once' >"$scratch/tests/ui/UserDriver.h"
check() { bash "$here/check-includes.sh" "$scratch/src" "$@" 2>&1; }

failures=0
expects=() files=() includes=()
# expect FILE INCLUDE-LINE: fail or pass, after INCLUDE-LINE is added at the end of FILE.
case_() { expects+=("$1") files+=("$2") includes+=("$3"); }

# One case, in a copy of its own (the cases run side by side); its report goes to $scratch/N.out.
run_case() {
    local n=$1 expect=${expects[$1]} file=${files[$1]} include=${includes[$1]} copy=$scratch/$1 status lines out
    mkdir "$copy" && cp -r "$scratch/src" "$scratch/tests" "$copy/"
    printf '%s\n' "$include" >>"$copy/src/$file"
    lines=$(wc -l <"$copy/src/$file")  # a directive over several lines is placed at its last
    out=$(RP_CHECK_JOBS=1 bash "$here/check-includes.sh" "$copy/src" "$file" 2>&1)
    status=$?
    rm -rf "$copy"
    if [ "$expect" = fail ]; then
        if [ $status -ne 1 ] || ! grep -qF "$file:$lines:" <<<"$out"; then
            printf 'not caught: %s in src/%s (status %s)\n%s\n\n' "$include" "$file" "$status" "$out"
        fi
    elif [ $status -ne 0 ]; then
        printf 'refused although it points down: %s in src/%s\n%s\n\n' "$include" "$file" "$out"
    fi >"$scratch/$n.out"
}

# Back up, in each form an include can take.
case_ fail qtcomm/QtCommLink.cpp '#include "../channels/FrmCHEdit.h"'
case_ fail qtcomm/QtCommLink.h '#include "./../shell/frmMain.h"'
case_ fail kit/MsgBox.cpp '#include <print/QtPrint.h>'
case_ fail kit/MsgBox.cpp '  #  include "kit/../signalling/FrmMSK.h"'
# Spellings that climb out of the source folder and back into it.
case_ fail kit/MsgBox.cpp '#include "../src/shell/frmMain.h"'
case_ fail kit/MsgBox.cpp '#include "kit/../../src/shell/frmMain.h"'
case_ fail kit/GridAdapter.h '#include <kit/../../src/qtcomm/QtCommLink.h>'
# A directive split over lines, and one named by a macro.
case_ fail kit/MsgBox.cpp $'#include \\\n    "../shell/frmMain.h"'
case_ fail kit/MsgBox.cpp $'#define RP_UP "../shell/frmMain.h"\n#include RP_UP'
case_ fail qtcomm/QtCommLink.cpp '#include "../print/FrmPrintList.h"'
# One core folder into another above it.
case_ fail model/Records.cpp '#include "comm/Codecs.h"'
case_ fail model/Values.h '#include "../mappings/ModBatch.h"'
case_ fail comm/ModComm.cpp '#include "mappings/FiveTone.h"'
case_ fail mappings/AlertMap.cpp '#include "print/core/PrintText.h"'
case_ fail mappings/FiveTone.h '#include "../print/core/PrintJob.h"'
# The core into the Qt side, or into Qt.
case_ fail print/core/PrintJob.cpp '#include "../QtPrint.h"'
case_ fail comm/CommImage.cpp '#include <kit/MsgBox.h>'
case_ fail model/Banks.cpp '#include <QString>'
case_ fail mappings/ScanMap.cpp '#include <QtCore/QList>'
# One editor into another: they stand side by side.
case_ fail channels/FrmBank.cpp '#include "../signalling/FrmMSK.h"'
case_ fail settings/FrmScan.cpp '#include "fivetone/Frm5Tone.h"'
# Out of the layout.
case_ fail channels/FrmBank.cpp '#include "../../tests/ui/UserDriver.h"'
case_ fail channels/FrmBank.cpp '#include RP_HEADER'
case_ fail channels/FrmBank.cpp '#include "NoSuchHeader.h"'
# Down, or within a folder, in any form: passes.
case_ pass comm/ModComm.cpp '#include "../model/Values.h"'
case_ pass model/Banks.cpp '#include "Values.h"'
case_ pass print/core/PrintJob.cpp '#include "mappings/FiveTone.h"'
case_ pass print/QtPrint.cpp '#include "core/PrintJob.h"'
case_ pass shell/FrmAbout.cpp '#include <kit/MsgBox.h>'
case_ pass channels/FrmBank.cpp '#include <vector>'
# An include the compiler skips is not judged.
case_ pass kit/MsgBox.cpp $'#if 0\n#include "../shell/frmMain.h"\n#endif'
case_ pass model/Values.h $'#ifdef RP_NEVER_DEFINED\n#include <QString>\n#endif'

# Each file passes untouched; then each case, three at a time.
out=$(check $(printf '%s\n' "${files[@]}" | sort -u))
if [ $? -ne 0 ]; then
    printf 'the files of the cases fail untouched:\n%s\n' "$out"
    exit 1
fi
for n in "${!files[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge 3 ]; do wait -n; done
    run_case "$n" &
done
wait
for n in "${!files[@]}"; do
    if [ -s "$scratch/$n.out" ]; then
        cat "$scratch/$n.out"
        failures=$((failures + 1))
    fi
done

# A folder the layout does not name.
mkdir "$scratch/src/extra"
echo '#include "model/Values.h"' >"$scratch/src/extra/Extra.h"
out=$(check extra/Extra.h)
if [ $? -ne 1 ] || ! grep -qF 'extra/Extra.h:1:' <<<"$out"; then
    printf 'a folder the layout does not list passes:\n%s\n' "$out"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "every back-up include is caught"
[ $failures -eq 0 ]
