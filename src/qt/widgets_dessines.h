// The controls that paint themselves: pedigree symbols, labels, panels (the pedigree's lines),
// group boxes, bevels and pictures.
#pragma once

#include "qt/dessin_controles.h"
#include "qt/reflet.h"
#include "qt/souris.h"

#include <QFrame>
#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace orvan {

class FormeQt : public AvecSouris<QWidget>, public Reflet {
  public:
    FormeQt(Forme& f, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return f_; }
    QWidget* widget() override { return this; }
    void actualise() override;
    // An individual that no longer takes a click can still take the keyboard's focus, so that
    // it is read out; its mouse goes nowhere, as the control says.
    bool suit_activation() const override { return false; }
    void dessin_ailleurs() override { dessine_ = false; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const Forme& f_;
    AspectSymbole aspect_;
    bool dessine_ = true;
};

class LabelQt : public AvecSouris<QWidget>, public Reflet {
  public:
    LabelQt(Label& l, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return l_; }
    QWidget* widget() override { return this; }
    void actualise() override;
    QRect geometrie() const override;
    // What is painted, for the tests.
    const QString& texte() const { return aspect_.texte; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    // What the zone of a label that stays inside its symbol depends on.
    struct CleZone {
        std::string caption;
        Police police;
        QRect label, symbole;
        bool operator==(const CleZone& autre) const {
            return caption == autre.caption && police.taille == autre.police.taille &&
                   police.gras == autre.police.gras && label == autre.label &&
                   symbole == autre.symbole;
        }
    };

    const Label& l_;
    std::string caption_;
    AspectEtiquette aspect_;
    // Measuring the text was most of a pass of the mirror: the zone is kept until its key changes.
    mutable std::optional<CleZone> cle_zone_;
    mutable QRect zone_;
};

class PanelQt : public AvecSouris<QWidget>, public Reflet {
  public:
    PanelQt(Panel& p, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return p_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const Panel& p_;
    std::string caption_;
    AspectLigne aspect_;
};

class GroupeQt : public AvecSouris<QGroupBox>, public Reflet {
  public:
    GroupeQt(Groupe& g, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return g_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    const Groupe& g_;
    std::string caption_;
    std::optional<Couleur> fond_;
};

class BiseauQt : public QFrame, public Reflet {
  public:
    BiseauQt(Biseau& b, QWidget* parent);
    const Controle& controle() const override { return b_; }
    QWidget* widget() override { return this; }
    void actualise() override {}

  private:
    const Biseau& b_;
};

class ImageQt : public QWidget, public Reflet {
  public:
    ImageQt(Image& i, QWidget* parent);
    const Controle& controle() const override { return i_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const Image& i_;
    Dessin dessin_;
    std::vector<std::string> textes_;
    QPixmap cache_;
};

} // namespace orvan
