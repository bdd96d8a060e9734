#!/usr/bin/env bash
# The seeded headless matches give the same summary lines built for the browser (run by node) as built
# natively: the simulation does not depend on the platform.
# Usage: test_same_results.sh <browser build folder> <native build folder with tools/headless_match>
set -euo pipefail
web=$(cd "$1" && pwd)
native=$(cd "$2" && pwd)
[ -f "$web/tools/headless_match.js" ] || { echo "no browser build in $web (make web)"; exit 77; }
[ -x "$native/tools/headless_match" ] || { echo "FAIL: no native headless_match in $native/tools" >&2; exit 1; }

# Seed, teams, tumboks, boxes, computer teams: the pinned matches, and two on the shipped maps.
matches=("1 2 3 10 0 generated" "2 3 2 0 0 generated" "3 4 4 25 0 generated" "4 2 1 100 0 generated"
  "5 3 2 10 1 generated" "6 2 3 10 1 fore_basic.png" "7 4 2 20 0 fore_peaks.png")
failed=0
cd "$native" # both read the data beside the native build
for match in "${matches[@]}"; do
  read -r seed teams tumboks boxes computers map <<<"$match"
  arguments=("$seed" "$teams" "$tumboks" 100000 "$boxes" "$map" "$computers")
  here=$(./tools/headless_match "${arguments[@]}" 2>&1 | tail -n1)
  # node 20 would fetch the program's own code as a URL; it reads the file instead.
  browser=$(node --no-experimental-fetch "$web/tools/headless_match.js" "${arguments[@]}" 2>&1 | tail -n1)
  if [ "$here" = "$browser" ]; then
    echo "seed $seed: $here"
  else
    echo "FAIL: seed $seed: native '$here', browser '$browser'" >&2
    failed=1
  fi
done
exit "$failed"
