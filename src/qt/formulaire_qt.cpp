#include "qt/formulaire_qt.h"

#include "qt/conversions_qt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace orvan {

namespace {

// Each group a box of its labelled fields; the fields in the request's order.
std::vector<QLineEdit*> cree_champs(QDialog& dialogue, QVBoxLayout& disposition,
                                    const DemandeFormulaire& demande) {
    std::vector<QLineEdit*> champs;
    for (std::size_t g = 0; g < demande.groupes.size(); ++g) {
        const GroupeFormulaire& groupe = demande.groupes[g];
        auto* boite = new QGroupBox(texte_qt(groupe.titre), &dialogue);
        auto* formulaire = new QFormLayout(boite);
        for (std::size_t k = 0; k < groupe.champs.size(); ++k) {
            auto* champ = new QLineEdit(texte_qt(groupe.champs[k].texte), boite);
            champ->setObjectName(QStringLiteral("champ_%1_%2").arg(g + 1).arg(k + 1));
            champ->setAccessibleName(texte_qt(groupe.titre + " " + groupe.champs[k].libelle));
            formulaire->addRow(texte_qt(groupe.champs[k].libelle), champ);
            champs.push_back(champ);
        }
        disposition.addWidget(boite);
    }
    return champs;
}

std::vector<std::string> textes(const std::vector<QLineEdit*>& champs) {
    std::vector<std::string> t;
    for (const QLineEdit* c : champs)
        t.push_back(c->text().toStdString());
    return t;
}

} // namespace

bool montre_formulaire_qt(QWidget* parent, const DemandeFormulaire& demande) {
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("formulaire"));
    dialogue.setWindowTitle(texte_qt(demande.titre));
    auto* disposition = new QVBoxLayout(&dialogue);
    if (!demande.explication.empty()) {
        auto* explication = new QLabel(texte_qt(demande.explication), &dialogue);
        explication->setWordWrap(true);
        disposition->addWidget(explication);
    }
    const std::vector<QLineEdit*> champs = cree_champs(dialogue, *disposition, demande);
    auto* boutons = new QDialogButtonBox(&dialogue);
    boutons->addButton(texte_qt(demande.ok), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(texte_qt(demande.annuler), QDialogButtonBox::RejectRole);
    QPushButton* defaut =
        boutons->addButton(texte_qt(demande.par_defaut), QDialogButtonBox::ResetRole);
    disposition->addWidget(boutons);
    QObject::connect(defaut, &QPushButton::clicked, &dialogue, [&] {
        std::size_t i = 0;
        for (const GroupeFormulaire& g : demande.groupes)
            for (const ChampFormulaire& c : g.champs)
                champs[i++]->setText(texte_qt(c.par_defaut));
    });
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, [&] {
        if (!demande.accepte) return dialogue.accept();
        QPointer<QDialog> ouvert(&dialogue);
        demande.accepte(textes(champs), [ouvert](bool pris) {
            if (pris && ouvert) ouvert->accept();
        });
    });
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    dialogue.setMinimumWidth(420);
    return dialogue.exec() == QDialog::Accepted;
}

} // namespace orvan
