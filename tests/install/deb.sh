#!/usr/bin/env bash
# Builds the Debian package from the build tree (as scripts/package does) and
# checks it with dpkg-deb: the files it installs, the libraries it depends on,
# its control fields. Needs dpkg-deb and dpkg-shlibdeps (dpkg-dev).
# Usage: deb.sh BUILD_DIR SOURCE_DIR VERSION
source "$(dirname "$0")/lib.sh"
build=$1
source_dir=$2
version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$(ls "$scratch"/pkg/vesk4_*.deb 2>/dev/null)
check "one package named vesk4_VERSION_ARCH.deb" "vesk4_${version}_$(dpkg --print-architecture).deb" \
    "$(basename "$deb")"
[ -f "$deb" ] || { finish; exit 1; }

check "package files" "$(cat "$source_dir/tests/install/expected-files.txt")" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort)"
fields=(
    "Package      vesk4"
    "Version      $version"
    "Section      hamradio"
    "Architecture $(dpkg --print-architecture)"
)
for row in "${fields[@]}"; do
    read -r field expected <<<"$row"
    check "control field $field" "$expected" "$(dpkg-deb -f "$deb" "$field")"
done
check "a maintainer with an address" yes \
    "$(dpkg-deb -f "$deb" Maintainer | grep -E '^[^<]+ <[^>]+@[^>]+>$' >/dev/null && echo yes || echo no)"
# The package names alone, one a line, versions dropped.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/ *([^)]*)//g' | tr ',' '\n' | tr -d ' ')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    check "depends on $library" yes "$(grep -Fx "$library" <<<"$depends" >/dev/null && echo yes || echo no)"
done
check "description: summary, then the long text" \
    "programming tool for Borea 320 FM radios|Reads the configuration EEPROM" \
    "$(dpkg-deb -f "$deb" Description | head -n 2 | sed 's/^ //; s/ of a Borea.*//' | paste -sd '|')"
# Stripped programs: no debugging sections in the package.
mkdir -p "$scratch/unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
for program in vesk4 vesk4-cli vesk4-radiosim; do
    check "$program is stripped" "" \
        "$(LC_ALL=C readelf -S "$scratch/unpacked/usr/bin/$program" 2>/dev/null | grep -o '\.debug_info' | head -n 1)"
done
finish
