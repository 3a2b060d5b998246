#!/usr/bin/env bash
# Checks the bash completion of setrix-cli against the program: every command and every
# option that --help lists is offered, nothing else, and the words offered for a few
# options are the ones the program accepts.
# Usage: scripts/check-completion.sh COMPLETION-FILE SETRIX-CLI
set -uo pipefail  # no -e: the program exits 2 on purpose below
completion=$1
cli=$2
# shellcheck source=/dev/null
source "$completion"

complete_line() {  # the words offered after the words given
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _setrix_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

help_options() {  # the long options that --help lists, and the commands
  "$cli" "$@" --help | sed -n 's/^  \(-h,\)\{0,1\}\(--[a-z0-9-]*\).*/\2/p; s/^  \([a-z]\{2,\}\)  .*/\1/p' | sort
}

status=0
compare() {  # what, expected, offered
  if [ "$2" != "$3" ]; then
    echo "completion of $1 differs from the program:" >&2
    diff <(echo "$2") <(echo "$3") >&2 || true
    status=1
  fi
}

compare "the commands" "$( (help_options; echo --version) | sort -u)" "$(complete_line "")"
for command in dc thermo rtd frq texts bank decode; do
  compare "setrix-cli $command" "$(help_options "$command")" "$(complete_line "$command" "")"
done
for module in dc thermo rtd frq; do
  compare "setrix-cli decode $module" "$(help_options decode "$module")" "$(complete_line decode "$module" "")"
done
# batch offers its options once the device list is given, and before that the lists and folders.
compare "setrix-cli batch LIST" "$(help_options batch)" "$(complete_line batch plant.setrix "")"
compare "setrix-cli batch --out DIR" "$(help_options batch)" "$(complete_line batch --out=cabinet3 plant.setrix "")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/cabinet3"
touch "$scratch/plant.setrix" "$scratch/signals.csv" "$scratch/notes.txt" "$scratch/s1.bmp"
compare "batch LIST (files)" "$(printf '%s\n' cabinet3 plant.setrix signals.csv)" \
  "$(cd "$scratch" && complete_line batch "")"
compare "batch --out (folders)" "cabinet3" "$(cd "$scratch" && complete_line batch plant.setrix --out "")"
compare "thermo --config (files)" "$(printf '%s\n' cabinet3 plant.setrix)" \
  "$(cd "$scratch" && complete_line thermo --config "")"
compare "bank --out (files)" "$(printf '%s\n' cabinet3 s1.bmp)" "$(cd "$scratch" && complete_line bank --out "")"
compare "thermo --type" "$(printf '%s\n' B E J K N R S T)" "$(complete_line thermo --type "")"
compare "dc --in-unit" "$(printf '%s\n' V mA mV)" "$(complete_line dc --in-unit "")"
expected_starts=$("$cli" thermo --type K --start '?' 2>&1 >/dev/null | sed -n 's/.*offered values: //p' | tr -d ',' | tr ' ' '\n' | sort)
compare "thermo --type K --start" "$expected_starts" "$(complete_line thermo --type K --start "")"
[ $status -eq 0 ] && echo "completion: commands, options and accepted words match setrix-cli"
exit $status
