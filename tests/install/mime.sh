#!/usr/bin/env bash
# After installation the desktop knows a dump file by its name and by its
# header, and opens it with vesk4: the same MIME and desktop databases that
# the system's triggers build, made here in a temporary DESTDIR.
# Needs update-mime-database (shared-mime-info), update-desktop-database
# (desktop-file-utils) and xdg-mime with mimetype (xdg-utils,
# libfile-mimeinfo-perl); skipped without them.
# Usage: mime.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
for tool in update-mime-database update-desktop-database xdg-mime mimetype; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
root="$scratch/root"
install_into "$root" "$1" || { echo "FAIL: cmake --install"; exit 1; }
share="$root/usr/share"
update-mime-database "$share/mime" >/dev/null 2>&1
update-desktop-database "$share/applications" >/dev/null 2>&1
# Only this tree and the system's own types; nothing of the user running it.
export XDG_DATA_HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_DIRS="$share:/usr/share" XDG_CURRENT_DESKTOP=X-Generic
unset KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"

dump_type=application/x-vesk4-dump
make_dump "$scratch/radio.dmp"
cp "$scratch/radio.dmp" "$scratch/radio-without-extension"
# A packet capture, which also goes by .dmp: its own header keeps its type.
{ printf '\324\303\262\241\002\000\004\000'; head -c 200 /dev/zero; } >"$scratch/capture.dmp"
cases=(
    "radio.dmp               $dump_type"
    "radio-without-extension $dump_type"
    "capture.dmp             application/vnd.tcpdump.pcap"
)
for row in "${cases[@]}"; do
    read -r name expected <<<"$row"
    check "type of $name" "$expected" "$(xdg-mime query filetype "$scratch/$name" 2>&1)"
done
check "program for $dump_type" vesk4.desktop "$(xdg-mime query default "$dump_type" 2>&1)"
finish
