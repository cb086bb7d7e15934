// Replaying the event log through the same handlers, and undo.
#include "app/form1.h"

#include "history/nombre.h"
#include "ui/texte.h"

namespace orvan {

namespace {

bool dans(std::int64_t v, int bas, int haut) {
    return v >= bas && v <= haut;
}

int vers_int(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -1'000'000'000, 1'000'000'000));
}

// "(a,b)" after the key: the first number before the first ",", the second before the ")".
std::pair<std::int64_t, std::int64_t> deux_nombres(std::string& t) {
    supprime_jusqua(t, '(');
    const std::int64_t a = lit_nombre(avant(t, ','));
    supprime_jusqua(t, ',');
    const std::int64_t b = lit_nombre(avant(t, ')'));
    return {a, b};
}

} // namespace

void TForm1::BitBtn12Click() {
    visible = false;
    rejeu_en_cours = 1;
    const std::size_t nb = evenements->lignes.size();
    for (std::size_t i = 0; i < nb && i < evenements->lignes.size(); ++i) {
        std::string t = evenements->lignes[i];
        if (contient(t, "'")) continue;

        if (contient(t, "aleat=")) {
            supprime_jusqua(t, '=');
            alea.graine_alea = static_cast<std::uint32_t>(lit_nombre(t));
        }

        if (t == "bitbtn4click")
            Monohybridisme1Click();
        else if (t == "bitbtn5click")
            Dihybridisme1Click();
        else if (t == "bitbtn1click")
            BitBtn1Click();
        else if (t == "all_okclick")
            all_OKClick();
        else if (t == "all_annulclick")
            all_annulClick();
        else if (t == "bitbtn7click")
            BitBtn7Click();

        if (contient(t, "group_premclick")) {
            supprime_jusqua(t, '.');
            Group_prem->selectionne(vers_int(lit_nombre(t)));
        }
        if (contient(t, "group_secclick")) {
            supprime_jusqua(t, '.');
            Group_sec->selectionne(vers_int(lit_nombre(t)));
        }
        if (contient(t, "choix_all")) {
            supprime_jusqua(t, '(');
            const std::int64_t k = lit_nombre(avant(t, ','));
            supprime_jusqua(t, ',');
            if (dans(k, 1, max_individus))
                choix_all(static_cast<int>(k), t == "right)" ? Bouton::droit : Bouton::gauche);
        }
        if (contient(t, "prem_alleleclick")) {
            supprime_jusqua(t, '.');
            prem_allele->selectionne(vers_int(lit_nombre(t)));
        }
        if (contient(t, "sec_alleleclick")) {
            supprime_jusqua(t, '.');
            sec_allele->selectionne(vers_int(lit_nombre(t)));
        }
        if (contient(t, "decal_fratrie")) {
            const auto [u, dx] = deux_nombres(t);
            if (dans(u, 0, max_unions) && dans(dx, -100000, 100000)) {
                decale_fratrie(static_cast<int>(u), static_cast<int>(dx));
                tab_union[u]->left += static_cast<int>(dx);
            }
        }
        if (contient(t, "nb_desc")) {
            supprime_jusqua(t, '=');
            const std::int64_t item = lit_nombre(t);
            choix_nb_desc->index = dans(item, 0, static_cast<int>(choix_nb_desc->items.size()) - 1)
                                       ? vers_int(item)
                                       : -1;
        }
        if (contient(t, "choix_genotype")) {
            const auto [g, k] = deux_nombres(t);
            if (dans(g, 1, 2) && dans(k, 1, max_genotypes_gene)) {
                case_genotype[g][k]->coche(true);
                choix_gen1->selectionne(static_cast<int>(k) - 1);
            }
        }
        if (contient(t, "choix_gen")) {
            const auto [g, item] = deux_nombres(t);
            if (dans(g, 1, 2)) radio_genotype[g]->selectionne(vers_int(item));
        }
        if (contient(t, "choix_sexeclick")) {
            supprime_jusqua(t, '.');
            choix_sexe->selectionne(vers_int(lit_nombre(t)));
        }
        if (contient(t, "couleur=")) {
            supprime_jusqua(t, '(');
            std::array<std::int64_t, max_legende + 1> c{};
            bool valide = true;
            for (int n = 1; n <= max_legende; ++n) {
                c[n] = lit_nombre(avant(t, n < max_legende ? ',' : ')'));
                supprime_jusqua(t, ',');
                valide = valide && dans(c[n], 1, 16);
            }
            if (valide)
                for (int n = 1; n <= max_legende; ++n)
                    figure_legende[n]->remplissage = couleurs[static_cast<std::size_t>(c[n])];
        }
    }
    btn_ok_couleursClick();
    rejeu_en_cours = 0;
    visible = true;
}

void TForm1::ret_arrClick() {
    auto& lignes = evenements->lignes;
    if (lignes.empty()) return;
    for (const char* serie : {"choix_genotype", "decal_fratrie"}) {
        if (!contient(lignes.back(), serie)) continue;
        do {
            lignes.pop_back();
            BitBtn12Click();
        } while (!lignes.empty() && contient(lignes.back(), serie));
        return;
    }
    lignes.pop_back();
    BitBtn12Click();
}

} // namespace orvan
