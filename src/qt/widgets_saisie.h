// The controls the user answers with: radio groups, check boxes, combo boxes, buttons, lists,
// text boxes. A user's action calls the core; the core decides, and the refresh that follows
// makes the widget show what it decided.
#pragma once

#include "qt/modele_lignes.h"
#include "qt/reflet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <string>
#include <vector>

namespace orvan {

class RadioGroupeQt : public QGroupBox, public Reflet {
  public:
    RadioGroupeQt(RadioGroupe& r, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return r_; }
    QWidget* widget() override { return this; }
    void actualise() override;
    // The buttons in use, one per item.
    std::vector<QRadioButton*> boutons() const;

  protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

  private:
    void range();
    RadioGroupe& r_;
    Relais& relais_;
    std::string caption_;
    std::vector<std::string> items_;
    std::vector<bool> caches_;
    std::vector<std::string> textes_lus_;
    int index_ = -2;
    // Buttons are only ever added and hidden, never destroyed: the one being clicked may lose
    // its item in the very handler its click runs.
    std::vector<QRadioButton*> reserve_;
};

class CaseQt : public QCheckBox, public Reflet {
  public:
    CaseQt(CaseACocher& c, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return c_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    CaseACocher& c_;
    std::string caption_;
};

class ComboQt : public QComboBox, public Reflet {
  public:
    ComboQt(Combo& c, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return c_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    Combo& c_;
    std::vector<std::string> items_;
};

class ListeQt : public QListView, public Reflet {
  public:
    ListeQt(Liste& l, QWidget* parent);
    const Controle& controle() const override { return l_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    const Liste& l_;
    ModeleLignes modele_;
    Couleur couleur_texte_;
};

class MemoQt : public QPlainTextEdit, public Reflet {
  public:
    MemoQt(Memo& m, QWidget* parent);
    const Controle& controle() const override { return m_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    const Memo& m_;
    std::vector<std::string> lignes_;
};

class BoutonQt : public QPushButton, public Reflet {
  public:
    BoutonQt(BoutonGlyphe& b, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return b_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    const BoutonGlyphe& b_;
    std::string caption_;
    Glyphe glyphe_ = Glyphe::aucun; // the glyph shown
};

class BoutonPlatQt : public QToolButton, public Reflet {
  public:
    BoutonPlatQt(BoutonGlyphe& b, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return b_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    const BoutonGlyphe& b_;
    std::string caption_;
    Glyphe glyphe_ = Glyphe::aucun; // the glyph shown
};

// The text typed is the control's caption: the core reads it when it needs it.
class SaisieQt : public QLineEdit, public Reflet {
  public:
    SaisieQt(Saisie& s, Relais& relais, QWidget* parent);
    const Controle& controle() const override { return s_; }
    QWidget* widget() override { return this; }
    void actualise() override;

  private:
    Saisie& s_;
};

} // namespace orvan
