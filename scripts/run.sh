#!/usr/bin/env bash
# Installs what is missing, builds Orvane and starts it on FILE, or on the sample NFO.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
file="${1:-$root/samples/orvane.nfo}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Orvane on a virtual display (xvfb-run)."
  exec xvfb-run -a "$root/build/orvane" "$file"
fi
exec "$root/build/orvane" "$file"
