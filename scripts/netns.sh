#!/usr/bin/env bash
# Runs a command inside a private network namespace with only loopback up, and the unit's
# default address 192.168.1.101 added to loopback so a simulated unit can stand there.
# Nothing run this way can reach any other address. Inside such a namespace the command runs
# there, unless --new asks for a namespace of its own (tests that stand a simulated unit at
# the unit's address each take one, so they can run side by side).
set -euo pipefail
new=0
if [ "${1:-}" = "--new" ]; then
  new=1
  shift
fi
if [ "${Q7K_IN_NETNS:-}" != 1 ] || [ $new = 1 ]; then
  userns=()
  [ "$(id -u)" -eq 0 ] || userns=(-r)
  exec unshare "${userns[@]}" -n env Q7K_IN_NETNS=1 bash "$0" "$@"
fi
ip link set lo up
ip addr add 192.168.1.101/32 dev lo
exec "$@"
