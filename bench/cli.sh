#!/usr/bin/env bash
# Times whole runs of telvaros on a maximum-size input (the FICH record and
# 10000 valid records of mixed types, cut from the example files) against
#   dd if=IN of=OUT bs=1M conv=fsync
# over the same file: the same reading, writing and sync, without validation.
# The two commands alternate (which one goes first alternates too), each run
# on a fresh copy of the input made outside the timed part. Prints the median
# of the paired ratio telvaros/dd, the median time of each, and the peak
# memory (maximum resident set) of a run on that file and on a 40 MB file of
# over-long lines.
#
# Usage: bench/cli.sh [path of the telvaros binary] [number of runs]
#   default binary: build/telvaros (a Release build); default runs: 21.
#   BENCH_DIR chooses the directory (and so the file system) of the runs.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
telvaros=$(realpath "${1:-$racine/build/telvaros}")
essais=${2:-21}
[ -x "$telvaros" ] || { echo "no telvaros binary at $telvaros" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (package time)" >&2; exit 1; }

rep=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/telvaros-cli.XXXXXX")
trap 'rm -rf "$rep"' EXIT
cd "$rep"

# --- The input: FICH announcing 10000 records, then the example records in turn.
mapfile -t exemples < <(cat "$racine/examples/exemple.vse" "$racine/examples/entrees-sorties.vse" \
                            "$racine/examples/naissances.vse")
fich=${exemples[0]}
fich="${fich:0:94}010000${fich:100}"
enregistrements=()
for ligne in "${exemples[@]}"; do
  [ "${ligne:21:4}" = FICH ] || enregistrements+=("$ligne")
done
{
  printf '%s\n' "$fich"
  for ((i = 0; i < 10000; i++)); do
    printf '%s\n' "${enregistrements[i % ${#enregistrements[@]}]}"
  done
} > entree.vse

# Microseconds since the epoch, without starting a process when bash can.
maintenant() {
  if [ -n "${EPOCHREALTIME:-}" ]; then
    local t=${EPOCHREALTIME/[.,]/}
    echo "$t"
  else
    echo $(( $(date +%s%N) / 1000 ))
  fi
}

preparer() {
  rm -f a_traiter.vse resultat.vse journal.log copie.vse
  cp entree.vse a_traiter.vse
  sync
}

lancer_telvaros() {
  env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log
}

lancer_dd() {
  dd if=a_traiter.vse of=copie.vse bs=1M conv=fsync status=none
}

# The input must be accepted whole, or the timing would not be of a full run.
preparer
code=0
lancer_telvaros || code=$?
if [ "$code" -ne 0 ] || [ "$(wc -l < resultat.vse)" -ne 10001 ]; then
  echo "the generated input is not accepted (exit code $code)" >&2
  exit 1
fi

chronometrer() {
  preparer
  local debut fin
  debut=$(maintenant)
  "$@" > /dev/null
  fin=$(maintenant)
  echo $((fin - debut))
}

temps_t=()
temps_d=()
for ((i = 0; i < essais; i++)); do
  if ((i % 2 == 0)); then
    temps_t+=("$(chronometrer lancer_telvaros)")
    temps_d+=("$(chronometrer lancer_dd)")
  else
    temps_d+=("$(chronometrer lancer_dd)")
    temps_t+=("$(chronometrer lancer_telvaros)")
  fi
done

mediane() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ratios=()
for ((i = 0; i < essais; i++)); do
  ratios+=("$(awk -v t="${temps_t[i]}" -v d="${temps_d[i]}" 'BEGIN { printf "%.3f", t / d }')")
done

# Peak memory of a run: the maximum-size file, then 10000 lines of 4000 characters.
preparer
memoire=$( { /usr/bin/time -f %M env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log > /dev/null; } 2>&1 | tail -n 1)
rm -f a_traiter.vse resultat.vse journal.log
{
  printf '%s\n' "$fich"
  long=$(printf '%04000d' 0)
  for ((i = 0; i < 10000; i++)); do printf '%s\n' "$long"; done
} > a_traiter.vse
taille_longue=$(stat -c %s a_traiter.vse)
memoire_longue=$( { /usr/bin/time -f %M env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log > /dev/null || true; } 2>&1 | tail -n 1)

echo "input: $(stat -c %s entree.vse) bytes, 10001 lines; $essais runs of each command in $rep"
printf 'telvaros median: %8.2f ms\n' "$(awk -v t="$(mediane "${temps_t[@]}")" 'BEGIN { print t / 1000 }')"
printf 'dd median:       %8.2f ms\n' "$(awk -v t="$(mediane "${temps_d[@]}")" 'BEGIN { print t / 1000 }')"
echo "paired ratio telvaros/dd: median $(mediane "${ratios[@]}") (runs: ${ratios[*]})"
echo "peak memory: $memoire KiB (maximum-size file), $memoire_longue KiB ($taille_longue bytes of over-long lines)"
