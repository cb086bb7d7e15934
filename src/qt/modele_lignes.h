// The lines of a list of the core as a Qt list model: the view asks only for the rows it shows,
// so a log of a hundred thousand lines costs what its visible rows cost.
#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace orvan {

class ModeleLignes : public QAbstractListModel {
  public:
    explicit ModeleLignes(QObject* parent = nullptr) : QAbstractListModel(parent) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows to these lines, telling the view only what changed: rows added at the end
    // as the log grows, rows removed from the end as an undo shortens it, everything otherwise.
    // False when nothing changed.
    bool suit(const std::vector<std::string>& lignes, int hauteur_ligne);

  private:
    std::vector<std::string> lignes_;
    int hauteur_ligne_ = 16;
};

} // namespace orvan
