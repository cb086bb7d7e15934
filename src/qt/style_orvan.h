// The look of the program's widgets: the desktop's own style, with group boxes whose caption
// sits on the frame's top line. The window's panels are laid out tightly in fixed pixels, their
// first rows a few pixels under the caption; a frame drawn below the caption would run through
// them.
#pragma once

#include <QProxyStyle>

namespace orvan {

class StyleOrvan : public QProxyStyle {
  public:
    StyleOrvan();
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override;
    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override;
    // A check box is as wide as its text and 14 pixels: its box and the gap to the text.
    int pixelMetric(PixelMetric m, const QStyleOption* opt, const QWidget* w) const override;
    // The menus' letters stay underlined: the keyboard's way into them is always in view.
    int styleHint(StyleHint h, const QStyleOption* opt, const QWidget* w,
                  QStyleHintReturn* r) const override;
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override;
};

// Style, font and translations of the application; once, right after QApplication is made.
void prepare_application();

} // namespace orvan
