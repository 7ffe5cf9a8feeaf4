#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz target into fuzz/corpus/: the example
files, and small valid and near-valid files of every record type, action
code, line end and stop condition of the reader. Run from anywhere:
    python3 fuzz/faire_corpus.py
"""
import pathlib

ICI = pathlib.Path(__file__).resolve().parent
RACINE = ICI.parent
CORPUS = ICI / "corpus"


def ajuster(valeur, largeur):
    return valeur[:largeur].ljust(largeur)


def vse(e5="CRE", e6="ENTR", corps="", f5="*", e3="001IPG  ", e4="031BDN  "):
    """A record whose header and trailer every header and trailer rule accepts."""
    entete = ("A" + "B" + ajuster(e3, 8) + ajuster(e4, 8) + ajuster(e5, 3) + ajuster(e6, 4) + "X" + "001IPG  "
              + "00000001" + "BDN     " + "0000000001" + "3" + "N")
    return entete + ajuster(corps, 168) + "20062024" + "120000" + "025" + " " * 8 + ajuster(f5, 1)


def fich(nombre, numero="FIC0000000000001"):
    corps = ajuster(numero, 16).ljust(32) + "%06d" % nombre
    return vse("INF", "FICH", corps.ljust(56) + "REF001")


# A body that most movement-like types read as country, national number,
# status, a date, a cause, then holdings and a later date.
CORPS = ("FR" + "0112345678  " + "  " + "15062024" + "A" + "FR" + "01234567    " + "FR" + "02345678    ").ljust(122) \
    + "16062024"

TYPES = ["ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERRE", "ERTI", "EXP1", "EXP2",
         "GROC", "IMOC", "IMPO", "INFO", "NAIS", "NUMA", "NVMN", "PASS", "PICO", "RACO", "RATA", "REBO", "SORT"]


def fichier(lignes, fin="\n"):
    return "".join(l + fin for l in lignes)


def ecrire(nom, contenu):
    (CORPUS / nom).write_bytes(contenu.encode("latin-1") if isinstance(contenu, str) else contenu)


def main():
    CORPUS.mkdir(exist_ok=True)
    for ancien in CORPUS.glob("*"):
        ancien.unlink()

    # The example files, cut to their first records when long, and the valid
    # records of each type they hold (at most six), behind their own FICH.
    def avec_fich(tete, enregistrements):
        n = len(enregistrements)
        return [tete[:94] + "%06d" % n + tete[100:]] + enregistrements

    for exemple in sorted((RACINE / "examples").glob("*.vse")):
        lignes = exemple.read_text(encoding="latin-1").splitlines()
        ecrire("exemple-" + exemple.stem + ".vse", fichier(avec_fich(lignes[0], lignes[1:9])))
        par_type = {}
        # A creation that opens a pairing keeps the record that closes it.
        famille = {"EXP2": "EXP1", "RATA": "EGET"}
        for ligne in lignes[1:]:
            par_type.setdefault(famille.get(ligne[21:25], ligne[21:25]), []).append(ligne)
        for t, enregistrements in sorted(par_type.items()):
            nom = "valide-" + exemple.stem + "-" + t.lower() + ".vse"
            ecrire(nom, fichier(avec_fich(lignes[0], enregistrements[:6])))

    # One record of every type, with the generic body.
    for t in TYPES:
        ecrire("type-" + t.lower() + ".vse", fichier([fich(1), vse("CRE", t, CORPS)]))
    # Every action code.
    for action in ["CRE", "DEM", "INV", "EDI", "MOD", "ECQ", "INF", "ERR", "XYZ"]:
        ecrire("action-" + action.lower() + ".vse", fichier([fich(1), vse(action, "ENTR", CORPS)]))
    # Pairings: opened and closed, opened and left open, opened and broken.
    lien = "0112345678  "
    exp1 = vse("CRE", "EXP1", "FR" + lien)
    exp2 = vse("CRE", "EXP2", "FR" + lien)
    eget = vse("CRE", "EGET", "FR" + lien + "  P")
    rata = vse("CRE", "RATA", "FR" + lien)
    ecrire("paire-exp.vse", fichier([fich(2), exp1, exp2]))
    ecrire("paire-exp-ouverte.vse", fichier([fich(1), exp1]))
    ecrire("paire-exp-rompue.vse", fichier([fich(2), exp1, vse("CRE", "ENTR", CORPS)]))
    ecrire("paire-eget.vse", fichier([fich(2), eget, rata]))
    ecrire("paire-eget-ouverte.vse", fichier([fich(1), eget]))
    # ERRE records answered back.
    ecrire("erre-ecq.vse", fichier([fich(1), vse("ECQ", "ERRE", "NAISCRE")]))
    # Partners.
    ecrire("partenaire.vse", fichier([fich(1, "FIC0000000000002")[:2] + "NORM01  " + fich(1)[10:],
                                      vse("CRE", "NAIS", CORPS, e3="NORM01  ")]))

    bon = vse("CRE", "ENTR", CORPS)
    # Line ends and the end of the input.
    ecrire("dos.vse", fichier([fich(2), bon, bon], "\r\n"))
    ecrire("mac.vse", fichier([fich(2), bon, bon], "\r"))
    ecrire("ctrl-z.vse", fichier([fich(1), bon]) + "\x1a" + bon)
    ecrire("sans-fin-de-ligne.vse", fichier([fich(2), bon]) + bon)
    ecrire("formats-melanges.vse", fichier([fich(2), bon]) + bon + "\r\n")
    ecrire("ligne-vide.vse", fichier([fich(2), bon, ""]))
    # Lengths and characters.
    ecrire("courte.vse", fichier([fich(2), bon, bon[:120]]))
    ecrire("longue.vse", fichier([fich(1), bon + "EN TROP"]))
    ecrire("caracteres.vse", fichier([fich(1), bon[:100] + "\t\xe9" + bon[102:]]))
    ecrire("nul.vse", fichier([fich(1), bon[:80] + "\x00" + bon[81:]]))
    # Stops and file-level errors.
    ecrire("fich-seul.vse", fichier([fich(0)]))
    ecrire("sans-fich.vse", fichier([bon, bon]))
    ecrire("fich-sans-numero.vse", fichier([fich(1, ""), bon]))
    ecrire("nombre-faux.vse", fichier([fich(5), bon, bon]))
    ecrire("fich-en-erreur.vse", fichier([fich(1)[:255] + "-", bon]))
    ecrire("refus.vse", fichier([fich(3), bon, vse("CRE", "ENTR", CORPS, f5="-"), bon]))
    ecrire("vide.vse", "")


if __name__ == "__main__":
    main()
