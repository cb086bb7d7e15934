#include "qt/tableau_qt.h"

#include "qt/conversions_qt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvan {

void montre_tableau_qt(QWidget* parent, const DemandeTableau& tableau) {
    const auto& cases = tableau.cases;
    if (cases.empty() || cases[0].empty()) return;
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("tableau"));
    dialogue.setWindowTitle(texte_qt(tableau.titre));
    const int lignes = static_cast<int>(cases.size()) - 1;
    const int colonnes = static_cast<int>(cases[0].size()) - 1;
    auto* table = new QTableWidget(lignes, colonnes, &dialogue);
    for (int c = 0; c < colonnes; ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(texte_qt(cases[0][c + 1])));
    for (int l = 0; l < lignes; ++l) {
        const auto& ligne = cases[static_cast<std::size_t>(l + 1)];
        table->setVerticalHeaderItem(l, new QTableWidgetItem(texte_qt(ligne[0])));
        for (int c = 0; c < colonnes && c + 1 < static_cast<int>(ligne.size()); ++c) {
            auto* item = new QTableWidgetItem(texte_qt(ligne[static_cast<std::size_t>(c + 1)]));
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(l, c, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setCornerButtonEnabled(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, &dialogue);
    boutons->button(QDialogButtonBox::Close)->setText(texte_qt(tableau.fermer));
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    auto* disposition = new QVBoxLayout(&dialogue);
    // The title again inside, whole: the caption bar may cut it.
    auto* entete = new QLabel(texte_qt(tableau.titre), &dialogue);
    entete->setStyleSheet(QStringLiteral("font-weight: bold"));
    disposition->addWidget(entete);
    disposition->addWidget(table);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    disposition->addWidget(boutons);
    // The headers' lengths are known only once shown: the size is summed from the cells'.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    int largeur = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
    for (int c = 0; c < colonnes; ++c)
        largeur += table->columnWidth(c);
    int hauteur = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int l = 0; l < lignes; ++l)
        hauteur += table->rowHeight(l);
    table->setFixedSize(largeur, hauteur);
    dialogue.exec();
}

} // namespace orvan
