#include "qt/minuterie_qt.h"

namespace orvan {

MinuterieQt::MinuterieQt(Minuterie& m, Relais& relais, QObject* parent) : QTimer(parent), m_(m) {
    setObjectName(QString::fromStdString(m.nom));
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, [this, &relais] {
        const Minuterie& m = m_;
        relais.traite([&m] { m.tic(); });
    });
}

void MinuterieQt::actualise() {
    // A timer with no interval never ticks.
    const bool actif = m_.enabled && m_.intervalle > 0;
    if (m_.intervalle > 0 && interval() != m_.intervalle) setInterval(m_.intervalle);
    if (isActive() != actif) {
        if (actif)
            start();
        else
            stop();
    }
}

} // namespace orvan
