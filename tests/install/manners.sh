#!/usr/bin/env bash
# How the three programs behave on the command line: --version and --help
# print and end without a display, a reader that goes away ends a listing as
# SIGPIPE ends cat (status 141, nothing on stderr), and errors on stderr
# begin with the program's name.
# Usage: manners.sh BIN_DIR VERSION
source "$(dirname "$0")/lib.sh"
bin=$(cd "$1" && pwd)
version=$2
dump="$scratch/radio.dmp"
make_dump "$dump"
export XDG_RUNTIME_DIR="$scratch"
cd "$scratch" || exit 1

# No display of any kind: a program that needed one would fail here.
no_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}

# The exit status of "$@" writing into a pipe whose reader has already gone.
# The writer starts only once the reader has closed its end, so the first
# write fails every time.
closed_pipe_status() {
    local ready="$scratch/ready"
    rm -f "$ready"
    { while [ ! -e "$ready" ]; do sleep 0.01; done; exec "$@" 2>"$scratch/pipe.err"; } |
        { exec 0<&-; : >"$ready"; }
    echo "${PIPESTATUS[0]}"
}

versions=(
    "vesk4          vesk4 $version"
    "vesk4-cli      vesk4-cli $version"
    "vesk4-radiosim vesk4-radiosim $version"
)
for row in "${versions[@]}"; do
    read -r program expected <<<"$row"
    out=$(no_display "$bin/$program" --version 2>"$scratch/err")
    check "$program --version: status" 0 "$?"
    check "$program --version: text" "$expected" "$out"
    check "$program --version: stderr" "" "$(cat "$scratch/err")"
done

for program in vesk4 vesk4-cli vesk4-radiosim; do
    for option in --help -h; do
        out=$(no_display "$bin/$program" "$option" 2>"$scratch/err")
        check "$program $option: status" 0 "$?"
        check "$program $option: first line" "Usage: $program" "$(head -n 1 <<<"$out" | cut -d' ' -f1-2)"
        check "$program $option: stderr" "" "$(cat "$scratch/err")"
    done
done

pipes=(
    "vesk4-cli report $dump"
    "vesk4-cli hexdump $dump"
    "vesk4-cli info $dump"
    "vesk4-cli --help"
    "vesk4-cli --version"
    "vesk4 --help"
    "vesk4 --version"
    "vesk4-radiosim --help"
    "vesk4-radiosim --version"
)
for row in "${pipes[@]}"; do
    read -r program args <<<"$row"
    # shellcheck disable=SC2086
    check "$row into a closed pipe: status" 141 "$(closed_pipe_status "$bin/$program" $args)"
    check "$row into a closed pipe: stderr" "" "$(cat "$scratch/pipe.err")"
done
# The same, with SIGPIPE ignored by whoever started the program.
check "vesk4-cli report, SIGPIPE ignored on entry: status" 141 \
    "$(closed_pipe_status env --ignore-signal=PIPE "$bin/vesk4-cli" report "$dump")"

# Any other failed write is still an error with a message: a full disk.
if [ -w /dev/full ]; then
    "$bin/vesk4-cli" report "$dump" >/dev/full 2>"$scratch/err"
    check "vesk4-cli report to a full disk: status" 10 "$?"
    check "vesk4-cli report to a full disk: message" \
        "vesk4-cli: cannot write the output: No space left on device" "$(cat "$scratch/err")"
fi

errors=(
    "2  vesk4-cli: vesk4-cli --bogus"
    "2  vesk4-cli: vesk4-cli"
    "10 vesk4-cli: vesk4-cli report $scratch/absent.dmp"
    "2  vesk4-radiosim: vesk4-radiosim --bogus"
    "1  vesk4-radiosim: vesk4-radiosim --image $scratch/absent.dmp"
    "2  vesk4: vesk4 -platform offscreen --bogus"
    "2  vesk4: vesk4 -platform offscreen one.dmp two.dmp"
    "2  vesk4: vesk4 --print-pdf report"
    "1  vesk4: vesk4 --print-pdf report $scratch/absent.dmp $scratch/out.pdf"
)
for row in "${errors[@]}"; do
    read -r status prefix program args <<<"$row"
    # shellcheck disable=SC2086
    "$bin/$program" $args >/dev/null 2>"$scratch/err" </dev/null
    check "$program $args: status" "$status" "$?"
    check "$program $args: stderr names the program" "$prefix" "$(head -c ${#prefix} "$scratch/err")"
done
finish
