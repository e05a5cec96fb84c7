#pragma once
// The small value types shared across the plot library: enumerations of looks and styles,
// the point status, and the plot-wide settings whose values several units read.
#include "graphics/TColor.h"

#include <functional>

class TObject;

// A notification with its sender (an object, a manager or the plot).
using TiNotifyEvent = std::function<void(TObject* Sender)>;

enum TiBevelStyle { ibsNone, ibsRaised, ibsLowered };

enum TiFillDirection {
    ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
    ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};

enum TiRotationAngle { ira000, ira090, ira180, ira270 };
enum TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };
enum TiAlignmentVertical { iavCenter, iavTop, iavBottom };
enum TiOrientation { ioVertical, ioHorizontal };
enum TiOrientationSide { iosBottomRight, iosTopLeft };

enum TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };
enum TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
enum TiPlotMarkerStyle {
    ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown,
    ipmsTriangleLeft, ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
enum TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };

// Plot-wide settings kept by the plot and read by its later services (editor, clipboard,
// printing, data files).
enum TiPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
enum TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
enum TiPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
enum TiPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum TiPlotDataFileFormat { ipdffText, ipdffCompactInterval };
enum TPrinterOrientation { poPortrait, poLandscape };

// The kind of a plot object, by which the managers, the layout and the paint pass sort
// objects (the placeholders stand for the data view in the layout's z-order).
enum class TiPlotObjectKind {
    Other, Channel, XAxis, YAxis, ToolBar, Legend, Table, Label, DataView, DataCursor, Limit, Annotation,
    DataViewPlaceholder, Button
};
