#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators; skipped
# when neither validator is installed (desktop-file-utils, appstream).
# Usage: validate.sh SOURCE_DIR
source "$(dirname "$0")/lib.sh"
dist="$1/dist"
ran=0
if command -v desktop-file-validate >/dev/null; then
    ran=1
    # Hints are advice; warnings and errors fail.
    check "desktop-file-validate" "" \
        "$(desktop-file-validate "$dist/vesk4.desktop" 2>&1 | grep -v ': hint: ')"
fi
if command -v appstreamcli >/dev/null; then
    ran=1
    check "appstreamcli validate" 0 \
        "$(appstreamcli validate --no-net "$dist/org.vesk4.vesk4.metainfo.xml" >"$scratch/as.log" 2>&1
           echo $?)"
    [ "$failures" -eq 0 ] || cat "$scratch/as.log"
fi
[ "$ran" -eq 1 ] || skip "neither desktop-file-validate nor appstreamcli is installed"
finish
