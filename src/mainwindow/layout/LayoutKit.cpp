#include "LayoutKit.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "LMyFFTDrawPhase.h"
#include "LProgressBar.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "core/TransferCurvePlotLayout.h"
#include "VrButtons.h"
#include "core/iXYPlot.h"
#include "ui/TImage.h"
#include "ui/TRadioButton.h"
#include "ui/TShape.h"
#include "ui/TUpDown.h"

#include <QBuffer>
#include <QFile>
#include <cmath>
#include <algorithm>
#include <QPalette>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MainLayout {

namespace {

template <class T, class... Extra>
T* Make(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
        int height, Extra... extra) {
  auto* control = new T(&form, extra...);
  control->SetName(name);
  control->SetTag(tag);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// The colours of one button face: gradient top and bottom, rim, caption.
struct FaceTones {
  QColor top, bottom, rim;
};

FaceTones TonesOf(Face face, int state) {
  // state: 0 up, 1 hot, 2 down, 3 disabled
  const bool page = face == Face::Page;
  switch (state) {
    case 1: return {QColor(page ? 0x4A5362 : 0x5A6372), QColor(page ? 0x2E343E : 0x3A414C), QColor(0x6EBEFF)};
    case 2: return {QColor(0x1A2B3C), QColor(0x24507A), QColor(0x6EBEFF)};
    case 3: return {QColor(0x30343A), QColor(0x2A2D32), QColor(0x3C4046)};
    default: break;
  }
  return {QColor(page ? 0x3C434E : 0x4C5462), QColor(page ? 0x23272E : 0x2C3139), QColor(0x14161A)};
}

QImage DrawFace(Face face, int width, int height, int state) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(0x22, 0x25, 0x2B));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const FaceTones tones = TonesOf(face, state);
  const QRectF box(0.5, 0.5, width - 1.0, height - 1.0);
  const double radius = face == Face::Band ? 3.0 : 4.0;
  QLinearGradient g(0, 0, 0, height);
  g.setColorAt(0, tones.top);
  g.setColorAt(1, tones.bottom);
  p.setPen(QPen(tones.rim, 1.0));
  p.setBrush(g);
  p.drawRoundedRect(box, radius, radius);
  if (state != 2 && state != 3) {
    // A soft sheen on the upper half.
    QLinearGradient sheen(0, 1, 0, height * 0.5);
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -height * 0.5), radius - 1, radius - 1);
  }
  if (state == 2 && face == Face::Page) {
    // The page shown: an accent bar along the bottom edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6E, 0xBE, 0xFF));
    p.drawRoundedRect(QRectF(6, height - 4.5, width - 12, 2.5), 1.2, 1.2);
  }
  return image;
}

// Faces are shared by size: many buttons have the same one. They are kept in the format the
// buttons' pictures hold, so every button shares the one copy instead of converting its own.
const QImage& CachedFace(Face face, int width, int height, int state) {
  static QHash<quint64, QImage> cache;
  const quint64 key = (quint64(face) << 48) | (quint64(state) << 40) | (quint64(width) << 20) | quint64(height);
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.insert(key, DrawFace(face, width, height, state).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return *it;
}

// The thumb files are read from the resources once; every fader's pictures load from that copy.
void LoadThumb(TGDIPPicture& picture, const char* name) {
  struct File {
    bool found = false;
    QByteArray bytes;
  };
  static QHash<QByteArray, File> files;
  auto it = files.find(name);
  if (it == files.end()) {
    QFile file(QStringLiteral(":/styled/") + QLatin1String(name));
    File read;
    read.found = file.open(QIODevice::ReadOnly);
    if (read.found) read.bytes = file.readAll();
    it = files.insert(name, read);
  }
  if (!it->found) return;
  QBuffer buffer;
  buffer.setData(it->bytes);
  buffer.open(QIODevice::ReadOnly);
  picture.LoadFromStream(&buffer);
}

}  // namespace

TColor ReadableOn(TColor colour, TColor face) {
  constexpr double kMinimum = 4.5;
  if (ContrastRatio(colour, face) >= kMinimum) return colour;
  const TColor rgb = ColorToRGB(colour);
  const QColor c(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  for (int lightness = c.lightness() + 1; lightness <= 255; ++lightness) {
    const QColor light = QColor::fromHsl(c.hslHue(), c.hslSaturation(), lightness);
    const TColor candidate = RGBColor(light.red(), light.green(), light.blue());
    if (ContrastRatio(candidate, face) >= kMinimum) return candidate;
  }
  return clWhite;
}

TFont Font(int size, TColor color, bool bold) {
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(size);
  font.SetColor(color);
  if (bold) font.SetStyle(fsBold);
  return font;
}

TRzGroupBox* AddGroup(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                      int width, int height, TColor face) {
  auto* box = Make<TRzGroupBox>(form, parent, name, tag, left, top, width, height);
  box->SetGroupStyle(gsCustom);
  box->SetCaption(QString());
  box->SetColor(face);
  box->SetBorderOuter(fsFlatRounded);
  box->SetFlatColor(kBorder);
  box->SetFont(Font(8, kText));
  return box;
}

TRzPanel* AddPanel(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                   int height, TColor face) {
  auto* panel = Make<TRzPanel>(form, parent, name, tag, left, top, width, height);
  panel->SetBorderOuter(fsFlat);
  panel->SetFlatColor(kBorder);
  panel->SetColor(face);
  panel->SetCaption(QString());
  panel->SetFont(Font(8, kText));
  return panel;
}

TRzLabel* AddLabel(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                   const QString& caption, const TFont& font, int alignment) {
  auto* label = Make<TRzLabel>(form, parent, name, tag, left, top, width > 0 ? width : 10, 14);
  label->SetTransparent(true);
  label->SetFont(font);
  label->SetAlignment(TAlignment(alignment));
  if (width > 0) label->SetAutoSize(false);
  label->SetCaption(caption);
  if (width > 0) label->SetBounds(left, top, width, label->Height() < 14 ? 14 : label->Height());
  return label;
}

TAdvTrackBar* AddFader(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, int height, int min, int max, int position, int pageSize, Thumbs thumbs,
                       bool disabledPicture) {
  auto* bar = Make<TAdvTrackBar>(form, parent, name, tag, left, top, width, height);
  // Read as a layout: the bar keeps its bounds when it turns upright.
  bar->BeginLoading();
  bar->SetOrientation(trVertical);
  bar->SetMin(min);
  bar->SetMax(max);
  bar->SetPosition(position);
  bar->SetPageSize(pageSize);
  bar->SetShowFocus(true);
  bar->SetTrackHint(false);
  bar->SetColor(clNone);
  bar->SetBorderColor(clNone);
  bar->TickMark().SetStyle(tsNone);
  bar->Slider().SetSize(3);
  bar->Slider().SetBorderColor(clMedGray);
  bar->Slider().SetBorderColorDisabled(clBlack);
  const bool a = thumbs == Thumbs::A;
  LoadThumb(bar->Thumb().Picture(), a ? "ThumbA.bmp" : "ThumbB.bmp");
  LoadThumb(bar->Thumb().PictureHot(), a ? "ThumbAHot.bmp" : "ThumbBHot.bmp");
  LoadThumb(bar->Thumb().PictureDown(), a ? "ThumbAHot.bmp" : "ThumbBHot.bmp");
  if (disabledPicture) LoadThumb(bar->Thumb().PictureDisabled(), "ThumbDisabled.bmp");
  bar->EndLoading();
  return bar;
}

TCurvyEdit* AddValueBox(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                        int width, const QString& text, bool readOnly) {
  auto* edit = Make<TCurvyEdit>(form, parent, name, tag, left, top, width, 24);
  edit->SetRounding(6);
  edit->SetBorderColor(clHighlightText);
  edit->SetColor(readOnly ? kReadOnlyFace : clWhite);
  edit->SetAlignment(taCenter);
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetHeight(-11);
  font.SetColor(clBlack);
  edit->SetFont(font);
  edit->SetReadOnly(readOnly);  // a read-only box shows no selection: selected text keeps its colours
  edit->SetText(text);
  return edit;
}

TRzBmpButton* AddButton(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                        int width, int height, Face face, const QString& caption, int groupIndex) {
  auto* button = Make<TRzBmpButton>(form, parent, name, tag, left, top, width, height);
  button->SetButtonSize(bszStretchToButton);
  button->SetShowFocus(false);
  TRzButtonBitmaps& pictures = button->Bitmaps();
  TBitmap picture;
  picture.SetImage(CachedFace(face, width, height, 0));
  pictures.SetUp(picture);
  picture.SetImage(CachedFace(face, width, height, 1));
  pictures.SetHot(picture);
  picture.SetImage(CachedFace(face, width, height, 2));
  pictures.SetDown(picture);
  pictures.SetStayDown(picture);
  picture.SetImage(CachedFace(face, width, height, 3));
  pictures.SetDisabled(picture);
  button->SetFont(Font(face == Face::Page ? 9 : 8, clWhite, true));
  if (groupIndex != 0) button->SetGroupIndex(groupIndex);
  button->SetCaption(caption);
  return button;
}

TVrPowerButton* AddLed(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, int height, const QString& caption, TColor lit) {
  auto* led = Make<TVrPowerButton>(form, parent, name, tag, left, top, width, height);
  led->SetColor(kPanel);
  led->SetFont(Font(8, kText, true));
  led->Palette().SetHigh(lit);
  led->Palette().SetLow(RGBColor(40, 52, 40));
  led->SetLedWidth(12);
  led->SetLedHeight(8);
  led->SetCaption(caption);
  return led;
}

TVrDemoButton* AddDemoButton(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                             int width, int height, const QString& caption) {
  auto* button = Make<TVrDemoButton>(form, parent, name, tag, left, top, width, height);
  button->SetColor(clBlack);
  button->SetBevelWidth(1);
  // Regular weight: in bold, "EQ Bypass" fills the 65 pixels to the bevels.
  TFont font = Font(8, clActiveBorder);
  font.SetName(QStringLiteral("Arial"));
  button->SetFontLeave(font);
  font.SetColor(clWhite);
  button->SetFontEnter(font);
  button->SetCaption(caption);
  return button;
}

LProgressBar* AddMeter(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int height, int red, int yellow, int green, bool lowered, bool lamp) {
  auto* meter = Make<LProgressBar>(form, parent, name, tag, left, top, 14, height);
  meter->SetColor(clBlack);
  if (!lowered) meter->SetBevelOuter(bvNone);
  if (lamp) {
    meter->SetSecondColor(20123);
    meter->SetLSecondColor(4629503);
  }
  meter->SetFirstNum(red);
  meter->SetSecondNum(yellow);
  meter->SetThirdNum(green);
  meter->SetMax(red + yellow + green);
  meter->SetMin(0);
  return meter;
}

TRadioButton* AddRadio(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, const QString& caption) {
  auto* radio = Make<TRadioButton>(form, parent, name, tag, left, top, width, 17);
  radio->SetColor(kFrame);
  radio->SetFont(Font(8, kSilverText, true));
  radio->SetCaption(caption);
  return radio;
}

TRzComboBox* AddCombo(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                      int width) {
  auto* combo = Make<TRzComboBox>(form, parent, name, tag, left, top, width, 22, csDropDownList);
  // Dark like the value boxes beside it; its list drops in the same colours.
  combo->SetColor(kInset);
  combo->SetFont(Font(8, kText));
  return combo;
}

TUpDown* AddUpDown(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int height,
                   int min, int max, int position) {
  auto* updown = Make<TUpDown>(form, parent, name, tag, left, top, 16, height);
  updown->SetMin(min);
  updown->SetMax(max);
  updown->SetPosition(position);
  return updown;
}

TShape* AddShape(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                 int height, TColor fill, TColor pen) {
  auto* shape = Make<TShape>(form, parent, name, tag, left, top, width, height);
  shape->SetShape(stRoundRect);
  shape->SetBrushColor(fill);
  TPen outline = shape->Pen();
  outline.Color = pen;
  shape->SetPen(outline);
  return shape;
}

TImage* AddImage(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                 int height) {
  return Make<TImage>(form, parent, name, tag, left, top, width, height);
}

LMyFFTDrawPhase* AddGraph(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                          int width, int height) {
  auto* graph = Make<LMyFFTDrawPhase>(form, parent, name, tag, left, top, width, height);
  // The panes' fixed settings: a black ground, a fixed -18..+18 range over the points of the
  // 96 kHz frequency axis, green grid and axes, small lime and grey labels.
  graph->SetAutoRedraw(false);
  graph->SetColor(clBlack);
  graph->SetSampleRate(TSampleRate::n96000);
  graph->SetXAutoScale(false);
  graph->SetYAutoScale(false);
  graph->SetYMax(18.0);
  graph->SetYMin(-18.0);
  graph->SetNumHorzGrid(11);
  graph->SetNumVertGrid(10);
  graph->SetHorzTickLength(0);
  graph->SetVertTickLength(0);
  graph->SetAxisColor(35840);
  graph->SetGridColor(18432);
  const auto font = [](TColor colour) {
    TFont f;
    f.SetHeight(-11);
    f.SetColor(colour);
    return f;
  };
  graph->SetPlotTitleFont(font(clLime));
  graph->SetAxisTitleFont(font(clLime));
  graph->SetAxisLabelFont(font(clActiveBorder));
  graph->SetMouseCoordFont(font(clLime));
  graph->SetAutoRedraw(true);
  return graph;
}

TiXYPlot* AddTransferPlot(TfmMain& form, TWinControl* parent, const TransferCurvePlotPlacement& placement) {
  auto* plot = new TiXYPlot(&form);
  plot->SetName(QLatin1String(placement.name));
  plot->SetParent(parent);
  ApplyTransferCurvePlotLayout(*plot, placement);
  return plot;
}

}  // namespace MainLayout
