#!/usr/bin/env bash
# Under a real X server the title the window manager sees is exactly the editor's caption:
# nothing (such as the application's display name) may be added to it on the way.
# Usage: x11_caption_test.sh ZTEDIT ZTEDIT_CLI
set -euo pipefail
ztedit=$1
cli=$2
if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
    echo "xvfb-run or xwininfo is missing (scripts/install-deps installs them)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" generate "$work/league" --players-per-team 72 --free-agents 10 --years 1 --days 3 >/dev/null
export work ztedit

# Inside the X server: start the editor on the league, wait for its window, print the titles.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    XDG_CONFIG_HOME="$work/config" ZTEDIT_DATA_DIR="$work/data" QT_QPA_PLATFORM=xcb \
        "$ztedit" "$work/league/Sample.sea" >"$work/editor.log" 2>&1 &
    editor=$!
    for _ in $(seq 600); do  # up to a minute on a busy machine
        if xwininfo -root -tree | grep -q "\"Zantrip"; then
            break
        fi
        sleep 0.1
    done
    xwininfo -root -tree | grep -o "\"Zantrip[^\"]*\"" | sort -u >"$work/titles"
    kill "$editor"
    wait "$editor" || true
'
expected="\"Zantrip 2003 Editor 1.05 $work/league/Sample.sea\""
if [ "$(cat "$work/titles")" != "$expected" ]; then
    echo "expected the window title $expected, the X server has:"
    cat "$work/titles"
    cat "$work/editor.log"
    exit 1
fi
echo "window title: $expected"
