// A timer of the core, ticking in Qt's event loop.
#pragma once

#include "qt/reflet.h"

#include <QTimer>

namespace orvan {

class MinuterieQt : public QTimer, public Reflet {
  public:
    MinuterieQt(Minuterie& m, Relais& relais, QObject* parent);
    const Controle& controle() const override { return m_; }
    QWidget* widget() override { return nullptr; }
    void actualise() override;

  private:
    const Minuterie& m_;
};

} // namespace orvan
