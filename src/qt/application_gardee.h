// The program's last guard: an error that a handler lets out, in any window, is said over the
// window instead of ending the program, and the family stays as it was on screen.
#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace orvan {

class ApplicationGardee : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Says what failed; the session gives it the platform's error box in the window's language.
    // Without it, a box in French.
    static inline std::function<void(const std::string&)> signale;
};

// What a handler let out, said as ApplicationGardee says it.
void signale_erreur_interne(const std::string& quoi);

} // namespace orvan
