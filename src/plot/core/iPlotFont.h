#pragma once
// A font owned by a plot object or the plot: the platform font with a change notification
// (the owner repaints through it) and its published sub-properties (Color, Height, Name,
// Size, Style), so that property texts address it as "MarkersFont.Color".
#include "core/iPublishedClass.h"
#include "graphics/TFont.h"

#include <functional>

class TiPlotFont : public TiPersistent {
public:
    TiPlotFont() = default;
    explicit TiPlotFont(const TFont& font) : FFont(font) {}

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    const TFont& Font() const { return FFont; }
    operator const TFont&() const { return FFont; }

    // Each setter notifies only when the value changes; Assign notifies when anything does.
    void Assign(const TFont& font);
    TColor Color() const { return FFont.Color(); }
    void SetColor(TColor color);
    int Height() const { return FFont.Height(); }
    void SetHeight(int height);
    QString Name() const { return FFont.Name(); }
    void SetName(const QString& name);
    int Size() const { return FFont.Size(); }
    void SetSize(int size);
    TFontStyles Style() const { return FFont.Style(); }
    void SetStyle(TFontStyles style);

    std::function<void()> OnChange;

private:
    void Changed();
    TFont FFont;
};
