#!/usr/bin/env bash
# ./quillory.sh start : install what is missing, build, start the program
# ./quillory.sh test  : install what is missing, build, run every test
# ./quillory.sh fuzz [seconds] : fuzz the document reader with clang's sanitizers (10 minutes by default)
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
build=$top/build
action=${1:-}

# Without root and without sudo nothing can be installed from here: say what to run.
need_root() {
    echo "Missing Debian packages: $*" >&2
    echo "Run this as root, then run $0 ${action} again:" >&2
    echo "    apt-get update && apt-get install -y --no-install-recommends $*" >&2
    exit 1
}

install_missing() {
    local missing=()
    while read -r pkg; do
        [[ -z $pkg || $pkg == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done < scripts/packages.txt
    ((${#missing[@]})) || return 0
    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || need_root "${missing[@]}"
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j "$(nproc)"
}

case "$action" in
start)
    install_missing
    build_all
    # The program reads its pattern, script, pictures and help beside it.
    cd "$build/bin" && exec ./quillory
    ;;
test)
    install_missing
    build_all
    cd "$build"
    # -noreset: the server must not restart whenever the last test window closes,
    # or a test that connects at that moment finds no display.
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure --no-tests=error --timeout 300 -j "$(nproc)"
    ;;
fuzz)
    install_missing
    fuzz_build=$top/build-fuzz
    cmake -S "$top" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
          -DQUILLORY_FUZZ=ON -DQUILLORY_TESTS=OFF -DQUILLORY_BENCH=OFF
    cmake --build "$fuzz_build" -j "$(nproc)" --target fuzz_document
    # New finds go to the build folder; the seeds in the tree stay as they are.
    # Inputs may reach one byte past the size bound, so every bound is reachable.
    mkdir -p "$fuzz_build/corpus-document"
    cd "$fuzz_build/bin"
    # The dictionary of the markup lets mutations reach grids, references and solutions.
    exec ./fuzz_document -max_len=2097153 -timeout=10 -max_total_time="${2:-600}" \
         -dict="$top/fuzz/document.dict" "$fuzz_build/corpus-document" "$top/fuzz/corpus/document"
    ;;
*)
    echo "usage: $0 start|test|fuzz [seconds]" >&2
    exit 2
    ;;
esac
