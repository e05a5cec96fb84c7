#pragma once
// The pictures of the plot toolbar's buttons, drawn by code: one per image name ("AUTO",
// "PAUSE", "SCROLL", ...; the "SMALL" names give the 16 x 16 set, the others 24 x 24), smoothed,
// on a transparent background.
#include <QImage>
#include <QString>

// The picture of an image name; a null image for an unknown name.
QImage ToolBarImage(const QString& name);
