// The routing matrix: two buttons per output (fed by InA, by InB) and the Matrix page's
// drawing of one line from each input to each output it feeds.
#include "TfmMain.h"

#include "ChannelColors.h"
#include "LUnitControl.h"

#include "RzBmpBtn.h"
#include "ui/TPaintBox.h"

#include <QImage>

namespace {

// Rows of the inputs and outputs where the lines meet the paint box's edges, at the
// window's design height.
constexpr int kInputRows[2] = {41, 166};
constexpr int kOutputRows[6] = {0, 41, 83, 124, 166, 206};
constexpr int kLineWidth = 2;

}  // namespace

void TfmMain::rzbAMatrixOut1Click(TComponent* Sender) { RoutingClick(Sender, 2); }
void TfmMain::rzbAMatrixOut2Click(TComponent* Sender) { RoutingClick(Sender, 3); }
void TfmMain::rzbAMatrixOut3Click(TComponent* Sender) { RoutingClick(Sender, 4); }
void TfmMain::rzbAMatrixOut4Click(TComponent* Sender) { RoutingClick(Sender, 5); }
void TfmMain::rzbAMatrixOut5Click(TComponent* Sender) { RoutingClick(Sender, 6); }
void TfmMain::rzbAMatrixOut6Click(TComponent* Sender) { RoutingClick(Sender, 7); }

void TfmMain::RoutingClick(TComponent* Sender, int output)
{
    auto* button = dynamic_cast<TRzBmpButton*>(Sender);
    if (!button || button->Tag() < 0 || button->Tag() > 1)
        return;
    const std::uint16_t bit = std::uint16_t(1u << button->Tag());
    std::uint16_t mask = FUnitControl->GetMatrix(output);
    mask = button->Down() ? std::uint16_t(mask | bit) : std::uint16_t(mask & ~bit);
    FUnitControl->SetMatrix(output, mask);
    DrawMatrix();
    if (auto* box = Find<TPaintBox>(QStringLiteral("pbMatrix")))
        box->Invalidate();
}

void TfmMain::rzgFftMatrixPaint(TComponent*)
{
    // The ground under the lines shows again (the frame beneath repaints), then the lines of
    // the routes as they now stand.
    if (auto* box = Find<TPaintBox>(QStringLiteral("pbMatrix"))) {
        TCanvas& canvas = box->Canvas();
        canvas.Release();
        if (QImage* surface = canvas.Target())
            surface->fill(Qt::transparent);
    }
    DrawMatrix();
}

void TfmMain::DrawMatrix()
{
    auto* box = Find<TPaintBox>(QStringLiteral("pbMatrix"));
    if (!box)
        return;
    TCanvas& canvas = box->Canvas();
    const int h = FExtraHeight;
    canvas.Pen.Width = kLineWidth;
    for (int in = 0; in < 2; ++in) {
        canvas.Pen.Color = ChannelColors[std::size_t(in)];
        const int yIn = kInputRows[in] + in * (h / 2);
        for (int j = 0; j < 6; ++j) {
            if (!((FUnitControl->GetMatrix(j + 2) >> in) & 1u))
                continue;
            canvas.MoveTo(0, yIn);
            canvas.LineTo(box->Width(), (h / 7) * (j + 1) + kOutputRows[j]);
        }
    }
}
