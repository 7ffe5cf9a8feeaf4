#!/usr/bin/env bash
# The Debian package: built by CPack from a build directory, checked by
# lintian when it is installed (errors fail, warnings are listed), installed
# with dpkg, run (version and the example file), removed again.
# Usage: paquet.sh <build directory> <source tree>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

(cd "$build" && cpack -G DEB -B "$travail/paquet" >/dev/null)
deb=$(ls "$travail"/paquet/telvaros_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Depends

if command -v lintian >/dev/null; then
  rapport=$(lintian --allow-root "$deb" 2>&1 || true)
  [ -z "$rapport" ] || echo "$rapport"
  if echo "$rapport" | grep -q '^E: '; then echo "lintian reports errors"; exit 1; fi
else
  echo "lintian is not installed: the package is not checked by it"
fi

dpkg -i "$deb" >/dev/null
trap 'dpkg -r telvaros >/dev/null 2>&1 || true; rm -rf "$travail"' EXIT
[ "$(/usr/bin/telvaros -v)" = "2.24.0 " ]
mkdir "$travail/run"
cp /usr/share/doc/telvaros/examples/exemple.vse "$travail/run/"
/usr/bin/telvaros "$travail/run/exemple.vse" "$travail/run/exemple.res" "$travail/run/exemple.log"
[ -s "$travail/run/exemple.res" ] && [ ! -s "$travail/run/exemple.log" ]
man -w telvaros >/dev/null
dpkg -r telvaros >/dev/null
echo "package built, installed, run and removed"
