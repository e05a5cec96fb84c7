#include "core/iPlotDataList.h"

#include "rtl/Exception.h"

#include <algorithm>

namespace {

Exception OutOfRange(const char* message) { return Exception(QString::fromLatin1(message)); }

}  // namespace

bool TiPlotDataCustomList::GetEmpty(int index) const {
    IndexToSlot(index);
    return false;
}

bool TiPlotDataCustomList::GetNull(int index) const {
    IndexToSlot(index);
    return false;
}

double TiPlotDataCustomList::GetHigh(int) const { return 0; }
double TiPlotDataCustomList::GetLow(int) const { return 0; }
double TiPlotDataCustomList::GetOpen(int) const { return 0; }
double TiPlotDataCustomList::GetClose(int) const { return 0; }

int TiPlotDataCustomList::IndexToSlot(int index) const {
    if (index < 0 || index >= FCount) throw OutOfRange("Index out of Bounds");
    if (FTail == 0) return index;
    int slot = index + FTail;
    if (slot > FCount - 1) slot -= FCount;
    return slot;
}

void TiPlotDataCustomList::Unwrap() {
    if (FTail == 0) return;
    RotateRecords(FTail);
    FTail = 0;
}

void TiPlotDataCustomList::SetCapacity(int newCapacity) {
    if (FMaxDataPoints < newCapacity) throw OutOfRange("Exceed Maximum List Size");
    if (newCapacity < 0) throw Exception(QStringLiteral("List capacity out of bounds (%1)").arg(newCapacity));
    if (newCapacity == FCapacity) return;
    // A wrapped ring keeps its oldest point at the tail: put the records in logical order
    // first, so that cutting keeps the oldest points and growing keeps the order.
    Unwrap();
    ResizeArray(newCapacity);
    FCapacity = newCapacity;
    if (FCount > FCapacity) FCount = FCapacity;
}

int TiPlotDataCustomList::Add(double x, double y, bool null, bool empty) {
    if (!FRingBufferEnabled || FCapacity == 0) {
        if (FCount == FCapacity) {
            const int delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
            SetCapacity(FCapacity + delta);
        }
        WriteRecord(FCount, x, y, null, empty);
        return FCount++;
    }
    if (FCount < FCapacity) {
        WriteRecord(FCount, x, y, null, empty);
        return FCount++;
    }
    FTail = FTail + 1;
    if (FTail == FCount) FTail = 0;
    const int slot = FTail == 0 ? FCount - 1 : FTail - 1;
    WriteRecord(slot, x, y, null, empty);
    Wrapped();
    return FCount - 1;
}

void TiPlotDataCustomList::Clear() {
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled) SetCapacity(0);
}

void TiPlotDataCustomList::DeletePoints(int size) {
    if (size < 0 || size >= FCount) throw OutOfRange("Delete size out of Range");
    Unwrap();
    MoveRecordsDown(size, FCount - size);
    FCount -= size;
}

void TiPlotDataCustomList::GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
    IndexToSlot(index);
    x = GetX(index);
    y = GetY(index);
    empty = GetEmpty(index);
    null = GetNull(index);
}

void TiPlotDataCustomList::SetRingBufferSize(int value) {
    if (value < 0) throw Exception(QStringLiteral("List capacity out of bounds (%1)").arg(value));
    if (value == 0) {
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            if (FTail != 0) Clear();
        }
        return;
    }
    FRingBufferEnabled = true;
    if (value == FCapacity) return;
    if (FTail != 0) Clear();
    if (value < FCapacity && value < FCount) DeletePoints(FCount - value);
    SetCapacity(value);
}

void TiPlotDataCustomList::CopyStoredSettings(const TiPlotDataCustomList& o) {
    StoredTraceLineColor = o.StoredTraceLineColor;
    StoredTraceLineWidth = o.StoredTraceLineWidth;
    StoredTraceLineStyle = o.StoredTraceLineStyle;
    StoredMarkerVisible = o.StoredMarkerVisible;
    StoredMarkerSize = o.StoredMarkerSize;
    StoredMarkerStyle = o.StoredMarkerStyle;
    StoredMarkerPenColor = o.StoredMarkerPenColor;
    StoredMarkerPenWidth = o.StoredMarkerPenWidth;
    StoredMarkerPenStyle = o.StoredMarkerPenStyle;
    StoredMarkerBrushColor = o.StoredMarkerBrushColor;
    StoredMarkerBrushStyle = o.StoredMarkerBrushStyle;
    StoredBarVisible = o.StoredBarVisible;
    StoredBarReference = o.StoredBarReference;
    StoredBarWidth = o.StoredBarWidth;
    StoredBarPenColor = o.StoredBarPenColor;
    StoredBarPenWidth = o.StoredBarPenWidth;
    StoredBarPenStyle = o.StoredBarPenStyle;
    StoredBarBrushColor = o.StoredBarBrushColor;
    StoredBarBrushStyle = o.StoredBarBrushStyle;
}

template <class Record> void TiPlotDataArrayList<Record>::RotateRecords(int first) {
    std::rotate(FList.begin(), FList.begin() + first, FList.begin() + FCount);
}

template <class Record> void TiPlotDataArrayList<Record>::MoveRecordsDown(int from, int count) {
    std::move(FList.begin() + from, FList.begin() + from + count, FList.begin());
}

template class TiPlotDataArrayList<TiPlotDataNull>;
template class TiPlotDataArrayList<TiPlotDataSingle>;
template class TiPlotDataArrayList<TiPlotDataCompactInterval>;
template class TiPlotDataArrayList<TiPlotDataFull>;

TiPlotMarkerStyle TiPlotDataNullList::GetMarkerStyle(int index) const {
    return TiPlotMarkerStyle((At(index).Extra >> 3) & 15);
}

void TiPlotDataNullList::SetMarkerStyle(int index, TiPlotMarkerStyle value) {
    TiPlotDataNull& r = At(index);
    r.Extra = std::uint16_t((r.Extra & ~(15u << 3)) | ((unsigned(value) & 15u) << 3));
}

void TiPlotDataNullList::SetBit(int index, std::uint16_t bit, bool value) {
    TiPlotDataNull& r = At(index);
    r.Extra = value ? std::uint16_t(r.Extra | bit) : std::uint16_t(r.Extra & ~bit);
}

void TiPlotDataNullList::WriteRecord(int slot, double x, double y, bool null, bool empty) {
    unsigned extra = (unsigned(StoredMarkerStyle) & 15u) << 3;
    if (StoredMarkerVisible) extra |= 4;
    if (null) extra |= 1;
    if (empty) extra |= 2;
    FList[std::size_t(slot)] = {x, y, std::uint16_t(extra)};
}

void TiPlotDataCompactIntervalList::SetX(int index, double value) {
    if (index != 0 || FCount == 0)
        throw Exception(QStringLiteral(
            "Data Style does not support setting individual X-Value with the exception of the first X-Value"));
    FFirstX = value;
}

void TiPlotDataCompactIntervalList::Clear() {
    TiPlotDataArrayList::Clear();
    FInterval = -1.0;
}

void TiPlotDataCompactIntervalList::DeletePoints(int size) {
    if (size < 0 || size > FCount) throw OutOfRange("Delete size out of Range");
    Unwrap();
    MoveRecordsDown(size, FCount - size);
    FCount -= size;
}

void TiPlotDataCompactIntervalList::WriteRecord(int slot, double x, double y, bool, bool) {
    if (FCount == 0) FFirstX = x;
    if (FCount == 1 && FInterval == -1.0) FInterval = x - FFirstX;
    FList[std::size_t(slot)] = {float(y)};
}

void TiPlotDataCompactIntervalList::Wrapped() {
    if (FCount > 1) FFirstX = FFirstX + FInterval;
}

void TiPlotDataFullList::DeletePoints(int size) {
    if (size < 0 || size >= FCount) throw OutOfRange("Delete Size Out Of Range");
    Unwrap();
    MoveRecordsDown(size, FCount - size);
    FCount -= size;
}

void TiPlotDataFullList::WriteRecord(int slot, double x, double y, bool null, bool empty) {
    TiPlotDataFull r;
    r.X = x, r.Y = y, r.Null = null, r.Empty = empty;
    r.TraceLineColor = StoredTraceLineColor;
    r.TraceLineWidth = StoredTraceLineWidth;
    r.TraceLineStyle = StoredTraceLineStyle;
    r.MarkerVisible = StoredMarkerVisible;
    r.MarkerSize = StoredMarkerSize;
    r.MarkerStyle = StoredMarkerStyle;
    r.MarkerPenColor = StoredMarkerPenColor;
    r.MarkerPenWidth = StoredMarkerPenWidth;
    r.MarkerPenStyle = StoredMarkerPenStyle;
    r.MarkerBrushColor = StoredMarkerBrushColor;
    r.MarkerBrushStyle = StoredMarkerBrushStyle;
    r.BarVisible = StoredBarVisible;
    r.BarReference = StoredBarReference;
    r.BarWidth = StoredBarWidth;
    r.BarPenColor = StoredBarPenColor;
    r.BarPenWidth = StoredBarPenWidth;
    r.BarPenStyle = StoredBarPenStyle;
    r.BarBrushColor = StoredBarBrushColor;
    r.BarBrushStyle = StoredBarBrushStyle;
    FList[std::size_t(slot)] = r;
}

TiPlotDataCustomList* CreateDataList(TiPlotDataStyle style) {
    switch (style) {
    case ipdsCompact: return new TiPlotDataCompactList();
    case ipdsCompactInterval: return new TiPlotDataCompactIntervalList();
    case ipdsFullFeature: return new TiPlotDataFullList();
    default: return new TiPlotDataNullList();
    }
}
