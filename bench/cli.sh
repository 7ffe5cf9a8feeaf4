#!/usr/bin/env bash
# Times whole runs of telvaros, one record type at a time, on maximum-size
# inputs: the FICH record and 10000 valid records of that type, taken in turn
# from an example file (bench/fabriquer.awk; an EXP1 or EGET creation comes
# with its EXP2 or RATA pair). For each type three commands alternate in one
# loop, each run on a fresh copy of the input made outside the timed part:
#   telvaros IN OUT LOG
#   plancher IN OUT LOG        the same file operations without validation
#   dd if=IN of=OUT bs=1M conv=fsync
# and the order of the three turns from run to run. Prints per type the
# median of the paired ratios telvaros/plancher and telvaros/dd, the median
# time of each command, the instructions per record of the whole process
# (valgrind --tool=callgrind over the whole run divided by 10000, when
# valgrind is installed) and the peak memory (maximum resident set) of a run;
# then the peak memory of a run on a 40 MB file of over-long lines.
#
# Usage: bench/cli.sh [telvaros binary] [plancher binary] [number of runs]
#   defaults: build/telvaros, build/bench/plancher (a Release build with
#   -DTELVAROS_BENCH=ON), 11 runs.
#   TYPES="NAIS ABAT" restricts the types; BENCH_DIR chooses the directory
#   (and so the file system) of the runs; CALLGRIND=0 skips the counts.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
telvaros=$(realpath "${1:-$racine/build/telvaros}")
plancher=$(realpath "${2:-$racine/build/bench/plancher}")
essais=${3:-11}
types=${TYPES:-"ABAT ACTI ASSO DETE DETI ECBO ECHA EGET ENTR ERRE ERTI EXP1 EXP2 GROC IMOC IMPO INFO NAIS NUMA NVMN PASS PICO RACO RATA REBO SORT"}
[ -x "$telvaros" ] || { echo "no telvaros binary at $telvaros" >&2; exit 1; }
[ -x "$plancher" ] || { echo "no plancher binary at $plancher" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (package time)" >&2; exit 1; }
compter=0
if [ "${CALLGRIND:-1}" != 0 ] && command -v valgrind > /dev/null; then compter=1; fi

rep=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/telvaros-cli.XXXXXX")
trap 'rm -rf "$rep"' EXIT
cd "$rep"

# The example file a type's records are taken from: the first that holds it.
sources="abattages.vse associations.vse demandes-info.vse detenteurs.vse dispositifs.vse
         entrees-sorties.vse etablissements.vse imports.vse naissances.vse retours-erreur.vse exemple.vse"
source_de() {
  local f
  for f in $sources; do
    if cut -c22-25 "$racine/examples/$f" | grep -qx "$1"; then echo "$racine/examples/$f"; return; fi
  done
  return 1
}

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
  rm -f a_traiter.vse a_traiter.vse_r resultat.vse journal.log copie.vse
  cp entree.vse a_traiter.vse
  sync
}

lancer_telvaros() { env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log; }
lancer_plancher() { "$plancher" a_traiter.vse resultat.vse journal.log; }
lancer_dd() { dd if=a_traiter.vse of=copie.vse bs=1M conv=fsync status=none; }

chronometrer() {
  preparer
  local debut fin
  debut=$(maintenant)
  "$@" > /dev/null
  fin=$(maintenant)
  echo $((fin - debut))
}

mediane() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
rapport() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
ms() { awk -v t="$1" 'BEGIN { printf "%.2f", t / 1000 }'; }

printf '%-5s %9s %9s %9s %8s %8s %9s %9s\n' type telvaros plancher dd "t/plan" "t/dd" "instr/rec" "peak KiB"
pire_p=0; pire_d=0; pire_i=0
for type in $types; do
  source=$(source_de "$type") || { echo "no example record of type $type" >&2; exit 1; }
  awk -v t="$type" -v n=10000 -f "$racine/bench/fabriquer.awk" "$source" > entree.vse

  # The input must be accepted whole, or the timing would not be of a full run.
  preparer
  code=0
  lancer_telvaros || code=$?
  if [ "$code" -ne 0 ] || [ "$(wc -l < resultat.vse)" -ne 10001 ]; then
    echo "the generated input of type $type is not accepted (exit code $code)" >&2
    exit 1
  fi

  temps_t=(); temps_p=(); temps_d=()
  for ((i = 0; i < essais; i++)); do
    case $((i % 3)) in
      0) temps_t+=("$(chronometrer lancer_telvaros)"); temps_p+=("$(chronometrer lancer_plancher)"); temps_d+=("$(chronometrer lancer_dd)") ;;
      1) temps_p+=("$(chronometrer lancer_plancher)"); temps_d+=("$(chronometrer lancer_dd)"); temps_t+=("$(chronometrer lancer_telvaros)") ;;
      2) temps_d+=("$(chronometrer lancer_dd)"); temps_t+=("$(chronometrer lancer_telvaros)"); temps_p+=("$(chronometrer lancer_plancher)") ;;
    esac
  done
  ratios_p=(); ratios_d=()
  for ((i = 0; i < essais; i++)); do
    ratios_p+=("$(rapport "${temps_t[i]}" "${temps_p[i]}")")
    ratios_d+=("$(rapport "${temps_t[i]}" "${temps_d[i]}")")
  done

  instructions=-
  if [ "$compter" = 1 ]; then
    preparer
    total=$(env -u TMPDIR valgrind --tool=callgrind --callgrind-out-file=/dev/null "$telvaros" \
              a_traiter.vse resultat.vse journal.log 2>&1 | awk '/Collected/ { print $NF }')
    instructions=$((total / 10000))
  fi
  preparer
  memoire=$( { /usr/bin/time -f %M env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log > /dev/null; } 2>&1 | tail -n 1)

  mp=$(mediane "${ratios_p[@]}"); md=$(mediane "${ratios_d[@]}")
  printf '%-5s %9s %9s %9s %8s %8s %9s %9s\n' "$type" "$(ms "$(mediane "${temps_t[@]}")")" \
    "$(ms "$(mediane "${temps_p[@]}")")" "$(ms "$(mediane "${temps_d[@]}")")" "$mp" "$md" "$instructions" "$memoire"
  pire_p=$(awk -v a="$pire_p" -v b="$mp" 'BEGIN { print (b > a ? b : a) }')
  pire_d=$(awk -v a="$pire_d" -v b="$md" 'BEGIN { print (b > a ? b : a) }')
  [ "$instructions" = - ] || [ "$instructions" -le "$pire_i" ] || pire_i=$instructions
done
echo "times in ms (medians of $essais runs); worst type: telvaros/plancher $pire_p, telvaros/dd $pire_d, $pire_i instructions per record"

# Peak memory on 10000 lines of 4000 characters after the FICH record.
rm -f a_traiter.vse a_traiter.vse_r resultat.vse journal.log
{
  head -n 1 entree.vse
  long=$(printf '%04000d' 0)
  for ((i = 0; i < 10000; i++)); do printf '%s\n' "$long"; done
} > a_traiter.vse
taille_longue=$(stat -c %s a_traiter.vse)
memoire_longue=$( { /usr/bin/time -f %M env -u TMPDIR "$telvaros" a_traiter.vse resultat.vse journal.log > /dev/null || true; } 2>&1 | tail -n 1)
echo "peak memory on $taille_longue bytes of over-long lines: $memoire_longue KiB"
