#!/usr/bin/env bash
# Installs into a temporary DESTDIR and checks what lands where: exactly the
# expected files, programs executable, the help and icons what they claim.
# Usage: install-tree.sh BUILD_DIR SOURCE_DIR
source "$(dirname "$0")/lib.sh"
build=$1
source_dir=$2
root="$scratch/root"
install_into "$root" "$build" || { echo "FAIL: cmake --install"; exit 1; }

check "installed files" "$(cat "$source_dir/tests/install/expected-files.txt")" \
    "$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)"

for program in vesk4 vesk4-cli vesk4-radiosim; do
    check "$program is executable" yes "$([ -x "$root/usr/bin/$program" ] && echo yes || echo no)"
done
for page in vesk4 vesk4-cli vesk4-radiosim; do
    check "$page.1.gz is a section-1 page" "$page" \
        "$(gzip -dc "$root/usr/share/man/man1/$page.1.gz" | sed -n 's/^\.TH \([^ ]*\) 1 .*/\1/p' |
            tr -d '\\' | tr 'A-Z' 'a-z')"
done
check "help file is the HTML help" same \
    "$(cmp -s "$source_dir/docs/Vesk4.html" "$root/usr/share/vesk4/Vesk4.hlp" && echo same || echo different)"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 16 22 24 32 48 64 128 256; do
    check "icon in ${size}x${size}" "${size}x${size}" \
        "$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/vesk4.png")"
done

desktop="$root/usr/share/applications/vesk4.desktop"
mime_xml="$root/usr/share/mime/packages/vesk4.xml"
check "desktop entry starts the installed program with the file" "vesk4 %f" \
    "$(sed -n 's/^Exec=//p' "$desktop")"
check "desktop entry icon is installed" vesk4 "$(sed -n 's/^Icon=//p' "$desktop")"
check "desktop entry type is the one the MIME file defines" \
    "$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1;/p' "$mime_xml")" \
    "$(sed -n 's/^MimeType=//p' "$desktop")"
check "metainfo launches the installed desktop entry" vesk4.desktop \
    "$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' \
        "$root/usr/share/metainfo/org.vesk4.vesk4.metainfo.xml")"
finish
