#include "qt/style_orvan.h"

#include "qt/conversions_qt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QTranslator>

namespace orvan {

StyleOrvan::StyleOrvan() : QProxyStyle() {}

QRect StyleOrvan::subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                                 const QWidget* w) const {
    const auto* g = qstyleoption_cast<const QStyleOptionGroupBox*>(opt);
    if (cc != CC_GroupBox || !g || (g->subControls & SC_GroupBoxCheckBox))
        return QProxyStyle::subControlRect(cc, opt, sc, w);
    const int ligne = g->fontMetrics.height();
    const QRect cadre = g->rect.adjusted(0, ligne / 2, 0, 0);
    switch (sc) {
    case SC_GroupBoxFrame:
        return cadre;
    case SC_GroupBoxContents:
        return g->rect.adjusted(2, ligne, -2, -2);
    case SC_GroupBoxLabel: {
        if (g->text.isEmpty()) return {};
        const int largeur = g->fontMetrics.size(Qt::TextShowMnemonic, g->text).width() + 1;
        return QRect(g->rect.left() + 8, g->rect.top(), largeur, ligne);
    }
    default:
        return QProxyStyle::subControlRect(cc, opt, sc, w);
    }
}

void StyleOrvan::drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                               const QWidget* w) const {
    if (pe != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(pe, opt, p, w);
        return;
    }
    // An etched line exactly on the rectangle given, as the caption's place depends on it.
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setBrush(Qt::NoBrush);
    const QColor fond = opt->palette.window().color();
    const QRectF r = QRectF(opt->rect).adjusted(0.5, 0.5, -1.5, -1.5);
    p->setPen(fond.lighter(125));
    p->drawRoundedRect(r.translated(1, 1), 3, 3);
    p->setPen(fond.darker(150));
    p->drawRoundedRect(r, 3, 3);
    p->restore();
}

void StyleOrvan::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                                    const QWidget* w) const {
    const auto* g = qstyleoption_cast<const QStyleOptionGroupBox*>(opt);
    if (cc != CC_GroupBox || !g || (g->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        return;
    }
    // The frame, broken where the caption stands, then the caption.
    QStyleOptionGroupBox cadre(*g);
    cadre.subControls &= ~SC_GroupBoxLabel;
    const QRect titre = subControlRect(cc, g, SC_GroupBoxLabel, w);
    p->save();
    if (!titre.isEmpty()) p->setClipRegion(QRegion(g->rect) - QRegion(titre.adjusted(-3, 0, 3, 0)));
    QProxyStyle::drawComplexControl(cc, &cadre, p, w);
    p->restore();
    if (titre.isEmpty() || !(g->subControls & SC_GroupBoxLabel)) return;
    QStyleOptionGroupBox etiquette(*g);
    etiquette.subControls = SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(cc, &etiquette, p, w);
}

int StyleOrvan::pixelMetric(PixelMetric m, const QStyleOption* opt, const QWidget* w) const {
    if (m == PM_IndicatorWidth || m == PM_IndicatorHeight) return 12;
    if (m == PM_CheckBoxLabelSpacing) return 2;
    return QProxyStyle::pixelMetric(m, opt, w);
}

void prepare_application() {
    QApplication::setStyle(new StyleOrvan);
    QApplication::setFont(police_qt(Police{}));
    // Qt's own dialogs (file choice, Yes and No) in the user's language.
    auto* traduction = new QTranslator(qApp);
    if (traduction->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduction);
}

} // namespace orvan
