#!/usr/bin/env bash
# Records the golden replays in tests/data/golden again after a deliberate change of a rule, and
# prints, for each one, which checkpoints and fields moved and whether the pictures drawn changed,
# so that the change's effect on every level can be read in review. Commit the new .kvr files and
# pictures.txt (each golden's digest of every frame's drawing) with the change that moved them.
# Usage: scripts/regolden.sh [--autopilot] [KELVARON-SIM]
#   --autopilot   let the autopilot play each game anew (new NAME.input files) instead of replaying
#                 the controls the goldens were made with; needed when a change makes the old
#                 controls meaningless, e.g. a boss that now flies elsewhere (inputs written by
#                 hand, "-" in goldens.txt, are kept)
#   KELVARON-SIM  the runner to record with (default: the ci build's)
set -euo pipefail
cd "$(dirname "$0")/.."

autopilot=0
if [[ "${1:-}" == "--autopilot" ]]; then autopilot=1; shift; fi
sim=${1:-build/ci/tools/sim/kelvaron-sim}
golden=tests/data/golden
[[ -x "$sim" ]] || { echo "regolden: no runner at $sim (build the ci preset first)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
moved=0
pictures="$work/pictures.txt"
while IFS='|' read -r name play made; do
  name=$(echo "$name" | xargs)
  [[ -z "$name" || "$name" == \#* ]] && continue
  dir="$work/$name"
  mkdir -p "$dir"
  # shellcheck disable=SC2086  # the option lists are split on purpose
  made=$(echo "$made" | xargs)
  if [[ "$made" != "-" ]] && { ((autopilot)) || [[ ! -f "$golden/$name.input" ]]; }; then
    "$sim" $play $made --no-replays --workdir "$dir" --record-input "$PWD/$golden/$name.input"
  fi
  # shellcheck disable=SC2086
  "$sim" $play --input "$PWD/$golden/$name.input" --workdir "$dir"
  recorded=$(find "$dir/replays" -name '*.kvr' | head -n 1)
  [[ -n "$recorded" ]] || { echo "regolden: $name recorded no replay" >&2; exit 1; }
  digest=$("$sim" --replay "$recorded" --checkpoints "$dir/new.txt" --workdir "$dir" 2>&1 |
    sed -n 's/.*, pictures \([0-9a-f]*\)$/\1/p')
  echo "$name $digest" >>"$pictures"
  if ! grep -qx "$name $digest" "$golden/pictures.txt" 2>/dev/null; then
    echo "== $name: the pictures drawn changed (digest $digest)"
  fi
  if [[ -f "$golden/$name.kvr" ]]; then
    "$sim" --replay "$golden/$name.kvr" --checkpoints "$dir/old.txt" --workdir "$dir" \
      >/dev/null 2>&1 || true
    if ! cmp -s "$dir/old.txt" "$dir/new.txt"; then
      moved=$((moved + 1))
      echo "== $name: checkpoints that moved (field before -> after)"
      scripts/checkpoint-diff.py "$dir/old.txt" "$dir/new.txt"
    fi
  fi
  cp "$recorded" "$golden/$name.kvr"
  echo "regolden: $name: $(tail -n 1 "$dir/new.txt")"
done < "$golden/goldens.txt"
cp "$pictures" "$golden/pictures.txt"
echo "regolden: $moved golden replay(s) moved"
