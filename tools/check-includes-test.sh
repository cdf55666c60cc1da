#!/usr/bin/env bash
# tools/check-includes.sh catches a back-up include whatever its form: each case below adds one
# include to a scratch copy of the sources and expects the check to fail on that line (or, for an
# include that does point down, to pass). The checkout itself is never touched.
# Usage: check-includes-test.sh [source-dir]   (default: the checkout's src/)
set -u
here=$(cd "$(dirname "$0")" && pwd)
src=${1:-$here/../src}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$src" "$scratch/src" || exit 2
check() { bash "$here/check-includes.sh" "$scratch/src" 2>&1; }

failures=0
out=$(check)
if [ $? -ne 0 ]; then
    printf 'the untouched copy fails:\n%s\n' "$out"
    exit 1
fi

# expect FILE INCLUDE-LINE: fail or pass, after INCLUDE-LINE is added at the end of FILE.
case_() {
    local expect=$1 file=$2 include=$3 status lines
    cp "$scratch/src/$file" "$scratch/keep"
    printf '%s\n' "$include" >>"$scratch/src/$file"
    lines=$(wc -l <"$scratch/src/$file")
    out=$(check)
    status=$?
    mv "$scratch/keep" "$scratch/src/$file"
    if [ "$expect" = fail ]; then
        if [ $status -ne 1 ] || ! grep -qF "$file:$lines:" <<<"$out"; then
            printf 'not caught: %s in src/%s (status %s)\n%s\n\n' "$include" "$file" "$status" "$out"
            failures=$((failures + 1))
        fi
    elif [ $status -ne 0 ]; then
        printf 'refused although it points down: %s in src/%s\n%s\n\n' "$include" "$file" "$out"
        failures=$((failures + 1))
    fi
}

# Back up, in each form an include can take.
case_ fail qtcomm/QtCommLink.cpp '#include "../channels/FrmCHEdit.h"'
case_ fail qtcomm/QtCommLink.h '#include "./../shell/frmMain.h"'
case_ fail kit/MsgBox.cpp '#include <print/QtPrint.h>'
case_ fail kit/MsgBox.cpp '  #  include "kit/../signalling/FrmMSK.h"'
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
# Down, or within a folder, in any form: passes.
case_ pass comm/ModComm.cpp '#include "../model/Values.h"'
case_ pass model/Banks.cpp '#include "Values.h"'
case_ pass print/core/PrintJob.cpp '#include "mappings/FiveTone.h"'
case_ pass print/QtPrint.cpp '#include "core/PrintJob.h"'
case_ pass shell/FrmAbout.cpp '#include <kit/MsgBox.h>'
case_ pass channels/FrmBank.cpp '#include <vector>'

# A folder the layout does not name.
mkdir "$scratch/src/extra"
echo '#include "model/Values.h"' >"$scratch/src/extra/Extra.h"
out=$(check)
if [ $? -ne 1 ] || ! grep -qF 'extra/Extra.h:1:' <<<"$out"; then
    printf 'a folder the layout does not list passes:\n%s\n' "$out"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "every back-up include is caught"
[ $failures -eq 0 ]
