#include "qt/tableau_famille.h"

#include "ground/messages.h"
#include "qt/acces_famille.h"
#include "qt/conversions_qt.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvan {

namespace {

// Sorted by its key, not by its text: "II-10" after "II-9", "III-1" after both.
class Cellule : public QTableWidgetItem {
  public:
    Cellule(const QString& texte, QVariant cle) : QTableWidgetItem(texte) {
        setData(Qt::UserRole, std::move(cle));
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& autre) const override {
        return QVariant::compare(data(Qt::UserRole), autre.data(Qt::UserRole)) < 0;
    }
};

int ordre_de_lecture(const IndividuDecrit& i) {
    return i.generation * 1000 + i.rang;
}

// The parent of that sex, by its number; empty for a founder or a spouse.
Cellule* cellule_parent(const IndividuDecrit& i, const std::vector<IndividuDecrit>& famille,
                        bool femme) {
    for (int p : i.parents)
        if (const IndividuDecrit* d = trouve(famille, p); d && d->femme == femme)
            return new Cellule(texte_qt(d->numero), ordre_de_lecture(*d));
    return new Cellule(QString(), 0);
}

// Whether some row has that column: genotypes or probabilities.
bool colonne_montree(const std::vector<IndividuDecrit>& famille, Texte IndividuDecrit::*champ) {
    for (const IndividuDecrit& i : famille)
        if (!(i.*champ).francais.empty()) return true;
    return false;
}

} // namespace

TableauFamilleQt::TableauFamilleQt(AccesFamilleQt& acces, QWidget* parent)
    : QDialog(parent), acces_(acces), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("tableau_famille"));
    table_->setObjectName(QStringLiteral("table_famille"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(table_);
    resize(520, 360);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { ligne_choisie(); });
    // Enter or a double click on a row: back to the pedigree, on that individual.
    connect(table_, &QTableWidget::itemActivated, this, [this](QTableWidgetItem* c) {
        const QTableWidgetItem* numero = table_->item(c->row(), 0);
        if (numero) acces_.choisit(numero->data(Qt::UserRole + 1).toInt(), true);
    });
}

void TableauFamilleQt::actualise() {
    const auto& famille = acces_.famille();
    const Langue langue = acces_.langue();
    if (langue == langue_montree_ && famille.size() == montree_.size() &&
        std::equal(famille.begin(), famille.end(), montree_.begin(), [](auto& a, auto& b) {
            return a.k == b.k && a.numero == b.numero && a.phenotype == b.phenotype &&
                   a.genotype == b.genotype && a.probabilite == b.probabilite &&
                   a.parents == b.parents;
        })) {
        choisit_ligne(acces_.courant());
        return;
    }
    montree_ = famille;
    langue_montree_ = langue;
    remplit_ = true;
    const auto t = [langue](const Texte& texte) { return texte_qt(texte.dans(langue)); };
    setWindowTitle(t(msg::tableau_famille));
    table_->setAccessibleName(t(msg::tableau_famille));
    const bool genotypes = colonne_montree(famille, &IndividuDecrit::genotype);
    const bool probabilites = colonne_montree(famille, &IndividuDecrit::probabilite);
    QStringList titres = {t(msg::colonne_individu), t(msg::colonne_sexe), t(msg::colonne_pere),
                          t(msg::colonne_mere), t(msg::colonne_phenotype)};
    if (genotypes) titres << t(msg::colonne_genotype);
    if (probabilites) titres << t(msg::colonne_probabilite);
    table_->setSortingEnabled(false);
    table_->clear();
    table_->setColumnCount(static_cast<int>(titres.size()));
    table_->setHorizontalHeaderLabels(titres);
    table_->setRowCount(static_cast<int>(famille.size()));
    for (int r = 0; r < static_cast<int>(famille.size()); ++r) {
        const IndividuDecrit& i = famille[static_cast<std::size_t>(r)];
        auto* numero = new Cellule(texte_qt(i.numero), ordre_de_lecture(i));
        numero->setData(Qt::UserRole + 1, i.k);
        table_->setItem(r, 0, numero);
        const QString sexe = t(nom_du_sexe(i));
        table_->setItem(r, 1, new Cellule(sexe, sexe));
        table_->setItem(r, 2, cellule_parent(i, famille, false));
        table_->setItem(r, 3, cellule_parent(i, famille, true));
        QString phenotype = texte_qt(i.phenotype);
        if (!i.qualificatif.francais.empty()) phenotype += QStringLiteral(", ") + t(i.qualificatif);
        table_->setItem(r, 4, new Cellule(phenotype, phenotype));
        if (genotypes) table_->setItem(r, 5, new Cellule(t(i.genotype), t(i.genotype)));
        if (probabilites)
            table_->setItem(r, genotypes ? 6 : 5, new Cellule(t(i.probabilite), t(i.probabilite)));
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    remplit_ = false;
    choisit_ligne(acces_.courant());
}

void TableauFamilleQt::choisit_ligne(int k) {
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QTableWidgetItem* c = table_->item(r, 0);
        if (!c || c->data(Qt::UserRole + 1).toInt() != k) continue;
        if (table_->currentRow() == r) return;
        remplit_ = true;
        table_->setCurrentCell(r, 0);
        remplit_ = false;
        return;
    }
}

void TableauFamilleQt::ligne_choisie() {
    if (remplit_) return;
    const int r = table_->currentRow();
    const QTableWidgetItem* c = r >= 0 ? table_->item(r, 0) : nullptr;
    if (c) acces_.choisit(c->data(Qt::UserRole + 1).toInt(), false);
}

} // namespace orvan
