#!/usr/bin/env bash
# Starts Kirel on a virtual display with a private session bus and the
# accessibility bus, and reads it with check_screen_reader.py.
# Usage: check_screen_reader.sh KIREL
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
dbus-run-session -- xvfb-run -a /usr/bin/python3 "$here/check_screen_reader.py" "$1" 2>&1 \
  | grep -v -e 'Failed to set fd limit' -e 'XDG_RUNTIME_DIR' -e 'Activating service' \
            -e 'Successfully activated' -e 'SpiRegistry daemon'
