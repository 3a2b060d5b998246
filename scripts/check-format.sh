#!/usr/bin/env bash
# Fails when a C++ file of the repository is not laid out as .clang-format says, and names
# the files. --fix formats them in place instead. Files whose layout is a hand-aligned
# table are listed in .clang-format-ignore (shell patterns, one a line, # for comments).
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
command -v "$CLANG_FORMAT" >/dev/null 2>&1 || { echo "check-format: $CLANG_FORMAT not found" >&2; exit 2; }
fix=0
case ${1-} in
  "") ;;
  --fix) fix=1 ;;
  *) echo "usage: scripts/check-format.sh [--fix]" >&2; exit 2 ;;
esac

patterns=()
if [ -f .clang-format-ignore ]; then
  while IFS= read -r line; do
    line=${line%%#*}
    line=${line//[[:space:]]/}
    [ -n "$line" ] && patterns+=("$line")
  done < .clang-format-ignore
fi

files=()
while IFS= read -r f; do
  skip=0
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ $f == $p ]] && { skip=1; break; }
  done
  [ $skip -eq 0 ] && [ -f "$f" ] && files+=("$f")
done < <(git ls-files '*.cpp' '*.h')

if [ $fix -eq 1 ]; then
  "$CLANG_FORMAT" -i "${files[@]}"
  echo "check-format: formatted ${#files[@]} files"
  exit 0
fi

bad=()
for f in "${files[@]}"; do
  "$CLANG_FORMAT" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "check-format: ${#bad[@]} of ${#files[@]} files are not formatted (scripts/check-format.sh --fix formats them):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "check-format: all ${#files[@]} files are formatted"
