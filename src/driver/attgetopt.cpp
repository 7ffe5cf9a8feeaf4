// Single-letter option parser.
#include "driver/attgetopt.h"

#include <cstdio>
#include <cstring>

namespace {

void signaler(const sGetopt& etat, char** argv, const char* texte, int lettre) {
    if (etat.opterr == 0) return;
    std::fputs(argv[0], stderr);
    std::fputs(texte, stderr);
    std::fputc(lettre, stderr);
    std::fputc('\n', stderr);
}

}  // namespace

int getopt(sGetopt& etat, int argc, char** argv, const char* opts) {
    if (etat.position == 1) {
        if (etat.optind >= argc || argv[etat.optind][0] != '-' || argv[etat.optind][1] == '\0') return -1;
        if (std::strcmp(argv[etat.optind], "--") == 0) {
            ++etat.optind;
            return -1;
        }
    }
    const char* argument = argv[etat.optind];
    const int lettre = static_cast<unsigned char>(argument[etat.position]);
    const char* trouve = lettre == ':' ? nullptr : std::strchr(opts, lettre);
    if (trouve == nullptr) {
        signaler(etat, argv, ": illegal option -- ", lettre);
        if (argument[++etat.position] == '\0') {
            ++etat.optind;
            etat.position = 1;
        }
        return '?';
    }
    if (trouve[1] == ':') {
        if (argument[etat.position + 1] != '\0') {
            etat.optarg = argv[etat.optind++] + etat.position + 1;
        } else if (++etat.optind >= argc) {
            signaler(etat, argv, ": option requires an argument -- ", lettre);
            etat.position = 1;
            return '?';
        } else {
            etat.optarg = argv[etat.optind++];
        }
        etat.position = 1;
    } else {
        if (argument[++etat.position] == '\0') {
            etat.position = 1;
            ++etat.optind;
        }
        etat.optarg = nullptr;
    }
    return lettre;
}
