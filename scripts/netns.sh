#!/usr/bin/env bash
# Runs a command inside a private network namespace with only loopback up, and the unit's
# default address 192.168.1.101 added to loopback so a simulated unit can stand there.
# Nothing run this way can reach any other address.
set -euo pipefail
if [ "${Q7K_IN_NETNS:-}" != 1 ]; then
  userns=()
  [ "$(id -u)" -eq 0 ] || userns=(-r)
  exec unshare "${userns[@]}" -n env Q7K_IN_NETNS=1 bash "$0" "$@"
fi
ip link set lo up
ip addr add 192.168.1.101/32 dev lo
exec "$@"
