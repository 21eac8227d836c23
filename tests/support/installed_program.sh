# Sourced by the end-to-end scripts: installs the build into a temporary folder as `make install` does,
# with the user's folders inside it, and captures the engine's device there.
#   install_program <build dir> <source dir> [folder name]
# Sets: work (removed on exit), prefix (the installation), capture (the device capture file).
# Defines: fail MESSAGE.
fail() { echo "FAIL: $*" >&2; exit 1; }

install_program() {
  local build=$1 source=$2 name=${3:-Piano}
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  prefix="$work/$name"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp"
  mkdir -p "$TMPDIR"
  "$source/scripts/register-install" "$prefix" >/dev/null
  capture="$work/capture.txt"
  export NOTEWIRE_CAPTURE="$capture"
  unset QT_QPA_PLATFORM
}
