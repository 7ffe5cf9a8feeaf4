#!/usr/bin/env bash
# The README's batch recipe over 200 files (valid, in error, fatal), two runs
# at a time, with GNU parallel and with xargs -P: every answer and every log
# must be the one a run of the same file alone gives (time stamps masked), the
# job log must give each file's exit code, and no temporary name may be left.
# Usage: lot.sh <telvaros binary> <source tree>
set -euo pipefail
telvaros=$1
source=$2
# In memory where the machine has it: 600 runs that each sync their answer.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then travail=$(mktemp -d -p /dev/shm); else travail=$(mktemp -d); fi
trap 'rm -rf "$travail"' EXIT

# Answers carry the run's time in columns 231 to 244 of the lines the run
# writes; log lines begin with the run's date and time.
masquer() { sed -E 's/^(.{230})[0-9]{14}/\1##############/; s/^Le [0-9\/]{10} a [0-9:]{8} : /Le # : /' "$1"; }

# 200 inputs: copies of the example files, copies with one record broken
# (an unknown action code), and fatal ones (no FICH record first; mixed line
# ends).
mkdir -p "$travail/modeles" "$travail/entrees"
exemples=("$source"/examples/*.vse)
n=0
for ((i = 0; i < 200; ++i)); do
  e=${exemples[i % ${#exemples[@]}]}
  f="$travail/modeles/f$(printf %03d "$i").vse"
  case $((i % 4)) in
    0 | 1) cp "$e" "$f" ;;
    2) sed '2s/^\(.\{18\}\).../\1XXX/' "$e" >"$f" ;;
    3) if ((i % 8 == 3)); then tail -n +2 "$e" >"$f"; else sed '2s/$/\r/' "$e" >"$f"; fi ;;
  esac
  n=$((n + 1))
done

# Each file alone, one after the other.
mkdir -p "$travail/seul"
declare -A attendu
for f in "$travail"/modeles/*.vse; do
  b=$(basename "$f" .vse)
  cp "$f" "$travail/seul/$b.vse"
  set +e
  "$telvaros" "$travail/seul/$b.vse" "$travail/seul/$b.res" "$travail/seul/$b.log" >/dev/null 2>&1
  attendu[$b]=$?
  set -e
done

verifier() {  # <directory of answers> <label>
  local dir=$1 nom=$2 echecs=0
  for f in "$travail"/modeles/*.vse; do
    b=$(basename "$f" .vse)
    for ext in res log; do
      if [ -e "$travail/seul/$b.$ext" ] || [ -e "$dir/$b.$ext" ]; then
        if ! cmp -s <(masquer "$travail/seul/$b.$ext" 2>&1) <(masquer "$dir/$b.$ext" 2>&1); then
          [ $echecs -eq 1 ] || echo "$nom: $b.$ext differs from the run alone (first difference)"; echecs=1
        fi
      fi
    done
  done
  if ls "$travail/entrees" | grep -qE '_[reo]$'; then
    echo "$nom: temporary names left:"; ls "$travail/entrees"; echecs=1
  fi
  return $echecs
}

statut=0
if command -v parallel >/dev/null; then
  rm -rf "$travail/entrees" "$travail/par" && mkdir -p "$travail/entrees" "$travail/par"
  cp "$travail"/modeles/*.vse "$travail/entrees/"
  # GNU parallel hands its jobs TMPDIR (its own --tmpdir, /tmp by default):
  # the temporary names must lie on the inputs' file system.
  mkdir -p "$travail/tmp"
  (cd "$travail" && parallel -j2 --tmpdir tmp --joblog lot.joblog \
    "$telvaros" {} par/{/.}.res par/{/.}.log ::: entrees/*.vse >/dev/null 2>&1) || true
  verifier "$travail/par" parallel || statut=1
  # The job log: one line per file with its exit code (column 7) and command.
  lignes=$(tail -n +2 "$travail/lot.joblog" | wc -l)
  [ "$lignes" -eq "$n" ] || { echo "parallel: $lignes lines in the job log for $n files"; statut=1; }
  while IFS=$'\t' read -r _ _ _ _ _ _ code _ commande; do
    b=$(basename "$(echo "$commande" | awk '{print $2}')" .vse)
    [ "$code" = "${attendu[$b]}" ] || { echo "parallel: $b exit $code, alone ${attendu[$b]}"; statut=1; }
  done < <(tail -n +2 "$travail/lot.joblog")
else
  echo "GNU parallel is not installed: its recipe is not tested"
fi

rm -rf "$travail/entrees" "$travail/xa" && mkdir -p "$travail/entrees" "$travail/xa"
cp "$travail"/modeles/*.vse "$travail/entrees/"
(cd "$travail" && printf '%s\0' entrees/*.vse | xargs -0 -P2 -I{} sh -c \
  'b=$(basename "$1" .vse); "$0" "$1" "xa/$b.res" "xa/$b.log" >/dev/null 2>&1; echo "$1 $?" >> lot.codes' \
  "$telvaros" {})
verifier "$travail/xa" xargs || statut=1
while read -r chemin code; do
  b=$(basename "$chemin" .vse)
  [ "$code" = "${attendu[$b]}" ] || { echo "xargs: $b exit $code, alone ${attendu[$b]}"; statut=1; }
done <"$travail/lot.codes"
[ "$(wc -l <"$travail/lot.codes")" -eq "$n" ] || { echo "xargs: not every file ran"; statut=1; }

codes=$(printf '%s\n' "${attendu[@]}" | sort | uniq -c | tr -s ' \n' ' ')
echo "$n files, exit codes alone:$codes"
[ $statut -eq 0 ] && echo "batch runs: every answer as alone"
exit $statut
