#!/bin/sh
# Installs the Debian packages named on the command line that are not installed yet.
# Uses apt-get as root, or through sudo; otherwise lists what is missing and fails.
set -eu

missing=""
for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing Debian packages:$missing"
if ! command -v apt-get >/dev/null 2>&1; then
    echo "apt-get is not available. Please install these packages:$missing" >&2
    exit 1
fi
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO="sudo -n"
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
    SUDO="sudo"
else
    echo "Not root and no sudo. Please install these packages:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
