// Messages of the fatal errors, as written in the log: the driver logs them,
// and the engine names the two that stop a run on the FICH record.
#pragma once

namespace message {
inline constexpr char IG002[] =
    "IG002: Données incorrectes ou absentes : impossible d'accéder au fichier d'erreur";
inline constexpr char IG003[] =
    "IG003: Données incorrectes ou absentes : impossible d'accéder au fichier temporaire à traiter";
inline constexpr char IG004[] =
    "IG004: Données incorrectes ou absentes : impossible d'accéder au fichier à émettre";
inline constexpr char IG008[] = "IG008: Differents formats de VSE (DOS, UNIX, MAC)";
inline constexpr char IG009[] =
    "IG009: Données incorrectes ou absentes : impossible de renommer le fichier reçu";
inline constexpr char IG010[] =
    "IG010: Données incorrectes ou absentes : impossible de renommer le fichier à envoyer";
inline constexpr char IG011[] = "IG011: Données incorrectes ou absentes : VSE FICH n'existe pas";
inline constexpr char IG014[] = "IG014: Pas de VSE de base";
inline constexpr char IG015[] = "IG015: Présence de VSE de longueur nulle";
inline constexpr char I073[] = "I073 : Plus de 10000 enregistrements dans le fichier";
inline constexpr char I099[] = "I099 : Donnée absente : numéro du fichier émis";
}  // namespace message
