#!/usr/bin/env bash
# Takes a picture of the real window under a virtual X display: docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth x11-utils imagemagick
cmake --preset release >/dev/null
cmake --build --preset release --target tavrolin
mkdir -p docs

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    build/release/src/tavrolin &
    program=$!
    for _ in $(seq 50); do
        window=$(xwininfo -root -tree | awk "/\"Tavrolin\": \\(\"/ {print \$1; exit}")
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 1
    import -window "$window" docs/screenshot.png
    kill "$program"
'
echo "docs/screenshot.png"
