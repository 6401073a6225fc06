#!/usr/bin/env bash
# Checks the layering of the code folders against the table in
# docs/architecture.md: every #include of every file of a code folder may
# name only the folder itself, the folders its "uses" column lists, and the
# outside libraries that column names (Qt, SQLite, libsodium). The table is
# the one source: a folder or a use added there is checked from then on.
# Prints every offending include as "file:line: ..." and exits 1; exits 0
# when all is well.
#   scripts/check_layers.sh [project folder]
#   scripts/check_layers.sh --self-test   (checks that a bad include fails)
set -euo pipefail

# The outside libraries the table may allow, and how their headers look.
declare -A kLibPattern=(
  [Qt]='^<(Q[A-Za-z]|qt)'
  [SQLite]='^<sqlite3\.h>'
  [libsodium]='^<sodium\.h>'
)

check() {
  local root="$1"
  local table="$root/docs/architecture.md"
  [[ -f "$table" ]] || { echo "check_layers: $table not found" >&2; return 2; }

  # One line per folder: "folder|use use use" (table rows between the
  # header "| layer | folder |" and the first line that is not a row).
  local rows
  rows="$(awk -F'|' '
    /^\| *layer *\| *folder *\|/ { inTable = 1; next }
    inTable && !/^\|/ { exit }
    inTable && /^\|[- |]*$/ { next }
    inTable {
      folderCell = $3; usesCell = $5
      match(folderCell, /[a-z]+\//)
      if (RSTART == 0) next
      folder = substr(folderCell, RSTART, RLENGTH - 1)
      libs = ""
      if (usesCell ~ /Qt/) libs = libs " Qt"
      if (usesCell ~ /SQLite/) libs = libs " SQLite"
      if (usesCell ~ /libsodium/) libs = libs " libsodium"
      sub(/;.*/, "", usesCell)
      gsub(/\([^)]*\)/, "", usesCell)
      n = split(usesCell, parts, ",")
      uses = ""
      for (i = 1; i <= n; ++i) {
        p = parts[i]; gsub(/^ +| +$/, "", p)
        if (p ~ /^[a-z]+$/) uses = uses " " p
      }
      print folder "|" uses "|" libs
    }' "$table")"
  [[ -n "$rows" ]] || { echo "check_layers: no layer table in $table" >&2; return 2; }

  declare -A uses libs known
  local folder use lib
  while IFS='|' read -r folder use lib; do
    known[$folder]=1
    uses[$folder]="$use"
    libs[$folder]="$lib"
  done <<<"$rows"

  local faults=0 file line text target first allowed
  for folder in "${!known[@]}"; do
    [[ -d "$root/$folder" ]] || continue
    while IFS= read -r hit; do
      file="${hit%%:*}"
      hit="${hit#*:}"
      line="${hit%%:*}"
      text="${hit#*:}"
      [[ "$text" =~ include[[:space:]]*([\"<][^\">]*[\">]) ]] || continue
      target="${BASH_REMATCH[1]}"
      if [[ "$target" == \"* ]]; then
        first="${target#\"}"
        first="${first%%/*}"
        [[ "$target" == */* && -n "${known[$first]:-}" ]] || continue
        [[ "$first" == "$folder" ]] && continue
        allowed=0
        for use in ${uses[$folder]}; do [[ "$use" == "$first" ]] && allowed=1; done
        if ((!allowed)); then
          echo "${file#"$root"/}:$line: $folder/ may not include $target (docs/architecture.md: $folder uses${uses[$folder]:- nothing})"
          faults=$((faults + 1))
        fi
      else
        for lib in "${!kLibPattern[@]}"; do
          [[ "$target" =~ ${kLibPattern[$lib]} ]] || continue
          [[ " ${libs[$folder]} " == *" $lib "* ]] && continue
          echo "${file#"$root"/}:$line: $folder/ may not include $target ($lib is not among the uses of $folder in docs/architecture.md)"
          faults=$((faults + 1))
        done
      fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' \
               --include='*.hpp' --include='*.inl' "$root/$folder" || true)
  done
  if ((faults)); then
    echo "check_layers: $faults include(s) break the layering of docs/architecture.md" >&2
    return 1
  fi
  echo "check_layers: every include keeps the layering of docs/architecture.md"
}

self_test() {
  local tmp
  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' RETURN
  mkdir -p "$tmp/docs" "$tmp/low" "$tmp/high/sub"
  cat >"$tmp/docs/architecture.md" <<'EOF'
| layer | folder | library | uses |
|---|---|---|---|
| high | high/, high/sub/ (upper) | vek_high | low (and SQLite) |
| low | low/ | vek_low | Qt 6 Widgets |
EOF
  printf '#include "low/A.h"\n#include <sqlite3.h>\n#include "high/B.h"\n' >"$tmp/high/sub/Good.cpp"
  printf '#include <QWidget>\n#include <vector>\n' >"$tmp/low/Good.cpp"
  check "$tmp" >/dev/null || { echo "self-test: a good tree was refused" >&2; return 1; }
  printf '// A file.\n\n#include "high/sub/X.h"\n' >"$tmp/low/Bad.h"
  printf '#include <QString>\n' >"$tmp/high/Bad.cpp"
  local out
  if out="$(check "$tmp" 2>&1)"; then
    echo "self-test: a bad include passed" >&2
    return 1
  fi
  grep -q '^low/Bad.h:3: low/ may not include "high/sub/X.h"' <<<"$out" ||
    { echo "self-test: the fault does not name file and line: $out" >&2; return 1; }
  grep -q '^high/Bad.cpp:1: high/ may not include <QString>' <<<"$out" ||
    { echo "self-test: an outside library was not refused: $out" >&2; return 1; }
  echo "check_layers self-test: 1 passed, 0 failed"
}

if [[ "${1:-}" == "--self-test" ]]; then
  self_test
else
  check "$(cd "${1:-$(dirname "$0")/..}" && pwd)"
fi
