// A long task of the core as the window shows it: nothing for its first half second, then a
// progress dialog over the whole program, with its cancel button when the task has one.
#pragma once

#include "ground/plateforme.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>

namespace orvan {

class ProgressionQt : public QObject {
  public:
    ~ProgressionQt() override {
        if (montree_) --taches_montrees_;
    }
    void commence(const DemandeProgression& demande, QWidget* fenetre);
    // False once the user has cancelled.
    bool progresse(std::size_t faits);
    void termine();
    // Whether a long task's dialog shows now, in any window of the program. The mouse and the
    // keyboard reach no other window then, but a screen reader's action (a menu entry, a button
    // pressed through the accessibility bus) comes by another road: the windows then run no
    // handler, for it would run between two steps of the task.
    static bool une_tache_montree() { return taches_montrees_ > 0; }

  protected:
    // While the dialog shows, the core's timers wait: a tick would run a handler in the middle
    // of the task.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void montre();

    DemandeProgression demande_;
    QPointer<QWidget> fenetre_;
    QPointer<QProgressDialog> dialogue_;
    QElapsedTimer chrono_;
    qint64 dernier_regard_ = 0;
    bool annulee_ = false;
    bool montree_ = false;
    static inline int taches_montrees_ = 0;
};

} // namespace orvan
