#!/usr/bin/env bash
# Installs what the build needs, builds, lays out the demo installation (registry file,
# client configuration, seeded database) and runs the QTXR72 job form in the host. Without a
# display the form runs offscreen and a picture of it is saved as build/qtxr72-form.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KTR_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"

demo="$build/demo"
mkdir -p "$demo/Data" "$demo/Log"
cat > "$demo/registry.ini" <<INI
[Software\\KTR\\Keelhaven]
ClientPath=$demo
ServerPath=$demo
INI
cat > "$demo/KeelhavenC.ini" <<INI
[Server Information]
; 127.0.0.1 runs the application server inside the client; another address is reached over TCP.
ComputerName=127.0.0.1
ServerPort=211
[CodePage]
UICodePage=936
DBCodePage=936
INI
[ -f "$demo/Data/ktr.db" ] || "$build/bin/ktr-appserver" --init-demo "$demo/Data/ktr.db"
export KTR_REGISTRY="$demo/registry.ini" KTR_DATABASE="$demo/Data/ktr.db"

args=(--plugin "$build/bin/QTXR72C.so" --user 796 --company QaTest60 --database QaTest60)
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
  args+=(--screenshot "$build/qtxr72-form.png" --close-after 1500)
fi
exec "$build/bin/ktr-client" "${args[@]}" "$@"
