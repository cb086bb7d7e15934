#include "banque_fuzz.h"

namespace orvan::fuzz {

namespace {

// 22 places: -1 (nothing chosen) and the 20 genes of the lists, and one past them.
constexpr int nb_places = 22;

int place(unsigned char octet) {
    return octet % nb_places - 1;
}

unsigned char octet_de_place(int place) {
    return static_cast<unsigned char>(place + 1);
}

} // namespace

ChoixBanque lit_entete(std::string_view entete) {
    ChoixBanque c;
    if (entete.size() < taille_entete_banque) return c;
    c.nb_genes = (entete[0] & 1) ? 2 : 1;
    c.premier = place(static_cast<unsigned char>(entete[1]));
    c.second = place(static_cast<unsigned char>(entete[2]));
    c.phenotypes[0] = static_cast<unsigned char>(entete[3]);
    c.phenotypes[1] = static_cast<unsigned char>(entete[4]);
    return c;
}

std::string ecrit_entete(const ChoixBanque& choix) {
    return {static_cast<char>(choix.nb_genes == 2 ? 1 : 0),
            static_cast<char>(octet_de_place(choix.premier)),
            static_cast<char>(octet_de_place(choix.second)), static_cast<char>(choix.phenotypes[0]),
            static_cast<char>(choix.phenotypes[1])};
}

std::vector<std::string> journal_du_choix(const ChoixBanque& choix) {
    const bool deux = choix.nb_genes == 2;
    std::vector<std::string> l = {"aleat=4242", deux ? "bitbtn5click" : "bitbtn4click",
                                  "group_premclick." + std::to_string(choix.premier)};
    if (deux) l.push_back("group_secclick." + std::to_string(choix.second));
    l.push_back("bitbtn1click");
    // Individuals 1 and 2 are the founders, 3 their first child.
    const char* nb_enfants[] = {"nb_desc=3", "nb_desc=2", "nb_desc=1"};
    for (int n = 1; n <= 3; ++n) {
        const int decalage = 2 * (n - 1);
        l.push_back("choix_all(" + std::to_string(n) + ",left)");
        l.push_back("prem_alleleclick." + std::to_string(choix.phenotypes[0] >> decalage & 3));
        if (deux)
            l.push_back("sec_alleleclick." + std::to_string(choix.phenotypes[1] >> decalage & 3));
        if (n > 1) l.push_back(nb_enfants[n - 2]);
        l.push_back("all_okclick");
    }
    return l;
}

} // namespace orvan::fuzz
