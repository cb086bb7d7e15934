#include "qt/fenetre_statistiques.h"

#include "app/fenetre_principale.h"
#include "qt/conversions_qt.h"
#include "qt/graphiques_statistiques.h"
#include "statistiques/comparaison.h"
#include "statistiques/export_csv.h"
#include "statistiques/rapport.h"
#include "statistiques/series.h"

#include <QChartView>
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

QString nombre(double x, int decimales) {
    return texte_qt(nombre_fr(x, decimales));
}

QString titre_table(const TableCroisement& t) {
    QString titre = texte_qt(t.phenotypes_parents);
    if (!t.genotypes_parents.empty())
        titre = QStringLiteral("    génotypes %1").arg(texte_qt(t.genotypes_parents));
    return titre + QStringLiteral("  (%1 enfants)").arg(total(t.observes));
}

void remplit_enfants(QTableWidget& table, const TableCroisement& t) {
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
        table.setItem(ligne, 1, cellule(nombre(parts[0], 0), true));
        table.setItem(ligne, 2, cellule(nombre(parts[1], 0), true));
        table.setItem(ligne, 3, cellule(nombre(parts[0] + parts[1], 0), true));
        ++ligne;
    }
}

void remplit_comparaison(QTableWidget& table, const Comparaison& c) {
    table.setRowCount(static_cast<int>(c.cases.size()));
    for (std::size_t i = 0; i < c.cases.size(); ++i) {
        const int l = static_cast<int>(i);
        table.setItem(l, 0, cellule(texte_qt(c.cases[i])));
        table.setItem(l, 1, cellule(nombre(c.observes[i], 0), true));
        auto* attendu = cellule(nombre(c.attendus[i], 2), true);
        if (c.attendus[i] > 0 && c.attendus[i] < 5) attendu->setBackground(QColor(255, 220, 160));
        table.setItem(l, 2, attendu);
    }
}

QTableWidget* nouvelle_table(const QStringList& entetes) {
    auto* t = new QTableWidget(0, static_cast<int>(entetes.size()));
    t->setHorizontalHeaderLabels(entetes);
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
    setWindowTitle(QStringLiteral("Statistiques de la classe"));
    auto* separation = new QSplitter(Qt::Horizontal);
    separation->addWidget(cree_tables());
    separation->addWidget(cree_graphiques());
    separation->setStretchFactor(1, 1);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(cree_sources());
    colonne->addWidget(separation, 1);
    resize(1180, 720);
    montre_tout();
}

FenetreStatistiques::~FenetreStatistiques() = default;

QWidget* FenetreStatistiques::cree_sources() {
    auto* boite = new QGroupBox(QStringLiteral("Familles comptées"));
    auto* ligne = new QHBoxLayout(boite);
    auto* fichiers = new QPushButton(QStringLiteral("Ajouter des fichiers…"));
    auto* dossier = new QPushButton(QStringLiteral("Ajouter un dossier…"));
    nombre_nouvelles_ = new QSpinBox;
    nombre_nouvelles_->setRange(1, 100000);
    nombre_nouvelles_->setValue(1000);
    auto* nouvelles = new QPushButton(QStringLiteral("Nouvelles familles comme celle à l'écran"));
    auto* vider = new QPushButton(QStringLiteral("Vider"));
    resume_ = new QLabel;
    for (QWidget* w :
         std::initializer_list<QWidget*>{fichiers, dossier, nombre_nouvelles_, nouvelles, vider})
        ligne->addWidget(w);
    ligne->addWidget(resume_, 1);
    connect(fichiers, &QPushButton::clicked, this, [this] { choisit_fichiers(); });
    connect(dossier, &QPushButton::clicked, this, [this] { choisit_dossier(); });
    connect(nouvelles, &QPushButton::clicked, this,
            [this] { ajoute_nouvelles_familles(nombre_nouvelles_->value()); });
    connect(vider, &QPushButton::clicked, this, [this] { vide(); });
    return boite;
}

QWidget* FenetreStatistiques::cree_tables() {
    auto* panneau = new QWidget;
    auto* colonne = new QVBoxLayout(panneau);
    croisements_ = new QComboBox;
    croisements_->setObjectName(QStringLiteral("croisements"));
    enfants_ = nouvelle_table({QStringLiteral("phénotype"), QStringLiteral("fils"),
                               QStringLiteral("filles"), QStringLiteral("total")});
    par_programme_ = new QRadioButton(QStringLiteral("Attendu par le programme (loi exacte)"));
    par_hypothese_ = new QRadioButton(QStringLiteral("Attendu par l'hypothèse :"));
    par_programme_->setChecked(true);
    hypothese_ = new QLineEdit;
    hypothese_->setObjectName(QStringLiteral("hypothese"));
    hypothese_->setPlaceholderText(QStringLiteral("D=3 d=1   ou   D/fils=1 d/fils=1 D/filles=2"));
    comparaison_ = nouvelle_table(
        {QStringLiteral("case"), QStringLiteral("observé"), QStringLiteral("attendu")});
    test_ = new QLabel;
    test_->setWordWrap(true);
    test_->setObjectName(QStringLiteral("test"));
    ecartes_ = new QListWidget;
    ecartes_->setObjectName(QStringLiteral("ecartes"));
    ecartes_->setMaximumHeight(90);
    auto* ligne_hypothese = new QHBoxLayout;
    ligne_hypothese->addWidget(par_hypothese_);
    ligne_hypothese->addWidget(hypothese_, 1);
    colonne->addWidget(new QLabel(QStringLiteral("Croisement (phénotypes du père × de la mère)")));
    colonne->addWidget(croisements_);
    colonne->addWidget(enfants_, 1);
    colonne->addWidget(par_programme_);
    colonne->addLayout(ligne_hypothese);
    colonne->addWidget(comparaison_, 1);
    colonne->addWidget(test_);
    colonne->addWidget(new QLabel(QStringLiteral("Fichiers écartés")));
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
    const auto vue = [] {
        auto* v = new QChartView;
        v->setRenderHint(QPainter::Antialiasing);
        return v;
    };
    vue_comparaison_ = vue();
    vue_comparaison_->setObjectName(QStringLiteral("comparaison"));
    vue_proportion_ = vue();
    vue_calibration_ = vue();
    phenotype_suivi_ = new QComboBox;
    gene_calibre_ = new QComboBox;
    auto* proportion = new QWidget;
    auto* colonne_proportion = new QVBoxLayout(proportion);
    colonne_proportion->addWidget(phenotype_suivi_);
    colonne_proportion->addWidget(vue_proportion_, 1);
    auto* calibre = new QWidget;
    auto* colonne_calibre = new QVBoxLayout(calibre);
    colonne_calibre->addWidget(gene_calibre_);
    colonne_calibre->addWidget(vue_calibration_, 1);
    onglets_->addTab(vue_comparaison_, QStringLiteral("Observé et attendu"));
    onglets_->addTab(proportion, QStringLiteral("Proportion courante"));
    onglets_->addTab(calibre, QStringLiteral("Calibration"));
    auto* boutons = new QHBoxLayout;
    auto* image = new QPushButton(QStringLiteral("Enregistrer le graphique…"));
    auto* csv = new QPushButton(QStringLiteral("Exporter en CSV…"));
    boutons->addStretch(1);
    boutons->addWidget(image);
    boutons->addWidget(csv);
    colonne->addWidget(onglets_, 1);
    colonne->addLayout(boutons);
    connect(image, &QPushButton::clicked, this, [this] { enregistre_graphique_courant(); });
    connect(csv, &QPushButton::clicked, this, [this] { exporte_csv(); });
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
    const Ajout ajout =
        familles_.ajoute_nouvelles_familles(f_.journal.lignes(), static_cast<std::size_t>(n));
    if (ajout == Ajout::sans_fondateurs) {
        resume_->setText(QStringLiteral("Choisissez d'abord les phénotypes des deux fondateurs "
                                        "à l'écran : les nouvelles familles les reprendront."));
        return;
    }
    apres_ajout(ajout);
}

void FenetreStatistiques::apres_ajout(Ajout ajout) {
    montre_tout();
    if (ajout == Ajout::annule)
        resume_->setText(resume_->text() + QStringLiteral(" ; ajout annulé, rien n'a changé"));
}

void FenetreStatistiques::vide() {
    familles_.vide();
    montre_tout();
}

void FenetreStatistiques::montre_tout() {
    resume_->setText(QStringLiteral("%1 familles ; %2 fichiers écartés")
                         .arg(recolte().familles.size())
                         .arg(recolte().ecartes.size()));
    ecartes_->clear();
    for (const FichierEcarte& e : recolte().ecartes)
        ecartes_->addItem(texte_qt(e.chemin + " : " + f_.textes(e.raison)));
    const int choisi = croisements_->currentIndex();
    croisements_->blockSignals(true);
    croisements_->clear();
    for (const TableCroisement& t : tables())
        croisements_->addItem(titre_table(t));
    croisements_->setCurrentIndex(choisi >= 0 && choisi < croisements_->count() ? choisi : 0);
    croisements_->blockSignals(false);
    std::set<std::string> phenotypes;
    for (const TableCroisement& t : tables())
        for (const auto& [c, n] : t.observes)
            phenotypes.insert(c.phenotype);
    phenotype_suivi_->blockSignals(true);
    phenotype_suivi_->clear();
    for (const std::string& p : phenotypes)
        phenotype_suivi_->addItem(texte_qt(p));
    phenotype_suivi_->blockSignals(false);
    gene_calibre_->blockSignals(true);
    gene_calibre_->clear();
    if (!recolte().familles.empty())
        for (const GeneReleve& g : recolte().familles.front().genes)
            gene_calibre_->addItem(texte_qt(g.nom));
    gene_calibre_->blockSignals(false);
    montre_table();
    montre_proportion();
    montre_calibration();
}

void FenetreStatistiques::montre_table() {
    const int i = croisements_->currentIndex();
    if (i < 0 || i >= static_cast<int>(tables().size())) {
        enfants_->setRowCount(0);
        comparaison_->setRowCount(0);
        test_->setText(
            QStringLiteral("Ajoutez des familles enregistrées ou de nouvelles familles."));
        vue_comparaison_->setChart(new QChart);
        return;
    }
    const TableCroisement& t = tables()[static_cast<std::size_t>(i)];
    remplit_enfants(*enfants_, t);
    std::optional<Comparaison> c;
    QString titre;
    if (par_hypothese_->isChecked()) {
        std::string erreur;
        if (const auto h = lit_hypothese(texte_core(hypothese_->text()), erreur)) {
            c = compare_a_l_hypothese(t, *h);
            titre = QStringLiteral("Observé et attendu par l'hypothèse");
        } else {
            test_->setText(QStringLiteral("Hypothèse illisible : %1").arg(texte_qt(erreur)));
        }
    } else {
        c = compare_au_programme(t);
        titre = QStringLiteral("Observé et attendu par le programme");
        if (!c)
            test_->setText(QStringLiteral("La loi exacte des enfants n'est pas connue ici : "
                                          "tapez une hypothèse."));
    }
    if (!c) {
        comparaison_->setRowCount(0);
        vue_comparaison_->setChart(new QChart);
        return;
    }
    remplit_comparaison(*comparaison_, *c);
    test_->setText(texte_qt(texte_du_test(c->test)));
    vue_comparaison_->setChart(graphique_comparaison(*c, titre + " : " + titre_table(t).trimmed()));
}

void FenetreStatistiques::montre_proportion() {
    const std::string p = texte_core(phenotype_suivi_->currentText());
    vue_proportion_->setChart(graphique_proportion(proportion_courante(recolte().familles, p),
                                                   phenotype_suivi_->currentText(),
                                                   proportion_attendue(tables(), p)));
}

void FenetreStatistiques::montre_calibration() {
    const int g = std::max(0, gene_calibre_->currentIndex());
    vue_calibration_->setChart(
        graphique_calibration(calibration(recolte().familles, static_cast<std::size_t>(g))));
}

void FenetreStatistiques::choisit_fichiers() {
    const QStringList fichiers = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Familles à compter"), QString(),
        QStringLiteral("Familles Orvan (*.gen);;Tous les fichiers (*)"));
    if (!fichiers.isEmpty()) ajoute_chemins(fichiers);
}

void FenetreStatistiques::choisit_dossier() {
    const QString dossier =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Dossier des familles"));
    if (!dossier.isEmpty()) ajoute_chemins({dossier});
}

void FenetreStatistiques::exporte_csv() {
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter en CSV"),
                                                        QStringLiteral("familles.csv"),
                                                        QStringLiteral("Tableur CSV (*.csv)"));
    if (chemin.isEmpty()) return;
    QSaveFile fichier(chemin);
    const std::string texte = csv_des_familles(recolte().familles);
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) !=
            static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Impossible de créer le fichier %1").arg(chemin));
}

void FenetreStatistiques::enregistre_graphique_courant() {
    QChartView* vues[] = {vue_comparaison_, vue_proportion_, vue_calibration_};
    QChartView* vue = vues[std::clamp(onglets_->currentIndex(), 0, 2)];
    QString filtre;
    QString chemin = QFileDialog::getSaveFileName(
        this, QStringLiteral("Enregistrer le graphique"), QStringLiteral("graphique.png"),
        QStringLiteral("Image PNG (*.png);;Image SVG (*.svg)"), &filtre);
    if (chemin.isEmpty()) return;
    if (!chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        chemin +=
            filtre.contains(QLatin1String("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (const auto echec = enregistre_graphique(*vue, chemin))
        QMessageBox::warning(this, windowTitle(), *echec);
}

} // namespace orvan
