# Shared by the installation tests: a scratch folder, a pass/fail tally and
# the closing line. Sourced, not run.
set -uo pipefail
export LC_ALL=C

failures=0
checks=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# check DESCRIPTION EXPECTED ACTUAL
check() {
    checks=$((checks + 1))
    if [ "$2" != "$3" ]; then
        failures=$((failures + 1))
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    fi
}

# skip REASON: the tool a test needs is not installed (ctest counts it skipped).
skip() {
    echo "SKIP: $1"
    exit 77
}

finish() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# install_into DESTDIR BUILDDIR: the tree as a package would lay it out.
install_into() {
    DESTDIR="$1" cmake --install "$2" --prefix /usr >"$scratch/install.log" 2>&1 ||
        { cat "$scratch/install.log"; return 1; }
}

# A dump file: the block size word 8204, an erased image, capacity code 2.
make_dump() {
    { printf '\014\040\000\000'; head -c 8200 /dev/zero | tr '\000' '\377'; printf '\002\000\000\000'; } >"$1"
}
