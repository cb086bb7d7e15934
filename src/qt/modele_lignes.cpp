#include "qt/modele_lignes.h"

#include "qt/conversions_qt.h"

#include <QSize>

#include <algorithm>

namespace orvan {

int ModeleLignes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

QVariant ModeleLignes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return texte_qt(lignes_[static_cast<std::size_t>(index.row())]);
    if (role == Qt::SizeHintRole) return QSize(0, hauteur_ligne_);
    return {};
}

bool ModeleLignes::suit(const std::vector<std::string>& lignes, int hauteur_ligne) {
    if (hauteur_ligne != hauteur_ligne_) {
        beginResetModel();
        hauteur_ligne_ = hauteur_ligne;
        lignes_ = lignes;
        endResetModel();
        return true;
    }
    const auto commun = static_cast<std::size_t>(
        std::mismatch(lignes_.begin(), lignes_.end(), lignes.begin(), lignes.end()).first -
        lignes_.begin());
    const int ancien = static_cast<int>(lignes_.size());
    const int nouveau = static_cast<int>(lignes.size());
    if (commun == lignes_.size() && nouveau > ancien) {
        beginInsertRows({}, ancien, nouveau - 1);
        lignes_.insert(lignes_.end(), lignes.begin() + ancien, lignes.end());
        endInsertRows();
    } else if (commun == lignes.size() && nouveau < ancien) {
        beginRemoveRows({}, nouveau, ancien - 1);
        lignes_.resize(lignes.size());
        endRemoveRows();
    } else if (commun != lignes.size() || nouveau != ancien) {
        beginResetModel();
        lignes_ = lignes;
        endResetModel();
    } else {
        return false;
    }
    return true;
}

} // namespace orvan
