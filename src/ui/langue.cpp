#include "ui/langue.h"

#include "ground/messages.h"
#include "ground/texte.h"

#include <algorithm>
#include <utility>

namespace orvan {

namespace {

// In the order in which a line is tried against them.
const std::pair<const char*, Genre> prefixes[] = {
    {"Menu_", Genre::menu},   {"Speed_", Genre::bouton_plat}, {"Bitbtn_", Genre::bouton},
    {"Label_", Genre::label}, {"Groupe_", Genre::groupe},     {"Check_", Genre::case_a_cocher},
    {"Combo_", Genre::combo}, {"Memo_", Genre::memo},         {"Radio_", Genre::radio}};

} // namespace

const std::string& LigneLangue::texte(int k) const {
    static const std::string aucun;
    if (k == langue_francais) return francais;
    if (k == langue_anglais) return anglais;
    return aucun;
}

std::vector<Genre> genres_adresses(std::string_view ligne) {
    std::vector<Genre> genres;
    for (const auto& [prefixe, genre] : prefixes)
        if (contient(ligne, prefixe)) genres.push_back(genre);
    return genres;
}

std::string texte_du_tag(std::string_view ligne) {
    std::string tag = avant(ligne, ':');
    supprime_jusqua(tag, '_');
    return tag;
}

std::string texte_langue(std::string_view ligne, int k) {
    std::string texte(ligne);
    supprime_jusqua(texte, ':');
    std::replace(texte.begin(), texte.end(), '_', '\r');
    // The whole rest of the line is dropped, however long the other column is.
    if (k == langue_francais) return avant(texte, ';');
    if (k == langue_anglais) {
        supprime_jusqua(texte, ';');
        return avant(texte, ';');
    }
    return {};
}

FichierLangue analyse_langue(const std::vector<std::string>& lignes) {
    FichierLangue fichier;
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        const std::string& ligne = lignes[n];
        auto genres = genres_adresses(ligne);
        if (genres.empty()) continue;
        // Without its colon the line would give the control its own address as text.
        if (ligne.find(':') == std::string::npos) {
            fichier.erreur = msg::langue_deux_points.avec({Texte::tel_quel(std::to_string(n + 1))});
            break;
        }
        const std::string tag = texte_du_tag(ligne);
        const auto valeur = entier_strict(tag);
        if (!valeur) {
            fichier.erreur = msg::langue_tag_invalide.avec(
                {Texte::tel_quel(std::to_string(n + 1)), Texte::tel_quel(tag)});
            break;
        }
        fichier.lignes.push_back({std::move(genres), *valeur, texte_langue(ligne, langue_francais),
                                  texte_langue(ligne, langue_anglais)});
    }
    return fichier;
}

std::vector<std::string> morceaux(std::string_view texte) {
    std::vector<std::string> pieces;
    std::size_t debut = 0;
    for (std::size_t p = texte.find('/'); p != std::string_view::npos; p = texte.find('/', debut)) {
        pieces.emplace_back(texte.substr(debut, p - debut));
        debut = p + 1;
    }
    pieces.emplace_back(texte.substr(debut));
    return pieces;
}

} // namespace orvan
