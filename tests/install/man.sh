#!/usr/bin/env bash
# The manual pages keep up with the programs: every option that a program's
# --help names, every vesk4-cli command and every exit status of vesk4-cli
# is in its page and in the README's tables, and each page renders without a
# warning (when man exists).
# Usage: man.sh BIN_DIR SOURCE_DIR
source "$(dirname "$0")/lib.sh"
bin=$(cd "$1" && pwd)
source_dir=$2
pages="$source_dir/docs/man"

# The page's text with roff's escaped hyphens made plain; comments do not
# count as describing anything.
plain() {
    sed '/^\.\\"/d; s/\\-/-/g' "$pages/$1.1"
}

for program in vesk4 vesk4-cli vesk4-radiosim; do
    [ -x "$bin/$program" ] || continue
    for option in $("$bin/$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        check "$program.1 describes $option" yes \
            "$(plain "$program" | grep -- "$option" >/dev/null && echo yes || echo no)"
    done
done

if [ -x "$bin/vesk4-cli" ]; then
    commands=$("$bin/vesk4-cli" --help |
        sed -n '/^Commands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' | sort -u)
    check "vesk4-cli --help lists commands" yes "$([ -n "$commands" ] && echo yes || echo no)"
    for command in $commands; do
        check "vesk4-cli.1 has the command $command" yes \
            "$(plain vesk4-cli | grep -E "^\.BI? \"?$command( |\"|$)" >/dev/null && echo yes || echo no)"
    done
    statuses=$(sed -n 's/.*= *\([0-9][0-9]*\),.*/\1/p' "$source_dir/src/cli/ExitCodes.h")
    described=$(plain vesk4-cli | sed -n '/^\.SH EXIT STATUS/,/^\.SH /p' |
        sed -n 's/^\.B \([0-9, ]*\)$/\1/p' | tr ', ' '\n\n' | grep -v '^$' | sort -n | tr '\n' ' ')
    for status in $statuses 130 141 143; do
        check "vesk4-cli.1 explains exit status $status" yes \
            "$(grep -qw "$status" <<<"$described" && echo yes || echo no)"
    done
    # The README's tables of commands and exit statuses.
    readme="$source_dir/README.md"
    for command in $commands; do
        check "README has a row for the command $command" yes \
            "$(grep -F "| \`$command\` |" "$readme" >/dev/null && echo yes || echo no)"
    done
    for status in $statuses 141; do
        check "README has a row for exit status $status" yes \
            "$(grep -E "^\| ([0-9]+, )*$status(, [0-9]+)* \|" "$readme" >/dev/null && echo yes || echo no)"
    done
fi

if command -v man >/dev/null; then
    for program in vesk4 vesk4-cli vesk4-radiosim; do
        check "$program.1 renders without warnings" "" \
            "$(MANWIDTH=80 man --warnings -l "$pages/$program.1" 2>&1 >/dev/null)"
    done
fi
finish
