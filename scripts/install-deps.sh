#!/bin/sh
# Installs the Debian packages the player needs to build, run and test,
# but only those that are missing, and says which ones it installs.
set -eu

PACKAGES="
cmake
ccache
ninja-build
g++
make
pkg-config
qt6-base-dev
libgstreamer1.0-dev
libgstreamer-plugins-base1.0-dev
gstreamer1.0-plugins-base
gstreamer1.0-plugins-good
gstreamer1.0-plugins-bad
gstreamer1.0-plugins-ugly
gstreamer1.0-libav
timgm6mb-soundfont
libgtest-dev
libgmock-dev
libbenchmark-dev
xvfb
xauth
fonts-noto-cjk
librsvg2-bin
desktop-file-utils
appstream
dbus-daemon
playerctl
"

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $pkg" ;;
    esac
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "install-deps: installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
echo "install-deps: done"
