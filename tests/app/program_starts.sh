#!/usr/bin/env bash
# Starts the real program on the test display, waits for its main window, then
# ends it: the window must come up and the program must not have died on the way.
set -u
program=$1
cd "$(dirname "$program")"
"$program" > program.log 2>&1 &
pid=$!
trap 'kill -9 $pid 2>/dev/null' EXIT

window=""
for _ in $(seq 1 300); do
    window=$(xwininfo -root -tree 2>/dev/null | grep '"Quillory 1.0.4"' | awk '{print $1}' | head -1)
    [[ -n $window ]] && break
    kill -0 $pid 2>/dev/null || { echo "the program ended before its window showed"; cat program.log; exit 1; }
    sleep 0.1
done
[[ -n $window ]] || { echo "no window titled Quillory 1.0.4"; exit 1; }
echo "main window $window"

kill -TERM $pid
for _ in $(seq 1 100); do
    kill -0 $pid 2>/dev/null || { echo "closed"; exit 0; }
    sleep 0.1
done
echo "the program did not end"
exit 1
