#include "qt/fenetre_statistiques.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/graphiques_statistiques.h"
#include "statistiques/comparaison.h"
#include "statistiques/export_csv.h"
#include "statistiques/rapport.h"
#include "statistiques/series.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace orvan {

namespace {

QTableWidgetItem* cellule(const QString& texte, bool nombre = false) {
    auto* c = new QTableWidgetItem(texte);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (nombre) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

Texte titre_table(const TableCroisement& t) {
    const Texte enfants = nombre(total(t.observes), 0);
    if (t.genotypes_parents.empty())
        return msg::table_phenotypes.avec({Texte::tel_quel(t.phenotypes_parents), enfants});
    return msg::table_genotypes.avec({Texte::tel_quel(t.genotypes_parents), enfants});
}

void remplit_enfants(QTableWidget& table, const TableCroisement& t, Langue l) {
    const auto nombre = [l](double x) { return texte_qt(orvan::nombre(x, 0).dans(l)); };
    std::set<std::string> phenotypes;
    for (const auto& [c, n] : t.observes)
        phenotypes.insert(c.phenotype);
    table.setRowCount(static_cast<int>(phenotypes.size()));
    int ligne = 0;
    for (const std::string& p : phenotypes) {
        double parts[2] = {0, 0};
        for (Sexe s : {Sexe::homme, Sexe::femme})
            if (const auto o = t.observes.find({p, s}); o != t.observes.end())
                parts[s == Sexe::femme] = o->second;
        table.setItem(ligne, 0, cellule(texte_qt(p)));
        table.setItem(ligne, 1, cellule(nombre(parts[0]), true));
        table.setItem(ligne, 2, cellule(nombre(parts[1]), true));
        table.setItem(ligne, 3, cellule(nombre(parts[0] + parts[1]), true));
        ++ligne;
    }
}

void remplit_comparaison(QTableWidget& table, const Comparaison& c, Langue langue) {
    table.setRowCount(static_cast<int>(c.cases.size()));
    for (std::size_t i = 0; i < c.cases.size(); ++i) {
        const int l = static_cast<int>(i);
        table.setItem(l, 0, cellule(texte_qt(c.cases[i].dans(langue))));
        table.setItem(l, 1, cellule(texte_qt(nombre(c.observes[i], 0).dans(langue)), true));
        auto* attendu = cellule(texte_qt(nombre(c.attendus[i], 2).dans(langue)), true);
        if (c.attendus[i] > 0 && c.attendus[i] < 5) attendu->setBackground(QColor(255, 220, 160));
        table.setItem(l, 2, attendu);
    }
}

QTableWidget* nouvelle_table(int colonnes) {
    auto* t = new QTableWidget(0, colonnes);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    return t;
}

// The proportion of the phenotype that the program's law expects over all the children.
std::optional<double> proportion_attendue(const std::vector<TableCroisement>& tables,
                                          const std::string& phenotype) {
    double attendus = 0, enfants = 0;
    for (const TableCroisement& t : tables) {
        if (!t.genotypes_parents.empty()) continue;
        if (!t.loi_connue || t.attendus.empty()) return std::nullopt;
        enfants += total(t.observes);
        attendus += par_phenotype(t.attendus)[phenotype];
    }
    if (enfants <= 0) return std::nullopt;
    return attendus / enfants;
}

} // namespace

FenetreStatistiques::FenetreStatistiques(FenetrePrincipale& f, QWidget* parent)
    // Above the main window, which stays above the others.
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), f_(f), familles_(f.plateforme) {
    setObjectName(QStringLiteral("statistiques"));
    auto* separation = new QSplitter(Qt::Horizontal);
    separation->addWidget(cree_tables());
    separation->addWidget(cree_graphiques());
    separation->setStretchFactor(1, 1);
    // The tables' column wide enough for their four columns and the test's sentence.
    separation->setSizes({500, 680});
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(cree_sources());
    colonne->addWidget(separation, 1);
    resize(1180, 720);
    ecrit_textes();
}

QString FenetreStatistiques::texte(const Texte& t) const {
    return texte_qt(f_.textes(t));
}

void FenetreStatistiques::ecrit_textes() {
    setWindowTitle(texte(msg::statistiques_titre));
    sources_->setTitle(texte(msg::familles_comptees));
    ajouter_fichiers_->setText(texte(msg::ajouter_fichiers));
    ajouter_dossier_->setText(texte(msg::ajouter_dossier));
    nouvelles_->setText(texte(msg::nouvelles_comme_a_l_ecran));
    vider_->setText(texte(msg::vider));
    titre_croisements_->setText(texte(msg::choix_croisement));
    enfants_->setHorizontalHeaderLabels(
        {texte(msg::phenotype), texte(msg::fils), texte(msg::filles), texte(msg::total)});
    par_programme_->setText(texte(msg::attendu_par_le_programme));
    par_hypothese_->setText(texte(msg::attendu_par_l_hypothese));
    hypothese_->setPlaceholderText(texte(msg::exemple_hypothese));
    hypothese_->setToolTip(texte(msg::syntaxe_hypothese));
    comparaison_->setHorizontalHeaderLabels(
        {texte(msg::case_du_tableau), texte(msg::observe), texte(msg::attendu)});
    titre_ecartes_->setText(texte(msg::fichiers_ecartes));
    onglets_->setTabText(0, texte(msg::onglet_observe_attendu));
    onglets_->setTabText(1, texte(msg::onglet_proportion));
    onglets_->setTabText(2, texte(msg::onglet_calibration));
    enregistrer_image_->setText(texte(msg::enregistrer_graphique));
    exporter_csv_->setText(texte(msg::exporter_csv));
    montre_tout();
}

FenetreStatistiques::~FenetreStatistiques() = default;

QWidget* FenetreStatistiques::cree_sources() {
    sources_ = new QGroupBox;
    auto* ligne = new QHBoxLayout(sources_);
    ajouter_fichiers_ = new QPushButton;
    ajouter_dossier_ = new QPushButton;
    nombre_nouvelles_ = new QSpinBox;
    nombre_nouvelles_->setRange(1, 100000);
    nombre_nouvelles_->setValue(1000);
    nouvelles_ = new QPushButton;
    vider_ = new QPushButton;
    resume_ = new QLabel;
    resume_->setObjectName(QStringLiteral("resume"));
    resume_->setWordWrap(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ajouter_fichiers_, ajouter_dossier_,
                                                      nombre_nouvelles_, nouvelles_, vider_})
        ligne->addWidget(w);
    ligne->addWidget(resume_, 1);
    connect(ajouter_fichiers_, &QPushButton::clicked, this, [this] { choisit_fichiers(); });
    connect(ajouter_dossier_, &QPushButton::clicked, this, [this] { choisit_dossier(); });
    connect(nouvelles_, &QPushButton::clicked, this,
            [this] { ajoute_nouvelles_familles(nombre_nouvelles_->value()); });
    connect(vider_, &QPushButton::clicked, this, [this] { vide(); });
    return sources_;
}

QWidget* FenetreStatistiques::cree_tables() {
    auto* panneau = new QWidget;
    auto* colonne = new QVBoxLayout(panneau);
    croisements_ = new QComboBox;
    croisements_->setObjectName(QStringLiteral("croisements"));
    enfants_ = nouvelle_table(4);
    par_programme_ = new QRadioButton;
    par_hypothese_ = new QRadioButton;
    par_programme_->setChecked(true);
    hypothese_ = new QLineEdit;
    hypothese_->setObjectName(QStringLiteral("hypothese"));
    comparaison_ = nouvelle_table(3);
    test_ = new QLabel;
    test_->setWordWrap(true);
    test_->setObjectName(QStringLiteral("test"));
    ecartes_ = new QListWidget;
    ecartes_->setObjectName(QStringLiteral("ecartes"));
    ecartes_->setMaximumHeight(90);
    auto* ligne_hypothese = new QHBoxLayout;
    ligne_hypothese->addWidget(par_hypothese_);
    ligne_hypothese->addWidget(hypothese_, 1);
    titre_croisements_ = new QLabel;
    titre_ecartes_ = new QLabel;
    colonne->addWidget(titre_croisements_);
    colonne->addWidget(croisements_);
    colonne->addWidget(enfants_, 1);
    colonne->addWidget(par_programme_);
    colonne->addLayout(ligne_hypothese);
    colonne->addWidget(comparaison_, 1);
    colonne->addWidget(test_);
    colonne->addWidget(titre_ecartes_);
    colonne->addWidget(ecartes_);
    const auto actualise = [this] { montre_table(); };
    connect(croisements_, &QComboBox::currentIndexChanged, this, actualise);
    connect(par_programme_, &QRadioButton::toggled, this, actualise);
    connect(hypothese_, &QLineEdit::textChanged, this, [this] {
        par_hypothese_->setChecked(true);
        montre_table();
    });
    return panneau;
}

QWidget* FenetreStatistiques::cree_graphiques() {
    auto* panneau = new QWidget;
    auto* colonne = new QVBoxLayout(panneau);
    onglets_ = new QTabWidget;
    const auto vue = [this]() -> QWidget* {
        if (const TraceurGraphiques* t = traceur_graphiques()) return t->cree_vue();
        auto* absent = new QLabel(texte(module_graphiques_abime() ? msg::graphiques_abimes
                                                                  : msg::graphiques_indisponibles));
        absent->setAlignment(Qt::AlignCenter);
        absent->setWordWrap(true);
        return absent;
    };
    vue_comparaison_ = vue();
    vue_comparaison_->setObjectName(QStringLiteral("comparaison"));
    vue_proportion_ = vue();
    vue_calibration_ = vue();
    phenotype_suivi_ = new QComboBox;
    phenotype_suivi_->setObjectName(QStringLiteral("phenotype_suivi"));
    gene_calibre_ = new QComboBox;
    auto* proportion = new QWidget;
    auto* colonne_proportion = new QVBoxLayout(proportion);
    colonne_proportion->addWidget(phenotype_suivi_);
    colonne_proportion->addWidget(vue_proportion_, 1);
    auto* calibre = new QWidget;
    auto* colonne_calibre = new QVBoxLayout(calibre);
    colonne_calibre->addWidget(gene_calibre_);
    colonne_calibre->addWidget(vue_calibration_, 1);
    onglets_->addTab(vue_comparaison_, QString());
    onglets_->addTab(proportion, QString());
    onglets_->addTab(calibre, QString());
    auto* boutons = new QHBoxLayout;
    enregistrer_image_ = new QPushButton;
    enregistrer_image_->setEnabled(traceur_graphiques() != nullptr);
    exporter_csv_ = new QPushButton;
    boutons->addStretch(1);
    boutons->addWidget(enregistrer_image_);
    boutons->addWidget(exporter_csv_);
    colonne->addWidget(onglets_, 1);
    colonne->addLayout(boutons);
    connect(enregistrer_image_, &QPushButton::clicked, this,
            [this] { enregistre_graphique_courant(); });
    connect(exporter_csv_, &QPushButton::clicked, this, [this] { exporte_csv(); });
    connect(phenotype_suivi_, &QComboBox::currentIndexChanged, this,
            [this] { montre_proportion(); });
    connect(gene_calibre_, &QComboBox::currentIndexChanged, this, [this] { montre_calibration(); });
    return panneau;
}

void FenetreStatistiques::ajoute_chemins(const QStringList& chemins) {
    std::vector<std::string> c;
    for (const QString& ch : chemins)
        c.push_back(texte_core(ch));
    apres_ajout(familles_.ajoute_chemins(c));
}

void FenetreStatistiques::ajoute_nouvelles_familles(int n) {
    apres_ajout(
        familles_.ajoute_nouvelles_familles(f_.journal.lignes(), static_cast<std::size_t>(n)));
}

void FenetreStatistiques::apres_ajout(Ajout ajout) {
    avis_ = ajout == Ajout::annule            ? msg::ajout_annule
            : ajout == Ajout::sans_fondateurs ? msg::choisir_fondateurs
                                              : Texte();
    montre_tout();
}

void FenetreStatistiques::vide() {
    familles_.vide();
    avis_ = {};
    montre_tout();
}

void FenetreStatistiques::montre_tout() {
    resume_->setText(texte(
        msg::resume_familles.avec(
            {compte(recolte().familles.size(), msg::une_famille, msg::des_familles),
             compte(recolte().ecartes.size(), msg::un_fichier_ecarte, msg::des_fichiers_ecartes)}) +
        (avis_.francais.empty() ? Texte() : "\n" + avis_)));
    ecartes_->clear();
    for (const FichierEcarte& e : recolte().ecartes)
        ecartes_->addItem(texte(msg::chemin_et_raison.avec({Texte::tel_quel(e.chemin), e.raison})));
    // A long path and its reason read whole in the tooltip.
    for (int i = 0; i < ecartes_->count(); ++i)
        ecartes_->item(i)->setToolTip(ecartes_->item(i)->text());
    liste_croisements();
    liste_phenotypes();
    gene_calibre_->blockSignals(true);
    gene_calibre_->clear();
    for (const std::string& g : genes_des_familles(recolte().familles))
        gene_calibre_->addItem(texte(msg::texte_de_la_banque(g)), texte_qt(g));
    gene_calibre_->blockSignals(false);
    montre_table();
    montre_proportion();
    montre_calibration();
}

// The parents' genotypes are what the genotype exercise asks a pupil to find: their tables are
// the teacher's.
void FenetreStatistiques::liste_croisements() {
    const bool enseignant = f_.coquille.mode_enseignant();
    const int choisi = croisements_->currentIndex();
    croisements_->blockSignals(true);
    croisements_->clear();
    listees_.clear();
    for (std::size_t i = 0; i < tables().size(); ++i) {
        const TableCroisement& t = tables()[i];
        if (!t.genotypes_parents.empty() && !enseignant) continue;
        listees_.push_back(i);
        // A kind of cross's genotypes' tables stand under its phenotypes' table.
        croisements_->addItem((t.genotypes_parents.empty() ? QString() : QStringLiteral("    ")) +
                              texte(titre_table(t)));
    }
    croisements_->setCurrentIndex(choisi >= 0 && choisi < croisements_->count() ? choisi : 0);
    croisements_->blockSignals(false);
}

// The phenotypes that the pool's children show, and no other: the one followed stays if the
// pool still has it.
void FenetreStatistiques::liste_phenotypes() {
    const QString suivi = phenotype_suivi_->currentText();
    std::set<std::string> phenotypes;
    for (const TableCroisement& t : tables())
        for (const auto& [c, n] : t.observes)
            phenotypes.insert(c.phenotype);
    phenotype_suivi_->blockSignals(true);
    phenotype_suivi_->clear();
    for (const std::string& p : phenotypes)
        phenotype_suivi_->addItem(texte_qt(p));
    phenotype_suivi_->setCurrentIndex(std::max(0, phenotype_suivi_->findText(suivi)));
    phenotype_suivi_->blockSignals(false);
}

void FenetreStatistiques::montre_table() {
    const int i = croisements_->currentIndex();
    if (i < 0 || i >= static_cast<int>(listees_.size())) {
        enfants_->setRowCount(0);
        comparaison_->setRowCount(0);
        test_->setText(texte(msg::ajouter_des_familles));
        trace(vue_comparaison_, {});
        return;
    }
    const TableCroisement& t = tables()[listees_[static_cast<std::size_t>(i)]];
    const Langue langue = f_.textes.langue();
    remplit_enfants(*enfants_, t, langue);
    std::optional<Comparaison> c;
    Texte titre;
    if (par_hypothese_->isChecked()) {
        Texte erreur;
        if (const auto h = lit_hypothese(texte_core(hypothese_->text()), erreur)) {
            c = compare_a_l_hypothese(t, *h);
            titre = msg::graphique_par_hypothese;
        } else {
            test_->setText(texte(msg::hypothese_illisible_fenetre.avec({erreur})));
        }
    } else {
        c = compare_au_programme(t);
        titre = msg::graphique_par_programme;
        if (!c) test_->setText(texte(msg::loi_inconnue));
    }
    if (!c) {
        comparaison_->setRowCount(0);
        trace(vue_comparaison_, {});
        return;
    }
    remplit_comparaison(*comparaison_, *c, langue);
    test_->setText(texte(texte_du_test(c->test)));
    trace(vue_comparaison_, graphique_comparaison(*c, titre.avec({titre_table(t)}), f_.textes));
}

void FenetreStatistiques::montre_proportion() {
    const std::string p = texte_core(phenotype_suivi_->currentText());
    trace(vue_proportion_, graphique_proportion(proportion_courante(recolte().familles, p),
                                                phenotype_suivi_->currentText(),
                                                proportion_attendue(tables(), p), f_.textes));
}

void FenetreStatistiques::montre_calibration() {
    const std::string gene = texte_core(gene_calibre_->currentData().toString());
    trace(vue_calibration_,
          graphique_calibration(calibration(recolte().familles, gene), f_.textes));
}

void FenetreStatistiques::trace(QWidget* vue, const Graphique& g) const {
    if (const TraceurGraphiques* t = traceur_graphiques()) t->trace(*vue, g);
}

void FenetreStatistiques::choisit_fichiers() {
    const QStringList fichiers = QFileDialog::getOpenFileNames(
        this, texte(msg::familles_a_compter), QString(), texte(msg::filtre_familles));
    if (!fichiers.isEmpty()) ajoute_chemins(fichiers);
}

void FenetreStatistiques::choisit_dossier() {
    const QString dossier =
        QFileDialog::getExistingDirectory(this, texte(msg::dossier_des_familles));
    if (!dossier.isEmpty()) ajoute_chemins({dossier});
}

void FenetreStatistiques::exporte_csv() {
    const QString chemin = QFileDialog::getSaveFileName(
        this, texte(msg::exporter_en_csv), texte(msg::nom_csv), texte(msg::filtre_csv));
    if (chemin.isEmpty()) return;
    QSaveFile fichier(chemin);
    const std::string csv = csv_des_familles(recolte().familles, f_.textes.langue());
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !fichier.commit())
        QMessageBox::warning(
            this, windowTitle(),
            texte(msg::creation_impossible.avec({Texte::tel_quel(texte_core(chemin))})));
}

void FenetreStatistiques::enregistre_graphique_courant() {
    QWidget* vues[] = {vue_comparaison_, vue_proportion_, vue_calibration_};
    QWidget* vue = vues[std::clamp(onglets_->currentIndex(), 0, 2)];
    QString filtre;
    QString chemin = QFileDialog::getSaveFileName(this, texte(msg::enregistrer_le_graphique),
                                                  texte(msg::nom_graphique),
                                                  texte(msg::filtre_graphique), &filtre);
    if (chemin.isEmpty()) return;
    if (!chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        chemin +=
            filtre.contains(QLatin1String("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (const auto echec = enregistre_graphique(*vue, chemin))
        QMessageBox::warning(this, windowTitle(), texte(*echec));
}

} // namespace orvan
