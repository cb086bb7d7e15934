// The yardstick for the start-up measures: the barest Qt main window, one label in it.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace {

// Leaves the event loop once the label has been painted.
class Guetteur : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            objet->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(objet, e);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenetre;
    auto* label = new QLabel(QStringLiteral("Fenêtre nue"), &fenetre);
    fenetre.setCentralWidget(label);
    fenetre.resize(698, 559);
    if (qEnvironmentVariableIsSet("ORVAN_QUITTER_APRES_AFFICHAGE"))
        label->installEventFilter(new Guetteur(&fenetre));
    fenetre.show();
    return app.exec();
}
