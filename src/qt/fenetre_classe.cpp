#include "qt/fenetre_classe.h"

#include "app/classe.h"
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/fenetre_qt.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <set>

namespace orvan {

namespace {

constexpr int rang_eleve = Qt::UserRole + 1;

// A number sorts as a number, whatever the language writes it with; a cell without one (a name,
// a score never given) before every number.
class Cellule : public QTableWidgetItem {
  public:
    Cellule(const QString& texte, std::optional<double> valeur) : QTableWidgetItem(texte) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (valeur) {
            setData(Qt::UserRole, *valeur);
            setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    bool operator<(const QTableWidgetItem& autre) const override {
        const QVariant a = data(Qt::UserRole), b = autre.data(Qt::UserRole);
        if (a.isValid() != b.isValid()) return !a.isValid();
        if (a.isValid()) return a.toDouble() < b.toDouble();
        return QString::localeAwareCompare(text(), autre.text()) < 0;
    }
};

// "0 élève" but "0 pupils": French keeps the singular under two.
Texte compte(std::size_t n, const Texte& un, const Texte& plusieurs) {
    const Texte nombre = Texte::tel_quel(std::to_string(n));
    return {(n < 2 ? un : plusieurs).avec({nombre}).francais,
            (n == 1 ? un : plusieurs).avec({nombre}).anglais};
}

// "Génotypes demandés" over two lines: thirteen columns then fit the window's width.
QString sur_deux_lignes(QString entete) {
    const qsizetype blanc = entete.indexOf(QLatin1Char(' '));
    if (entete.size() > 9 && blanc > 0) entete[blanc] = QLatin1Char('\n');
    return entete;
}

bool ecrit_fichier(const QString& chemin, const std::string& texte) {
    QSaveFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) &&
           fichier.write(texte.data(), static_cast<qint64>(texte.size())) ==
               static_cast<qint64>(texte.size()) &&
           fichier.commit();
}

} // namespace

FenetreClasse::FenetreClasse(FenetrePrincipale& f, FenetreQt& fenetre)
    // Above the main window, which stays above the others.
    : QWidget(&fenetre, Qt::Window | Qt::WindowStaysOnTopHint), f_(f), fenetre_(fenetre) {
    setObjectName(QStringLiteral("classe"));
    table_ = new QTableWidget(0, static_cast<int>(colonnes_classe().size()));
    table_->setObjectName(QStringLiteral("eleves"));
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    ecartes_ = new QListWidget;
    ecartes_->setObjectName(QStringLiteral("ecartes"));
    ecartes_->setMaximumHeight(80);
    titre_ecartes_ = new QLabel;
    titre_ecartes_->setBuddy(ecartes_);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(cree_boutons_du_haut());
    colonne->addWidget(table_, 1);
    colonne->addWidget(titre_ecartes_);
    colonne->addWidget(ecartes_);
    colonne->addWidget(cree_boutons_du_bas());
    // A double click, or Enter on the row that has the focus.
    connect(table_, &QTableWidget::activated, this,
            [this](const QModelIndex& i) { ouvre_ligne(i.row()); });
    choisit_csv = [this]() -> std::optional<QString> {
        const QString c = QFileDialog::getSaveFileName(
            this, texte(msg::exporter_en_csv), texte(msg::nom_csv_classe), texte(msg::filtre_csv));
        return c.isEmpty() ? std::nullopt : std::optional(c);
    };
    choisit_pdf = [this]() -> std::optional<QString> {
        const QString c =
            QFileDialog::getSaveFileName(this, texte(msg::imprimer_en_pdf),
                                         texte(msg::nom_pdf_classe), texte(msg::filtre_pdf_classe));
        return c.isEmpty() ? std::nullopt : std::optional(c);
    };
    resize(1200, 560);
    ecrit_textes();
}

FenetreClasse::~FenetreClasse() = default;

QString FenetreClasse::texte(const Texte& t) const {
    return texte_qt(f_.textes(t));
}

QWidget* FenetreClasse::cree_boutons_du_haut() {
    auto* haut = new QWidget;
    auto* ligne = new QHBoxLayout(haut);
    ligne->setContentsMargins(0, 0, 0, 0);
    ajouter_fichiers_ = new QPushButton;
    ajouter_dossier_ = new QPushButton;
    vider_ = new QPushButton;
    resume_ = new QLabel;
    resume_->setObjectName(QStringLiteral("resume"));
    resume_->setWordWrap(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ajouter_fichiers_, ajouter_dossier_, vider_})
        ligne->addWidget(w);
    ligne->addWidget(resume_, 1);
    connect(ajouter_fichiers_, &QPushButton::clicked, this, [this] { choisit_fichiers(); });
    connect(ajouter_dossier_, &QPushButton::clicked, this, [this] { choisit_dossier(); });
    connect(vider_, &QPushButton::clicked, this, [this] { vide(); });
    return haut;
}

QWidget* FenetreClasse::cree_boutons_du_bas() {
    auto* bas = new QWidget;
    auto* ligne = new QHBoxLayout(bas);
    ligne->setContentsMargins(0, 0, 0, 0);
    ouvrir_ = new QPushButton;
    exporter_csv_ = new QPushButton;
    exporter_csv_->setObjectName(QStringLiteral("exporter_csv"));
    imprimer_ = new QPushButton;
    imprimer_->setObjectName(QStringLiteral("imprimer"));
    ligne->addWidget(ouvrir_);
    ligne->addStretch(1);
    ligne->addWidget(exporter_csv_);
    ligne->addWidget(imprimer_);
    connect(ouvrir_, &QPushButton::clicked, this, [this] { ouvre_ligne(table_->currentRow()); });
    connect(exporter_csv_, &QPushButton::clicked, this, [this] { exporte_csv(); });
    connect(imprimer_, &QPushButton::clicked, this, [this] { imprime(); });
    return bas;
}

void FenetreClasse::ecrit_textes() {
    setWindowTitle(texte(msg::classe_titre));
    ajouter_fichiers_->setText(texte(msg::ajouter_fichiers));
    ajouter_dossier_->setText(texte(msg::ajouter_dossier));
    vider_->setText(texte(msg::vider));
    ouvrir_->setText(texte(msg::ouvrir_la_famille));
    exporter_csv_->setText(texte(msg::exporter_csv));
    imprimer_->setText(texte(msg::imprimer_la_classe));
    titre_ecartes_->setText(texte(msg::fichiers_ecartes));
    table_->setAccessibleName(texte(msg::eleves_de_la_classe));
    table_->setAccessibleDescription(texte(msg::double_clic_ouvre));
    ecartes_->setAccessibleName(texte(msg::fichiers_ecartes));
    const std::vector<Texte> colonnes = colonnes_classe();
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c) {
        auto* entete =
            new QTableWidgetItem(sur_deux_lignes(texte(colonnes[static_cast<std::size_t>(c)])));
        // The exercises' columns say what they count.
        if (c >= 5 && c <= 8) entete->setToolTip(texte(msg::bulle_colonnes_alleles));
        if (c >= 9 && c <= 11) entete->setToolTip(texte(msg::bulle_colonnes_genotypes));
        if (c == 12) entete->setToolTip(texte(msg::bulle_score));
        table_->setHorizontalHeaderItem(c, entete);
    }
    montre_tout();
}

void FenetreClasse::ajoute_chemins(const QStringList& chemins) {
    std::vector<std::string> c;
    for (const QString& ch : chemins)
        c.push_back(texte_core(ch));
    if (!recolteur_) recolteur_ = std::make_unique<Recolteur>();
    RecolteClasse lue = recolteur_->classe(c, &f_.plateforme);
    avis_ = lue.interrompue ? msg::ajout_annule : Texte();
    if (!lue.interrompue) {
        // A file read again takes its new row, or its new reason, in place of the old one.
        std::set<std::string> lus;
        for (const auto& e : lue.eleves)
            lus.insert(e.chemin);
        for (const auto& e : lue.ecartes)
            lus.insert(e.chemin);
        const auto relu = [&lus](const auto& e) { return lus.count(e.chemin) > 0; };
        std::erase_if(classe_.eleves, relu);
        std::erase_if(classe_.ecartes, relu);
        std::move(lue.eleves.begin(), lue.eleves.end(), std::back_inserter(classe_.eleves));
        std::move(lue.ecartes.begin(), lue.ecartes.end(), std::back_inserter(classe_.ecartes));
    }
    montre_tout();
}

void FenetreClasse::vide() {
    classe_ = {};
    avis_ = {};
    montre_tout();
}

void FenetreClasse::montre_tout() {
    resume_->setText(texte(
        msg::resume_familles.avec(
            {compte(classe_.eleves.size(), msg::un_eleve, msg::des_eleves),
             compte(classe_.ecartes.size(), msg::un_fichier_ecarte, msg::des_fichiers_ecartes)}) +
        (avis_.francais.empty() ? Texte() : "\n" + avis_)));
    ecartes_->clear();
    for (const FichierEcarte& e : classe_.ecartes) {
        ecartes_->addItem(texte(msg::chemin_et_raison.avec({Texte::tel_quel(e.chemin), e.raison})));
        ecartes_->item(ecartes_->count() - 1)
            ->setToolTip(ecartes_->item(ecartes_->count() - 1)->text());
    }
    remplit_table();
    const bool eleves = !classe_.eleves.empty();
    ouvrir_->setEnabled(eleves);
    exporter_csv_->setEnabled(eleves);
    imprimer_->setEnabled(eleves);
}

void FenetreClasse::remplit_table() {
    const Langue l = f_.textes.langue();
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(classe_.eleves.size()));
    for (std::size_t r = 0; r < classe_.eleves.size(); ++r) {
        const EleveReleve& e = classe_.eleves[r];
        const auto cellules = cellules_eleve(e);
        for (std::size_t c = 0; c < cellules.size(); ++c) {
            auto* cellule = new Cellule(texte_qt(cellules[c].texte.dans(l)), cellules[c].valeur);
            if (c == 0) {
                cellule->setData(rang_eleve, static_cast<int>(r));
                cellule->setToolTip(texte_qt(e.chemin));
            }
            table_->setItem(static_cast<int>(r), static_cast<int>(c), cellule);
        }
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    if (table_->currentRow() < 0 && table_->rowCount() > 0) table_->setCurrentCell(0, 0);
}

void FenetreClasse::ouvre_ligne(int ligne) {
    const QTableWidgetItem* cellule = ligne >= 0 ? table_->item(ligne, 0) : nullptr;
    if (!cellule) return;
    const auto r = static_cast<std::size_t>(cellule->data(rang_eleve).toInt());
    if (r >= classe_.eleves.size()) return;
    const EleveReleve e = classe_.eleves[r];
    fenetre_.traite([this, &e] {
        // The answers panel as the pupil had it, whatever the family before showed.
        if (f_.historique.ouvre_fichier(e.chemin)) f_.alleles.comme_laisse(e.reponses_ouvertes);
    });
    fenetre_.raise();
    fenetre_.activateWindow();
}

void FenetreClasse::choisit_fichiers() {
    const QStringList fichiers = QFileDialog::getOpenFileNames(
        this, texte(msg::familles_des_eleves), QString(), texte(msg::filtre_familles));
    if (!fichiers.isEmpty()) ajoute_chemins(fichiers);
}

void FenetreClasse::choisit_dossier() {
    const QString dossier =
        QFileDialog::getExistingDirectory(this, texte(msg::dossier_des_familles));
    if (!dossier.isEmpty()) ajoute_chemins({dossier});
}

bool FenetreClasse::ecrit_csv(const QString& chemin) const {
    return ecrit_fichier(chemin, csv_de_la_classe(classe_.eleves, f_.textes.langue()));
}

void FenetreClasse::exporte_csv() {
    const auto chemin = choisit_csv ? choisit_csv() : std::nullopt;
    if (chemin && !ecrit_csv(*chemin))
        QMessageBox::warning(
            this, windowTitle(),
            texte(msg::creation_impossible.avec({Texte::tel_quel(texte_core(*chemin))})));
}

// The rows in the order the teacher sorted them.
QString FenetreClasse::html() const {
    QString h =
        QStringLiteral(
            "<h3>%1</h3><table border='1' cellspacing='0' cellpadding='3' width='100%'><tr>")
            .arg(texte(msg::classe_imprimee_le.avec(
                           {Texte::tel_quel(std::to_string(classe_.eleves.size()))}))
                     .toHtmlEscaped());
    for (int c = 0; c < table_->columnCount(); ++c)
        h += QStringLiteral("<th>%1</th>")
                 .arg(table_->horizontalHeaderItem(c)->text().toHtmlEscaped());
    h += QStringLiteral("</tr>");
    for (int r = 0; r < table_->rowCount(); ++r) {
        h += QStringLiteral("<tr>");
        for (int c = 0; c < table_->columnCount(); ++c) {
            const QTableWidgetItem* i = table_->item(r, c);
            const bool nombre = i->data(Qt::UserRole).isValid();
            h += QStringLiteral("<td%1>%2</td>")
                     .arg(nombre ? QStringLiteral(" align='right'") : QString(),
                          i->text().toHtmlEscaped());
        }
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

bool FenetreClasse::dessine(QPagedPaintDevice& page) const {
    page.setPageSize(QPageSize(QPageSize::A4));
    // Thirteen columns read better across the page.
    page.setPageOrientation(QPageLayout::Landscape);
    QTextDocument document;
    QFont police = font();
    police.setPointSizeF(8);
    document.setDefaultFont(police);
    document.setHtml(html());
    document.print(&page);
    return true;
}

bool FenetreClasse::ecrit_pdf(const QString& chemin) const {
    {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(chemin);
        pdf.setDocName(texte(msg::classe_titre));
        pdf.setCreator(QStringLiteral("Orvan"));
        dessine(pdf);
    }
    const QFileInfo fichier(chemin);
    return fichier.exists() && fichier.size() > 0;
}

// With no printer, the PDF that the teacher can print elsewhere: its save dialog says why.
void FenetreClasse::imprime() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const auto chemin = choisit_pdf ? choisit_pdf() : std::nullopt;
        if (chemin && !ecrit_pdf(*chemin))
            QMessageBox::warning(
                this, windowTitle(),
                texte(msg::creation_impossible.avec({Texte::tel_quel(texte_core(*chemin))})));
        return;
    }
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle(texte(msg::imprimer_la_classe));
    if (dialogue.exec() != QDialog::Accepted) return;
    dessine(imprimante);
    if (imprimante.printerState() == QPrinter::Error)
        QMessageBox::warning(this, windowTitle(), texte(msg::impression_impossible));
}

} // namespace orvan
