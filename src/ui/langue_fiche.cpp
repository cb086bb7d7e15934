#include "ui/langue_fiche.h"

#include "app/plateforme.h"
#include "history/fichier_gen.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvan {

namespace {

#ifdef ORVAN_DATA_DIR
const std::string repertoire_installe = ORVAN_DATA_DIR;
#else
const std::string repertoire_installe;
#endif

// A list keeps its item count and its selection: the number of children that the pupil chose,
// and that the log holds, must stay the one the next crossing uses.
void renomme_items(Combo& liste, const std::string& texte) {
    const auto pieces = morceaux(texte);
    for (std::size_t i = 0; i < pieces.size() && i < liste.items.size(); ++i)
        liste.items[i] = pieces[i];
}

void donne_texte(Controle& c, const std::string& texte) {
    if (auto* label = dynamic_cast<Label*>(&c)) {
        label->set_caption(texte);
    } else if (auto* liste = dynamic_cast<Combo*>(&c)) {
        renomme_items(*liste, texte);
    } else if (auto* memo = dynamic_cast<Memo*>(&c)) {
        memo->lignes = morceaux(texte);
    } else {
        c.caption = texte;
    }
}

std::optional<std::vector<std::string>> lit_lignes(const std::filesystem::path& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) return std::nullopt;
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return lignes_du_texte(octets);
}

} // namespace

void applique_ligne(Fiche& fiche, const LigneLangue& ligne, int k) {
    if (k != langue_francais && k != langue_anglais) return;
    for (const Genre genre : ligne.genres)
        for (const auto& c : fiche.composants())
            if (c->genre == genre && c->tag == ligne.tag) donne_texte(*c, ligne.texte(k));
}

void applique_langue(Fiche& fiche, const std::vector<LigneLangue>& lignes, int k) {
    for (const auto& ligne : lignes)
        applique_ligne(fiche, ligne, k);
}

int langue_du_menu(const Controle& entree) {
    return entree.tag - 350;
}

std::vector<std::string> repertoires_langue(const std::string& repertoire_depart,
                                            const std::string& repertoire_programme) {
    std::vector<std::string> repertoires;
    for (const std::string& r : {repertoire_depart, repertoire_programme, repertoire_installe})
        if (!r.empty()) repertoires.push_back(r);
    return repertoires;
}

std::optional<std::vector<std::string>>
lit_fichier_langue(const std::vector<std::string>& repertoires) {
    for (const auto& r : repertoires)
        if (auto lignes = lit_lignes(std::filesystem::path(r) / nom_fichier_langue)) return lignes;
    return std::nullopt;
}

bool change_langue(Fiche& fiche, int k, const std::vector<std::string>& repertoires,
                   Plateforme& plateforme) {
    const auto lignes = lit_fichier_langue(repertoires);
    if (!lignes) return false;
    const FichierLangue fichier = analyse_langue(*lignes);
    applique_langue(fiche, fichier.lignes, k);
    if (fichier.erreur) plateforme.erreur(*fichier.erreur);
    return true;
}

} // namespace orvan
