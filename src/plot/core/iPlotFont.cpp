#include "core/iPlotFont.h"

const TiPublishedClass& TiPlotFont::Published() {
    using namespace published;
    using C = TiPlotFont;
    static const TiPublishedClass info(QStringLiteral("TFont"), nullptr,
                                       {
                                           Prop<C>("Color", &C::Color, &C::SetColor),
                                           Prop<C>("Height", &C::Height, &C::SetHeight),
                                           Prop<C>("Name", &C::Name, &C::SetName),
                                           Prop<C>("Size", &C::Size, &C::SetSize, std::nullopt, false),
                                           SetProp<C>("Style", &C::Style, &C::SetStyle),
                                       });
    return info;
}

const TiPublishedClass& TiPlotFont::PublishedClass() const { return Published(); }

void TiPlotFont::Changed() {
    if (OnChange) OnChange();
}

void TiPlotFont::Assign(const TFont& font) {
    if (FFont == font) return;
    FFont = font;
    Changed();
}

void TiPlotFont::SetColor(TColor color) {
    if (FFont.Color() == color) return;
    FFont.SetColor(color);
    Changed();
}

void TiPlotFont::SetHeight(int height) {
    if (FFont.Height() == height) return;
    FFont.SetHeight(height);
    Changed();
}

void TiPlotFont::SetName(const QString& name) {
    if (FFont.Name() == name) return;
    FFont.SetName(name);
    Changed();
}

void TiPlotFont::SetSize(int size) {
    if (FFont.Size() == size) return;
    FFont.SetSize(size);
    Changed();
}

void TiPlotFont::SetStyle(TFontStyles style) {
    if (FFont.Style() == style) return;
    FFont.SetStyle(style);
    Changed();
}
