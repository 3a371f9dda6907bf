#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, but only those that are missing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation)
# The sorts collate through ICU directly, as Qt does.
packages+=(libicu-dev)
# Checks the formatting of the sources (scripts/check_format.sh).
packages+=(clang-format)
# The SVG plugin draws the window icon; the rest renders, checks and packages the desktop files.
packages+=(libqt6svg6 librsvg2-bin desktop-file-utils appstream)
# The Debian package: cpack reads the program's libraries with `file` and dpkg-shlibdeps
# (dpkg-dev, which brings binutils' strip and readelf); lintian checks the package.
packages+=(file dpkg-dev lintian)
# The completion test runs the bash completion with bash-completion's own helpers.
packages+=(bash-completion)
# The real-window test: a virtual X server, a window manager, real input, the clipboard as
# another program reads it, window properties, and a screenshot when it fails.
packages+=(xvfb openbox xdotool xclip x11-utils imagemagick)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
