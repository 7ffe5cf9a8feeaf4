#!/usr/bin/env bash
# What `cmake --install` lays out, and the manual page rendered without a
# warning. Usage: installation.sh <build directory> <source tree>
set -euo pipefail
build=$1
source=$2
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
statut=0

cmake --install "$build" --prefix "$prefixe" >/dev/null
for f in bin/telvaros bin/telvaros-rapport share/man/man1/telvaros.1.gz share/man/man1/telvaros-rapport.1.gz share/doc/telvaros/README.md \
  share/doc/telvaros/copyright share/doc/telvaros/changelog.gz; do
  [ -f "$prefixe/$f" ] || { echo "not installed: $f"; statut=1; }
done
for e in "$source"/examples/*.vse; do
  cmp -s "$e" "$prefixe/share/doc/telvaros/examples/$(basename "$e")" ||
    { echo "example not installed as it is: $(basename "$e")"; statut=1; }
done
[ "$("$prefixe/bin/telvaros" -v)" = "2.24.0 " ] || { echo "installed telvaros -v"; statut=1; }

# The installed manual page is the source page, compressed.
cmp -s <(gzip -dc "$prefixe/share/man/man1/telvaros.1.gz") "$source/doc/telvaros.1" ||
  { echo "installed manual page differs from doc/telvaros.1"; statut=1; }
# Both pages rendered with every warning on: not one may be printed.
for page in telvaros.1 telvaros-rapport.1; do
  avertissements=$(groff -man -ww -z "$source/doc/$page" 2>&1)
  [ -z "$avertissements" ] || { echo "groff warnings ($page):"; echo "$avertissements"; statut=1; }
  if command -v man >/dev/null; then
    avertissements=$(MANWIDTH=80 man --warnings -l "$source/doc/$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || { echo "man warnings ($page):"; echo "$avertissements"; statut=1; }
  fi
done
# The manual page gives the usage line of the tool.
grep -q 'fichier\\-a\\-traiter' "$source/doc/telvaros.1" || { echo "synopsis missing"; statut=1; }

[ $statut -eq 0 ] && echo "installation and manual page: as expected"
exit $statut
