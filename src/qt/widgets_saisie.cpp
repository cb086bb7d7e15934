#include "qt/widgets_saisie.h"

#include "qt/conversions_qt.h"
#include "qt/glyphes.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace orvan {

// --- Radio group -------------------------------------------------------------------------------

RadioGroupeQt::RadioGroupeQt(RadioGroupe& r, Relais& relais, QWidget* parent)
    : QGroupBox(parent), r_(r), relais_(relais) {
    setAutoFillBackground(true);
}

std::vector<QRadioButton*> RadioGroupeQt::boutons() const {
    return {reserve_.begin(), reserve_.begin() + static_cast<std::ptrdiff_t>(items_.size())};
}

void RadioGroupeQt::actualise() {
    if (r_.caption != caption_) {
        caption_ = r_.caption;
        setTitle(texte_qt(caption_));
    }
    if (r_.items != items_ || r_.caches != caches_ || r_.textes_lus != textes_lus_) {
        items_ = r_.items;
        caches_ = r_.caches;
        textes_lus_ = r_.textes_lus;
        while (reserve_.size() < items_.size()) {
            auto* b = new QRadioButton(this);
            // The core decides which item is selected, and whether any is.
            b->setAutoExclusive(false);
            b->setAutoFillBackground(false);
            const int i = static_cast<int>(reserve_.size());
            connect(b, &QRadioButton::clicked, this, [this, i] {
                RadioGroupe& r = r_;
                relais_.traite([&r, i] { r.selectionne(i); });
            });
            reserve_.push_back(b);
        }
        for (std::size_t i = 0; i < reserve_.size(); ++i) {
            QRadioButton* b = reserve_[i];
            if (i < items_.size() && r_.item_montre(static_cast<int>(i))) {
                b->setText(texte_qt(r_.texte_lu(static_cast<int>(i))));
                b->show();
            } else {
                b->hide();
            }
        }
        range();
    }
    // Compared with the buttons themselves: a click may have ticked one the core refused.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool coche = static_cast<int>(i) == r_.index;
        if (reserve_[i]->isChecked() != coche) reserve_[i]->setChecked(coche);
        const bool actif = r_.item_actif(static_cast<int>(i));
        if (reserve_[i]->isEnabled() != actif) reserve_[i]->setEnabled(actif);
    }
}

// The items shown share the height below the caption evenly, one column.
void RadioGroupeQt::range() {
    int n = 0;
    for (std::size_t i = 0; i < items_.size(); ++i)
        n += r_.item_montre(static_cast<int>(i));
    if (n == 0) return;
    const int ligne = QFontMetrics(font()).height();
    const int reste = height() - ligne - 5;
    const int hauteur_item = std::max(1, reste / n);
    const int marge = ligne + 1 + (reste % n) / 2;
    int rang = 0;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (r_.item_montre(static_cast<int>(i)))
            reserve_[i]->setGeometry(8, marge + rang++ * hauteur_item, std::max(1, width() - 14),
                                     hauteur_item);
}

void RadioGroupeQt::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    range();
}

void RadioGroupeQt::changeEvent(QEvent* e) {
    QGroupBox::changeEvent(e);
    if (e->type() == QEvent::FontChange) range();
}

// --- Check box ---------------------------------------------------------------------------------

CaseQt::CaseQt(CaseACocher& c, Relais& relais, QWidget* parent)
    : QCheckBox(parent), c_(c), caption_(c.caption) {
    setText(texte_qt(caption_));
    setChecked(c.checked);
    setAutoFillBackground(true);
    connect(this, &QCheckBox::clicked, this, [this, &relais] {
        CaseACocher& c = c_;
        relais.traite([&c] { c.coche(!c.checked); });
    });
}

void CaseQt::actualise() {
    if (c_.caption != caption_) {
        caption_ = c_.caption;
        setText(texte_qt(caption_));
    }
    if (isChecked() != c_.checked) setChecked(c_.checked);
}

// --- Combo box ---------------------------------------------------------------------------------

ComboQt::ComboQt(Combo& c, Relais& relais, QWidget* parent) : QComboBox(parent), c_(c) {
    // activated is the user's choice only; setting the index from the core says nothing back.
    connect(this, &QComboBox::activated, this, [this, &relais](int i) {
        Combo& c = c_;
        relais.traite([&c, i] { c.choix_utilisateur(i); });
    });
}

void ComboQt::actualise() {
    if (c_.items != items_) {
        items_ = c_.items;
        clear();
        for (const std::string& item : items_)
            addItem(texte_qt(item));
    }
    const int index = c_.index >= 0 && c_.index < count() ? c_.index : -1;
    if (currentIndex() != index) setCurrentIndex(index);
}

// --- List box ----------------------------------------------------------------------------------

ListeQt::ListeQt(Liste& l, QWidget* parent)
    : QListView(parent), l_(l), modele_(this), couleur_texte_(l.couleur_texte) {
    setUniformItemSizes(true);
    setModel(&modele_);
    // The core keeps no selection in its lists.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, couleur_qt(couleur_texte_));
    setPalette(pal);
}

void ListeQt::actualise() {
    if (l_.couleur_texte != couleur_texte_) {
        couleur_texte_ = l_.couleur_texte;
        QPalette pal = palette();
        pal.setColor(QPalette::Text, couleur_qt(couleur_texte_));
        setPalette(pal);
    }
    // The newest line is the one the pupil looks for.
    if (modele_.suit(l_.lignes, l_.hauteur_ligne)) scrollToBottom();
}

// --- Multi-line text ---------------------------------------------------------------------------

MemoQt::MemoQt(Memo& m, QWidget* parent) : QPlainTextEdit(parent), m_(m) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void MemoQt::actualise() {
    if (m_.lignes == lignes_) return;
    lignes_ = m_.lignes;
    QString texte;
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
        if (i > 0) texte += QLatin1Char('\n');
        texte += texte_qt(lignes_[i]);
    }
    setPlainText(texte);
}

// --- Buttons -----------------------------------------------------------------------------------

BoutonQt::BoutonQt(BoutonGlyphe& b, Relais& relais, QWidget* parent)
    : QPushButton(parent), b_(b), caption_(b.caption) {
    setText(texte_qt(caption_));
    connect(this, &QPushButton::clicked, this, [this, &relais] {
        const BoutonGlyphe& b = b_;
        relais.traite([&b] { b.clic(); });
    });
}

void BoutonQt::actualise() {
    if (b_.caption != caption_) {
        caption_ = b_.caption;
        setText(texte_qt(caption_));
    }
    // Most buttons wait hidden in their panels: their picture is fetched when they first show.
    if (b_.glyphe != glyphe_ && b_.affiche()) {
        glyphe_ = b_.glyphe;
        setIcon(icone_glyphe(glyphe_));
    }
}

BoutonPlatQt::BoutonPlatQt(BoutonGlyphe& b, Relais& relais, QWidget* parent)
    : QToolButton(parent), b_(b), caption_(b.caption) {
    setAutoRaise(true);
    setText(texte_qt(caption_));
    setToolButtonStyle(caption_.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    connect(this, &QToolButton::clicked, this, [this, &relais] {
        const BoutonGlyphe& b = b_;
        relais.traite([&b] { b.clic(); });
    });
}

void BoutonPlatQt::actualise() {
    if (b_.caption != caption_) {
        caption_ = b_.caption;
        setText(texte_qt(caption_));
        setToolButtonStyle(caption_.empty() ? Qt::ToolButtonIconOnly
                                            : Qt::ToolButtonTextBesideIcon);
    }
    if (b_.glyphe != glyphe_ && b_.affiche()) {
        glyphe_ = b_.glyphe;
        setIcon(icone_glyphe(glyphe_));
    }
}

void BoutonPlatQt::resizeEvent(QResizeEvent* e) {
    QToolButton::resizeEvent(e);
    const int cote = std::max(8, std::min(width(), height()) - 4);
    setIconSize(QSize(cote, cote));
}

// --- Edit box ----------------------------------------------------------------------------------

SaisieQt::SaisieQt(Saisie& s, Relais& relais, QWidget* parent) : QLineEdit(parent), s_(s) {
    setText(texte_qt(s.caption));
    connect(this, &QLineEdit::textEdited, this, [this, &relais](const QString& texte) {
        Saisie& s = s_;
        const std::string t = texte_core(texte);
        relais.traite([&s, &t] { s.caption = t; });
    });
}

void SaisieQt::actualise() {
    const QString t = texte_qt(s_.caption);
    if (text() != t) setText(t);
}

} // namespace orvan
