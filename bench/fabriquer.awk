# Writes the FICH record of the file (announcing n records) and n records of
# type t taken in turn from the file; an EXP1 or EGET creation comes with the
# record that follows it (its pair).
NR == 1 { fich = substr($0, 1, 94) sprintf("%06d", n) substr($0, 101); next }
suite { unites[u] = unites[u] "\n" $0; tailles[u]++; suite = 0; next }
substr($0, 22, 4) == t {
  unites[++u] = $0; tailles[u] = 1
  if (substr($0, 19, 3) == "CRE" && (t == "EXP1" || t == "EGET")) suite = 1
}
END {
  if (u == 0) exit 1
  print fich
  for (ecrits = 0; ecrits < n; i = i % u + 1) {
    if (i == 0) continue
    if (ecrits + tailles[i] > n) continue
    print unites[i]; ecrits += tailles[i]
  }
}
