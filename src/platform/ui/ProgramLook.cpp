#include "ui/ProgramLook.h"

#include "graphics/TCanvas.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QTextEdit>

namespace ProgramLook {

namespace {

constexpr QColor kButton(52, 57, 65), kLight(80, 87, 98), kShadow(14, 15, 18);

QPalette DarkPalette() {
  QPalette p;
  const QColor button = kButton, light = kLight, shadow = kShadow;
  for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = g == QPalette::Disabled;
    p.setColor(g, QPalette::Window, kFace);
    p.setColor(g, QPalette::WindowText, off ? kDisabledText : kText);
    p.setColor(g, QPalette::Base, kField);
    p.setColor(g, QPalette::AlternateBase, kFace);
    p.setColor(g, QPalette::Text, off ? kDisabledText : kText);
    p.setColor(g, QPalette::PlaceholderText, kDisabledText);
    p.setColor(g, QPalette::Button, button);
    p.setColor(g, QPalette::ButtonText, off ? kDisabledText : kText);
    p.setColor(g, QPalette::BrightText, Qt::white);
    p.setColor(g, QPalette::Light, light);
    p.setColor(g, QPalette::Midlight, button.lighter(115));
    p.setColor(g, QPalette::Mid, kBorder);
    p.setColor(g, QPalette::Dark, shadow.lighter(180));
    p.setColor(g, QPalette::Shadow, shadow);
    p.setColor(g, QPalette::Highlight, off ? kBorder : kHighlight);
    p.setColor(g, QPalette::HighlightedText, off ? kDisabledText : Qt::white);
    p.setColor(g, QPalette::ToolTipBase, kFace);
    p.setColor(g, QPalette::ToolTipText, kText);
    p.setColor(g, QPalette::Link, QColor(110, 190, 255));
  }
  return p;
}

// Swallows the toolkit's own context menu of text fields.
class NoFieldMenu : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ContextMenu) return false;
    if (qobject_cast<QLineEdit*>(watched)) return true;
    // A multi-line field gets the event on its viewport.
    QObject* area = watched->parent();
    return area && (qobject_cast<QPlainTextEdit*>(area) || qobject_cast<QTextEdit*>(area));
  }
};

TColor FromQ(QColor c) { return RGBColor(c.red(), c.green(), c.blue()); }

}  // namespace

TColor OnFace(TColor color, TColor face) {
  if ((color & 0xFF000000u) != clSystemColor || !IsDarkColor(face)) return color;
  switch (color) {
    case clBtnHighlight: return FromQ(kLight);
    case cl3DLight: return FromQ(kButton.lighter(115));
    case clWindow:
    case clBtnFace: return FromQ(kButton);
    case clBtnShadow: return FromQ(kShadow.lighter(180));
    case cl3DDkShadow: return FromQ(kShadow);
    case clWindowText:
    case clBtnText: return FromQ(kText);
    case clGrayText: return DisabledTextOn(face);
    default: return color;
  }
}

void PaintFocusFrame(TCanvas& canvas, const TRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  const TBrush brush = canvas.Brush;
  canvas.Brush = TBrush{FromQ(kFocus), bsSolid};
  canvas.FrameRect(rect);
  canvas.Brush = brush;
}

void Apply(QApplication& app) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setPalette(DarkPalette());
  auto* filter = new NoFieldMenu(&app);
  filter->setObjectName(QStringLiteral("ProgramLookNoFieldMenu"));
  app.installEventFilter(filter);
}

}  // namespace ProgramLook
