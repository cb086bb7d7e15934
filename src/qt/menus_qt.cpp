#include "qt/menus_qt.h"

#include "qt/conversions_qt.h"

#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>

#include <algorithm>

namespace orvan {

namespace {
unsigned version_ = 0;
} // namespace

unsigned version_des_menus() {
    return version_;
}

MenuQt::MenuQt(Menu& m, Relais& relais, QAction* action, QMenu* sous_menu, QObject* parent)
    : QObject(parent), m_(m), action_(sous_menu ? sous_menu->menuAction() : action),
      sous_menu_(sous_menu) {
    setObjectName(QString::fromStdString(m.nom));
    action_->setObjectName(QString::fromStdString(m.nom));
    caption_ = m.caption;
    // A separator's caption ("-") would be drawn as a section title.
    if (m.separateur)
        action_->setSeparator(true);
    else
        action_->setText(texte_qt(m.caption));
    ++version_;
    const Menu& menu = m_;
    if (sous_menu)
        // Opening a menu is a click on its entry too: the core may prepare what it shows.
        connect(sous_menu, &QMenu::aboutToShow, this,
                [&menu, &relais] { relais.traite([&menu] { menu.clic(); }); });
    else
        connect(action_, &QAction::triggered, this,
                [&menu, &relais] { relais.traite([&menu] { menu.clic(); }); });
}

void MenuQt::actualise() {
    if (!action_) return;
    if (m_.caption != caption_) {
        caption_ = m_.caption;
        if (!action_->isSeparator()) action_->setText(texte_qt(caption_));
        ++version_;
    }
    if (action_->isVisible() != m_.visible) {
        action_->setVisible(m_.visible);
        ++version_;
    }
    if (action_->isEnabled() != m_.enabled) action_->setEnabled(m_.enabled);
    // Only a ticked entry shows a mark; the others are plain entries.
    if (!sous_menu_ && !m_.separateur) {
        if (action_->isCheckable() != m_.checked) action_->setCheckable(m_.checked);
        if (action_->isChecked() != m_.checked) action_->setChecked(m_.checked);
    }
    if (m_.hint != bulle_) {
        bulle_ = m_.hint;
        action_->setToolTip(texte_qt(bulle_));
    }
    if (m_.raccourci != raccourci_ || m_.raccourci_bis != raccourci_bis_) {
        raccourci_ = m_.raccourci;
        raccourci_bis_ = m_.raccourci_bis;
        QList<QKeySequence> touches = {raccourci_qt(raccourci_)};
        if (raccourci_bis_ != 0) touches.push_back(raccourci_qt(raccourci_bis_));
        action_->setShortcuts(touches);
    }
}

bool BullesDeLaBarre::eventFilter(QObject* objet, QEvent* e) {
    auto* barre = qobject_cast<QMenuBar*>(objet);
    if (!barre || e->type() != QEvent::ToolTip) return false;
    const auto* aide = static_cast<QHelpEvent*>(e);
    const QAction* a = barre->actionAt(aide->pos());
    // Without a hint of its own, an entry's tooltip is its text.
    QString texte = a ? a->text() : QString();
    texte.remove('&');
    if (a && !a->isEnabled() && a->toolTip() != texte)
        QToolTip::showText(aide->globalPos(), a->toolTip(), barre);
    else
        QToolTip::hideText();
    return true;
}

void attribue_mnemoniques(const QList<QAction*>& entrees) {
    QStringList textes;
    QList<qsizetype> places;
    qsizetype plus_long = 0;
    for (QAction* a : entrees) {
        textes << QString(a->text()).remove(QLatin1Char('&'));
        places << -1;
        plus_long = std::max(plus_long, textes.back().size());
    }
    QString prises;
    for (qsizetype rang = 0; rang < plus_long; ++rang)
        for (qsizetype i = 0; i < entrees.size(); ++i) {
            const QString& t = textes[i];
            if (places[i] >= 0 || entrees[i]->isSeparator() || !entrees[i]->isVisible() ||
                rang >= t.size())
                continue;
            const QChar c = t[rang].toLower();
            if (c.unicode() >= 128 || !c.isLetter() || prises.contains(c)) continue;
            prises += c;
            places[i] = rang;
        }
    for (qsizetype i = 0; i < entrees.size(); ++i) {
        QAction* a = entrees[i];
        if (a->isSeparator()) continue;
        const QString avec =
            places[i] < 0 ? textes[i]
                          : textes[i].left(places[i]) + QLatin1Char('&') + textes[i].mid(places[i]);
        if (a->text() != avec) a->setText(avec);
        if (QMenu* m = a->menu()) attribue_mnemoniques(m->actions());
    }
}

QKeySequence raccourci_qt(int code) {
    const int touche = code & 0xff;
    int qt = 0;
    if (touche >= 112 && touche <= 123)
        qt = Qt::Key_F1 + (touche - 112);
    else if ((touche >= 'A' && touche <= 'Z') || (touche >= '0' && touche <= '9') ||
             touche == '=' || touche == '+' || touche == '-')
        qt = touche;
    else if (touche == 46)
        qt = Qt::Key_Delete;
    else if (touche == 13)
        qt = Qt::Key_Return;
    else if (touche == 27)
        qt = Qt::Key_Escape;
    if (qt == 0) return {};
    int modifiers = 0;
    if (code & 0x2000) modifiers |= Qt::SHIFT;
    if (code & 0x4000) modifiers |= Qt::CTRL;
    if (code & 0x8000) modifiers |= Qt::ALT;
    return QKeySequence(QKeyCombination::fromCombined(qt | modifiers));
}

} // namespace orvan
