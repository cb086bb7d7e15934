#include "qt/style_orvan.h"

#include "qt/conversions_qt.h"
#include "qt/glyphes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QTranslator>

#include <array>
#include <limits>
#include <utility>

namespace orvan {

namespace {

constexpr int loin = std::numeric_limits<int>::max() - 1;
constexpr std::pair sans_trou{loin, loin};

// A one-pixel outline of r whose corners are cut by one pixel; its top line leaves out the columns
// of trou. Filled rectangles: lines through the paint event's clip are slower to draw.
void trace_cadre(QPainter* p, QRect r, QColor couleur, std::pair<int, int> trou) {
    const int g = r.left(), h = r.top(), d = r.right(), b = r.bottom();
    const auto trait = [&](int x1, int y1, int x2, int y2) {
        if (x1 <= x2 && y1 <= y2) p->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), couleur);
    };
    trait(g + 2, h, std::min(trou.first - 1, d - 2), h);
    trait(std::max(trou.second + 1, g + 2), h, d - 2, h);
    trait(g + 2, b, d - 2, b);
    trait(g, h + 2, g, b - 2);
    trait(d, h + 2, d, b - 2);
    for (const QPoint c :
         {QPoint(g + 1, h + 1), QPoint(d - 1, h + 1), QPoint(g + 1, b - 1), QPoint(d - 1, b - 1)})
        trait(c.x(), c.y(), c.x(), c.y());
}

// The etched frame of a group box exactly on the rectangle given, as the caption's place depends
// on it: a light line one pixel down and right of a dark one. An antialiased rounded outline
// clipped around the caption was most of the cost of showing a panel.
void dessine_cadre(QPainter* p, const QRect& rect, const QPalette& palette,
                   std::pair<int, int> trou = sans_trou) {
    const QColor fond = palette.window().color();
    const QRect r = rect.adjusted(0, 0, -1, -1);
    trace_cadre(p, r.translated(1, 1), fond.lighter(125), trou);
    trace_cadre(p, r, fond.darker(150), trou);
}

} // namespace

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
    case SC_GroupBoxCheckBox:
        return {};
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
    dessine_cadre(p, opt->rect, opt->palette);
}

void StyleOrvan::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                                    const QWidget* w) const {
    const auto* g = qstyleoption_cast<const QStyleOptionGroupBox*>(opt);
    if (cc != CC_GroupBox || !g || (g->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        return;
    }
    // The frame, broken where the caption stands, then the caption.
    const QRect titre = subControlRect(cc, g, SC_GroupBoxLabel, w);
    if (g->subControls & SC_GroupBoxFrame) {
        const auto trou =
            titre.isEmpty() ? sans_trou : std::pair{titre.left() - 3, titre.right() + 3};
        dessine_cadre(p, subControlRect(cc, g, SC_GroupBoxFrame, w), g->palette, trou);
    }
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

int StyleOrvan::styleHint(StyleHint h, const QStyleOption* opt, const QWidget* w,
                          QStyleHintReturn* r) const {
    if (h == SH_UnderlineShortcut) return 1;
    return QProxyStyle::styleHint(h, opt, w, r);
}

QIcon StyleOrvan::standardIcon(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const {
    // Each menu bar asks for its overflow arrows when it is made, and Qt reads them with a guess
    // of their format, which loads every image plugin at start-up. They are read here as the
    // PNG files they are.
    if (sp == SP_ToolBarHorizontalExtensionButton || sp == SP_ToolBarVerticalExtensionButton) {
        const bool horizontale = sp == SP_ToolBarHorizontalExtensionButton;
        const Qt::LayoutDirection sens = opt ? opt->direction : QGuiApplication::layoutDirection();
        const QString nom = !horizontale              ? QStringLiteral("v-%1")
                            : sens == Qt::RightToLeft ? QStringLiteral("h-rtl-%1")
                                                      : QStringLiteral("h-%1");
        QIcon icone;
        for (const int taille : horizontale ? std::array{8, 16, 32} : std::array{5, 10, 20}) {
            const QPixmap image = lit_png(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1.png")
                    .arg(nom.arg(taille)));
            if (!image.isNull()) icone.addPixmap(image);
        }
        if (!icone.isNull()) return icone;
    }
    return QProxyStyle::standardIcon(sp, opt, w);
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
