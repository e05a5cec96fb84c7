#pragma once
// The dock manager of a framed panel that is a dock site: the docked controls share the
// panel's client area in zones, each with a caption bar (grabber) 14 pixels thick, on the
// left when the panel is aligned to the top or bottom, else at the top. With the panel's
// ShowDockClientCaptions the bars show the control's caption and a close glyph in the
// active or inactive caption colours; without it they show the plain double grip.
#include "graphics/TCanvas.h"
#include "ui/TControl.h"

#include <QObject>
#include <QPointer>

#include <vector>

class TRzCustomPanel;

class TRzPanelDockManager : public QObject {
    Q_OBJECT
public:
    static constexpr int GrabberSize = 14;

    explicit TRzPanelDockManager(TRzCustomPanel& site);
    ~TRzPanelDockManager() override;

    // Places the control on the site as a docked client, in a zone of its own.
    void InsertControl(TControl* control);
    // Takes the control off the site's zones (it stays where it is).
    void RemoveControl(TControl* control);
    int ClientCount() const { return int(FClients.size()); }
    // The bars are on the left side of each zone (a top- or bottom-aligned site).
    bool GrabberOnLeft() const;
    // The zone of a docked client (its bar included), and the rectangle of its bar.
    TRect ZoneRect(TControl* control) const;
    TRect GrabberRect(TControl* control) const;
    // Splits the site's client area among the clients (stacked along the bars' long side).
    void ResetBounds();
    // Draws every client's bar on the site's canvas.
    void PaintSite(TCanvas& canvas);

protected:
    // Activation or focus changes inside the site repaint it (the bars' colours follow).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintCaptionBar(TCanvas& canvas, TControl* control, const TRect& bar);
    static void PaintCloseGlyph(TCanvas& canvas, const TRect& rect, TColor color);

    TRzCustomPanel& FSite;
    std::vector<QPointer<TControl>> FClients;
};
