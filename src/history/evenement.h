// The events of the log, one small struct per kind, and their text form: a log line reads as
// the events it holds (none, one, or several for a damaged line) and an event writes back as
// its line. The texts of the lines are a file format and stand only in the reader and writer.
//
// Numbers keep what the line says, within 64 bits: the handler that replays an event checks
// them against the family, as it would a click. A line whose fields are cut from each other by
// the same rules every saved file was read with gives the same events as it always did.
#pragma once

#include "ground/couleurs.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orvan {

namespace ev {

// The seed of the generator, first line of every log.
struct Graine {
    std::uint32_t graine;
    bool operator==(const Graine&) const = default;
};
// The mode choice at start-up: one gene or two.
struct UnGene {
    bool operator==(const UnGene&) const = default;
};
struct DeuxGenes {
    bool operator==(const DeuxGenes&) const = default;
};
// A click in the first (1) or second (2) gene list.
struct ChoixGene {
    int liste;
    std::int64_t index;
    bool operator==(const ChoixGene&) const = default;
};
struct GenesConfirmes {
    bool operator==(const GenesConfirmes&) const = default;
};
// A click on a symbol, with the left button (phenotype choice) or the right one (change of
// genotype).
struct ChoixIndividu {
    std::int64_t individu;
    bool bouton_droit;
    bool operator==(const ChoixIndividu&) const = default;
};
// A click in the phenotype list of the first (1) or second (2) gene.
struct ChoixPhenotype {
    int gene;
    std::int64_t index;
    bool operator==(const ChoixPhenotype&) const = default;
};
struct NombreDescendants {
    std::int64_t index;
    bool operator==(const NombreDescendants&) const = default;
};
struct PhenotypesConfirmes {
    bool operator==(const PhenotypesConfirmes&) const = default;
};
struct PhenotypesAnnules {
    bool operator==(const PhenotypesAnnules&) const = default;
};
// The entry mode chosen in the menu.
struct SaisieDesPhenotypes {
    bool operator==(const SaisieDesPhenotypes&) const = default;
};
struct SaisieDesGenotypes {
    bool operator==(const SaisieDesGenotypes&) const = default;
};
// A tick of genotype k of gene g in the genotype panel's boxes.
struct GenotypeCoche {
    std::int64_t gene, genotype;
    bool operator==(const GenotypeCoche&) const = default;
};
// A click in the genotype list of gene g.
struct GenotypeChoisi {
    std::int64_t gene, index;
    bool operator==(const GenotypeChoisi&) const = default;
};
struct ChoixSexe {
    std::int64_t index;
    bool operator==(const ChoixSexe&) const = default;
};
struct GenotypesConfirmes {
    bool operator==(const GenotypesConfirmes&) const = default;
};
// The answers of the allele exercise marked, or the exercise left.
struct AllelesMarques {
    bool operator==(const AllelesMarques&) const = default;
};
struct AllelesAnnules {
    bool operator==(const AllelesAnnules&) const = default;
};
// The answers panel closed by its own "Annuler": files written before it had one closed it
// with AllelesAnnules, the cancel it shares with the genotype panel.
struct ReponsesFermees {
    bool operator==(const ReponsesFermees&) const = default;
};
// The pupil's tick (or untick) of statement `enonce` of gene `gene` in the answers panel.
struct ReponseCochee {
    std::int64_t gene, enonce;
    bool coche;
    bool operator==(const ReponseCochee&) const = default;
};
// From here on a gamete carries one sex chromosome: a log without this event was written when
// a father's two X-linked genes mixed his X with his Y.
struct RegleChromosomeSexuel {
    bool operator==(const RegleChromosomeSexuel&) const = default;
};
// From here on a couple stays a man and a woman: a sex chosen for a founder turns the other
// founder, and a married individual keeps its sex. A log without this event was written when a
// sex choice turned the individual alone.
struct RegleCouples {
    bool operator==(const RegleCouples&) const = default;
};
// A genotype question of the exercise: individual `individu` asked (no marks), or the pupil's
// answers to it marked, one mark per gene in use, true for "oui". Only the pupil's work: its
// replay changes nothing.
struct QuestionGenotype {
    std::int64_t individu;
    std::vector<bool> justes;
    bool operator==(const QuestionGenotype&) const = default;
};
// A sibship moved sideways by dx.
struct DecalageFratrie {
    std::int64_t fratrie, decalage;
    bool operator==(const DecalageFratrie&) const = default;
};
// The legend's colours by their numbers 1..16 (index 0 unused).
struct CouleursLegende {
    std::array<int, max_legende + 1> numeros;
    bool operator==(const CouleursLegende&) const = default;
};

} // namespace ev

using Evenement =
    std::variant<ev::Graine, ev::UnGene, ev::DeuxGenes, ev::ChoixGene, ev::GenesConfirmes,
                 ev::ChoixIndividu, ev::ChoixPhenotype, ev::NombreDescendants,
                 ev::PhenotypesConfirmes, ev::PhenotypesAnnules, ev::SaisieDesPhenotypes,
                 ev::SaisieDesGenotypes, ev::GenotypeCoche, ev::GenotypeChoisi, ev::ChoixSexe,
                 ev::GenotypesConfirmes, ev::AllelesMarques, ev::AllelesAnnules,
                 ev::DecalageFratrie, ev::CouleursLegende, ev::ReponsesFermees, ev::ReponseCochee,
                 ev::RegleChromosomeSexuel, ev::RegleCouples, ev::QuestionGenotype>;

// The events of one log line, in the order their handlers run. A comment (a line with an
// apostrophe) and a line no event reads give none.
std::vector<Evenement> lit_evenements(const std::string& ligne);
// The same into `evenements`, emptied first: a replay reads every line into one buffer.
void lit_evenements(const std::string& ligne, std::vector<Evenement>& evenements);
// The line that the reader reads back as this event.
std::string ecrit_evenement(const Evenement& e);

// Whether the line holds an event of kind E.
template <class E> bool ligne_contient(const std::string& ligne) {
    for (const Evenement& e : lit_evenements(ligne))
        if (std::holds_alternative<E>(e)) return true;
    return false;
}

// Whether the line is exactly one event of kind E.
template <class E> bool ligne_est(const std::string& ligne) {
    const auto evenements = lit_evenements(ligne);
    return evenements.size() == 1 && std::holds_alternative<E>(evenements[0]);
}

} // namespace orvan
