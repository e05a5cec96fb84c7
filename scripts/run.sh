#!/usr/bin/env bash
# Installs what is missing, builds the editor (Release, in build/release) and starts it.
#
#   bash scripts/run.sh              the editor, for a machine on the unit's network
#   bash scripts/run.sh --simulated  the editor inside a private network namespace, beside the
#                                    simulated unit at 192.168.1.101 (for demonstrations and
#                                    checks; nothing leaves the namespace)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${Q7K_RELEASE_BUILD:-build/release}
editor=$build/src/app/q7k-editor
simunit=$build/tests/unit/q7k-simunit

# Inside the namespace: the simulated unit at the unit's default address, then the editor;
# the unit ends with the editor.
if [ "${1:-}" = --in-namespace ]; then
  "$simunit" --address 192.168.1.101 --port 9761 --moving-levels &
  unit=$!
  trap 'kill "$unit" 2>/dev/null || true' EXIT
  # No device notices reach a private namespace: look for USB devices every second instead.
  Q7K_HID_NO_MONITOR=1 "$editor"
  exit $?
fi

simulated=0
case "${1:-}" in
  "") ;;
  --simulated) simulated=1 ;;
  *) echo "usage: bash scripts/run.sh [--simulated]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQ7K_TESTS=ON >/dev/null
targets=(q7k-editor)
[ $simulated = 1 ] && targets+=(q7k-simunit)
cmake --build "$build" --target "${targets[@]}"

if [ $simulated = 1 ]; then
  exec bash scripts/netns.sh bash scripts/run.sh --in-namespace
fi
exec "$editor"
