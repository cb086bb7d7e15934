#include "ui/langue_fiche.h"

#include "ground/messages.h"
#include "ground/plateforme.h"
#include "ground/texte.h"

#include <filesystem>
#include <fstream>
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

// A caption of the file stays a caption: a few lines, a few hundred characters. Past that it
// would size a label, or the message box that shows it, beyond any screen.
std::string legende_bornee(const std::string& texte) {
    std::string r = coupe(texte, legende_max_caracteres);
    int lignes = 1;
    for (std::size_t p = r.find('\r'); p != std::string::npos; p = r.find('\r', p + 1))
        if (++lignes > legende_max_lignes) {
            r.resize(p);
            break;
        }
    return r;
}

void donne_texte(Controle& c, const std::string& texte) {
    if (auto* label = dynamic_cast<Label*>(&c)) {
        label->set_caption(legende_bornee(texte));
    } else if (auto* liste = dynamic_cast<Combo*>(&c)) {
        renomme_items(*liste, texte);
    } else if (auto* memo = dynamic_cast<Memo*>(&c)) {
        memo->lignes = morceaux(texte);
    } else {
        c.caption = legende_bornee(texte);
    }
}

std::optional<FichierLangueLu> lit_lignes(const std::filesystem::path& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) return std::nullopt;
    const auto taille = std::filesystem::file_size(chemin, ec);
    if (ec) return std::nullopt;
    if (taille > taille_max_fichier_langue)
        return FichierLangueLu{{},
                               msg::langue_trop_grande.avec({Texte::tel_quel(chemin.string())})};
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    std::string octets;
    octets.resize(taille_max_fichier_langue + 1);
    f.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (f.bad()) return std::nullopt;
    octets.resize(static_cast<std::size_t>(f.gcount()));
    // The file grew since its size was asked.
    if (octets.size() > taille_max_fichier_langue)
        return FichierLangueLu{{},
                               msg::langue_trop_grande.avec({Texte::tel_quel(chemin.string())})};
    return FichierLangueLu{lignes_du_texte(octets), {}};
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

std::optional<FichierLangueLu> lit_fichier_langue(const std::vector<std::string>& repertoires) {
    for (const auto& r : repertoires)
        if (auto lignes = lit_lignes(std::filesystem::path(r) / nom_fichier_langue)) return lignes;
    return std::nullopt;
}

bool change_langue(Fiche& fiche, int k, const std::vector<std::string>& repertoires,
                   Plateforme& plateforme) {
    const auto lu = lit_fichier_langue(repertoires);
    if (!lu) return false;
    if (lu->erreur) {
        plateforme.erreur(*lu->erreur);
        return true;
    }
    const FichierLangue fichier = analyse_langue(lu->lignes);
    applique_langue(fiche, fichier.lignes, k);
    if (fichier.erreur) plateforme.erreur(*fichier.erreur);
    return true;
}

} // namespace orvan
