#pragma once
// The point stores of a channel. Every store keeps its points in one contiguous array that
// grows in steps, can run as a ring buffer of fixed size (the oldest point is overwritten in
// place), and carries the channel's trace, marker and bar settings (the stored settings).
// The standard store keeps X, Y and a flag word (null, empty, per-point marker visibility
// and style); the compact store single-precision X and Y; the compact-interval store only
// Y, with X = index x interval + first X; the full-feature store a complete record per
// point. Indexes are logical: 0 is the oldest point.
#include "core/iPlotTypes.h"
#include "graphics/TCanvas.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <vector>

class TiPlotDataCustomList {
public:
    TiPlotDataCustomList() = default;
    virtual ~TiPlotDataCustomList() = default;
    TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
    TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    int DataPointSize() const { return FDataPointSize; }
    int MaxDataPoints() const { return FMaxDataPoints; }
    std::int64_t MemoryUsed() const { return std::int64_t(FDataPointSize) * FCapacity; }
    // The capacity while the ring buffer is on, else 0. Setting 0 turns it off; another
    // value turns it on with that capacity (the oldest points go when there are more). A
    // negative size is refused.
    int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    void SetRingBufferSize(int value);
    bool RingBufferEnabled() const { return FRingBufferEnabled; }

    virtual double GetX(int index) const = 0;
    virtual double GetY(int index) const = 0;
    virtual bool GetEmpty(int index) const;
    virtual bool GetNull(int index) const;
    virtual double GetHigh(int index) const;
    virtual double GetLow(int index) const;
    virtual double GetOpen(int index) const;
    virtual double GetClose(int index) const;
    virtual void SetX(int index, double value) = 0;
    virtual void SetY(int index, double value) = 0;
    virtual void SetEmpty(int index, bool value) {}
    virtual void SetNull(int index, bool value) {}
    virtual void SetHigh(int index, double value) {}
    virtual void SetLow(int index, double value) {}
    virtual void SetOpen(int index, double value) {}
    virtual void SetClose(int index, double value) {}

    // Per-point settings: the stored settings, unless the store keeps them per point.
    virtual TColor GetTraceLineColor(int index) const { return StoredTraceLineColor; }
    virtual int GetTraceLineWidth(int index) const { return StoredTraceLineWidth; }
    virtual TiPlotLineStyle GetTraceLineStyle(int index) const { return StoredTraceLineStyle; }
    virtual bool GetMarkerVisible(int index) const { return StoredMarkerVisible; }
    virtual int GetMarkerSize(int index) const { return StoredMarkerSize; }
    virtual TiPlotMarkerStyle GetMarkerStyle(int index) const { return StoredMarkerStyle; }
    virtual TColor GetMarkerPenColor(int index) const { return StoredMarkerPenColor; }
    virtual int GetMarkerPenWidth(int index) const { return StoredMarkerPenWidth; }
    virtual TPenStyle GetMarkerPenStyle(int index) const { return StoredMarkerPenStyle; }
    virtual TColor GetMarkerBrushColor(int index) const { return StoredMarkerBrushColor; }
    virtual TBrushStyle GetMarkerBrushStyle(int index) const { return StoredMarkerBrushStyle; }
    virtual QChar GetMarkerCharacter(int index) const { return StoredMarkerCharacter; }
    virtual bool GetBarVisible(int index) const { return StoredBarVisible; }
    virtual double GetBarReference(int index) const { return StoredBarReference; }
    virtual double GetBarWidth(int index) const { return StoredBarWidth; }
    virtual TColor GetBarPenColor(int index) const { return StoredBarPenColor; }
    virtual int GetBarPenWidth(int index) const { return StoredBarPenWidth; }
    virtual TPenStyle GetBarPenStyle(int index) const { return StoredBarPenStyle; }
    virtual TColor GetBarBrushColor(int index) const { return StoredBarBrushColor; }
    virtual TBrushStyle GetBarBrushStyle(int index) const { return StoredBarBrushStyle; }
    virtual void SetTraceLineColor(int, TColor) {}
    virtual void SetTraceLineWidth(int, int) {}
    virtual void SetTraceLineStyle(int, TiPlotLineStyle) {}
    virtual void SetMarkerVisible(int, bool) {}
    virtual void SetMarkerSize(int, int) {}
    virtual void SetMarkerStyle(int, TiPlotMarkerStyle) {}
    virtual void SetMarkerPenColor(int, TColor) {}
    virtual void SetMarkerPenWidth(int, int) {}
    virtual void SetMarkerPenStyle(int, TPenStyle) {}
    virtual void SetMarkerBrushColor(int, TColor) {}
    virtual void SetMarkerBrushStyle(int, TBrushStyle) {}
    virtual void SetMarkerCharacter(int, QChar) {}
    virtual void SetBarVisible(int, bool) {}
    virtual void SetBarReference(int, double) {}
    virtual void SetBarWidth(int, double) {}
    virtual void SetBarPenColor(int, TColor) {}
    virtual void SetBarPenWidth(int, int) {}
    virtual void SetBarPenStyle(int, TPenStyle) {}
    virtual void SetBarBrushColor(int, TColor) {}
    virtual void SetBarBrushStyle(int, TBrushStyle) {}

    // Adds a point and returns its logical index.
    int Add(double x, double y, bool null, bool empty);
    // Count 0; the array is released unless the ring buffer is on.
    virtual void Clear();
    // "Exceed Maximum List Size" above MaxDataPoints; a negative capacity is refused; a
    // count above the new capacity is cut to it (the oldest points stay).
    void SetCapacity(int newCapacity);
    // Removes the Size oldest points: "Delete size out of Range" when Size < 0 or Size >= Count.
    virtual void DeletePoints(int size);
    // One point's values at once (a store overrides it to read its record once, for long
    // traces).
    virtual void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const;

    // The channel's settings kept in the store.
    TColor StoredTraceLineColor = 0;
    int StoredTraceLineWidth = 0;
    TiPlotLineStyle StoredTraceLineStyle = iplsSolid;
    bool StoredMarkerVisible = false;
    int StoredMarkerSize = 0;
    TiPlotMarkerStyle StoredMarkerStyle = ipmsCircle;
    TColor StoredMarkerPenColor = 0;
    int StoredMarkerPenWidth = 0;
    TPenStyle StoredMarkerPenStyle = psSolid;
    TColor StoredMarkerBrushColor = 0;
    TBrushStyle StoredMarkerBrushStyle = bsSolid;
    QChar StoredMarkerCharacter;
    bool StoredBarVisible = true;
    double StoredBarReference = 0;
    double StoredBarWidth = 0;
    TColor StoredBarPenColor = 0;
    int StoredBarPenWidth = 0;
    TPenStyle StoredBarPenStyle = psSolid;
    TColor StoredBarBrushColor = 0;
    TBrushStyle StoredBarBrushStyle = bsSolid;

    // Copies the stored settings of another store.
    void CopyStoredSettings(const TiPlotDataCustomList& other);

protected:
    explicit TiPlotDataCustomList(int dataPointSize)
        : FDataPointSize(dataPointSize), FMaxDataPoints(2147483647 / dataPointSize) {}

    // The storage slot of a logical index ("Index out of Bounds" outside 0..Count-1).
    int IndexToSlot(int index) const;
    // Moves the records into logical order (slot = index), so the array can be cut.
    void Unwrap();

    // The record array, by store.
    virtual void ResizeArray(int capacity) = 0;
    virtual void WriteRecord(int slot, double x, double y, bool null, bool empty) = 0;
    virtual void RotateRecords(int first) = 0;
    virtual void MoveRecordsDown(int from, int count) = 0;
    // After the oldest point was overwritten in a full ring buffer.
    virtual void Wrapped() {}

    int FCount = 0;
    int FCapacity = 0;
    int FTail = 0;
    bool FRingBufferEnabled = false;
    int FDataPointSize = 24;
    int FMaxDataPoints = 2147483647 / 24;
};

// The array part shared by the four stores.
template <class Record> class TiPlotDataArrayList : public TiPlotDataCustomList {
protected:
    using TiPlotDataCustomList::TiPlotDataCustomList;
    void ResizeArray(int capacity) override { FList.resize(std::size_t(capacity)); FList.shrink_to_fit(); }
    void RotateRecords(int first) override;
    void MoveRecordsDown(int from, int count) override;
    Record& At(int index) { return FList[std::size_t(IndexToSlot(index))]; }
    const Record& At(int index) const { return FList[std::size_t(IndexToSlot(index))]; }
    std::vector<Record> FList;
};

struct TiPlotDataNull {
    double X = 0;
    double Y = 0;
    std::uint16_t Extra = 0;  // bit 0 null, 1 empty, 2 marker visible, 3-6 marker style
};

class TiPlotDataNullList : public TiPlotDataArrayList<TiPlotDataNull> {
public:
    TiPlotDataNullList() : TiPlotDataArrayList(24) {}
    double GetX(int index) const override { return At(index).X; }
    double GetY(int index) const override { return At(index).Y; }
    bool GetEmpty(int index) const override { return At(index).Extra & 2; }
    bool GetNull(int index) const override { return At(index).Extra & 1; }
    void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const override {
        const TiPlotDataNull& r = At(index);
        x = r.X, y = r.Y, empty = r.Extra & 2, null = r.Extra & 1;
    }
    bool GetMarkerVisible(int index) const override { return At(index).Extra & 4; }
    TiPlotMarkerStyle GetMarkerStyle(int index) const override;
    void SetX(int index, double value) override { At(index).X = value; }
    void SetY(int index, double value) override { At(index).Y = value; }
    void SetEmpty(int index, bool value) override { SetBit(index, 2, value); }
    void SetNull(int index, bool value) override { SetBit(index, 1, value); }
    void SetMarkerVisible(int index, bool value) override { SetBit(index, 4, value); }
    void SetMarkerStyle(int index, TiPlotMarkerStyle value) override;

protected:
    void WriteRecord(int slot, double x, double y, bool null, bool empty) override;

private:
    void SetBit(int index, std::uint16_t bit, bool value);
};

struct TiPlotDataSingle {
    float X = 0;
    float Y = 0;
};

class TiPlotDataCompactList : public TiPlotDataArrayList<TiPlotDataSingle> {
public:
    TiPlotDataCompactList() : TiPlotDataArrayList(8) {}
    double GetX(int index) const override { return At(index).X; }
    double GetY(int index) const override { return At(index).Y; }
    void SetX(int index, double value) override { At(index).X = float(value); }
    void SetY(int index, double value) override { At(index).Y = float(value); }

protected:
    void WriteRecord(int slot, double x, double y, bool, bool) override { FList[std::size_t(slot)] = {float(x), float(y)}; }
};

struct TiPlotDataCompactInterval {
    float Y = 0;
};

class TiPlotDataCompactIntervalList : public TiPlotDataArrayList<TiPlotDataCompactInterval> {
public:
    TiPlotDataCompactIntervalList() : TiPlotDataArrayList(4) {}
    // X = index x interval + first X (no bounds test).
    double GetX(int index) const override { return index * FInterval + FFirstX; }
    double GetY(int index) const override { return At(index).Y; }
    // Only the first X of a non-empty store may be set.
    void SetX(int index, double value) override;
    void SetY(int index, double value) override { At(index).Y = float(value); }
    void Clear() override;
    // Size may also equal Count.
    void DeletePoints(int size) override;
    double Interval() const { return FInterval; }
    double FirstX() const { return FFirstX; }

protected:
    void WriteRecord(int slot, double x, double y, bool, bool) override;
    void Wrapped() override;

private:
    double FInterval = -1.0;
    double FFirstX = 0;
};

struct TiPlotDataFull {
    double X = 0, Y = 0;
    bool Null = false, Empty = false;
    double High = 0, Low = 0, Open = 0, Close = 0;
    TColor TraceLineColor = 0;
    int TraceLineWidth = 0;
    TiPlotLineStyle TraceLineStyle = iplsSolid;
    bool MarkerVisible = false;
    int MarkerSize = 0;
    TiPlotMarkerStyle MarkerStyle = ipmsCircle;
    TColor MarkerPenColor = 0;
    int MarkerPenWidth = 0;
    TPenStyle MarkerPenStyle = psSolid;
    TColor MarkerBrushColor = 0;
    TBrushStyle MarkerBrushStyle = bsSolid;
    QChar MarkerCharacter;
    bool BarVisible = true;
    double BarReference = 0, BarWidth = 0;
    TColor BarPenColor = 0;
    int BarPenWidth = 0;
    TPenStyle BarPenStyle = psSolid;
    TColor BarBrushColor = 0;
    TBrushStyle BarBrushStyle = bsSolid;
};

class TiPlotDataFullList : public TiPlotDataArrayList<TiPlotDataFull> {
public:
    TiPlotDataFullList() : TiPlotDataArrayList(144) {}
    double GetX(int i) const override { return At(i).X; }
    double GetY(int i) const override { return At(i).Y; }
    bool GetEmpty(int i) const override { return At(i).Empty; }
    bool GetNull(int i) const override { return At(i).Null; }
    double GetHigh(int i) const override { return At(i).High; }
    double GetLow(int i) const override { return At(i).Low; }
    double GetOpen(int i) const override { return At(i).Open; }
    double GetClose(int i) const override { return At(i).Close; }
    void SetX(int i, double v) override { At(i).X = v; }
    void SetY(int i, double v) override { At(i).Y = v; }
    void SetEmpty(int i, bool v) override { At(i).Empty = v; }
    void SetNull(int i, bool v) override { At(i).Null = v; }
    void SetHigh(int i, double v) override { At(i).High = v; }
    void SetLow(int i, double v) override { At(i).Low = v; }
    void SetOpen(int i, double v) override { At(i).Open = v; }
    void SetClose(int i, double v) override { At(i).Close = v; }
    TColor GetTraceLineColor(int i) const override { return At(i).TraceLineColor; }
    int GetTraceLineWidth(int i) const override { return At(i).TraceLineWidth; }
    TiPlotLineStyle GetTraceLineStyle(int i) const override { return At(i).TraceLineStyle; }
    bool GetMarkerVisible(int i) const override { return At(i).MarkerVisible; }
    int GetMarkerSize(int i) const override { return At(i).MarkerSize; }
    TiPlotMarkerStyle GetMarkerStyle(int i) const override { return At(i).MarkerStyle; }
    TColor GetMarkerPenColor(int i) const override { return At(i).MarkerPenColor; }
    int GetMarkerPenWidth(int i) const override { return At(i).MarkerPenWidth; }
    TPenStyle GetMarkerPenStyle(int i) const override { return At(i).MarkerPenStyle; }
    TColor GetMarkerBrushColor(int i) const override { return At(i).MarkerBrushColor; }
    TBrushStyle GetMarkerBrushStyle(int i) const override { return At(i).MarkerBrushStyle; }
    QChar GetMarkerCharacter(int i) const override { return At(i).MarkerCharacter; }
    bool GetBarVisible(int i) const override { return At(i).BarVisible; }
    double GetBarReference(int i) const override { return At(i).BarReference; }
    double GetBarWidth(int i) const override { return At(i).BarWidth; }
    TColor GetBarPenColor(int i) const override { return At(i).BarPenColor; }
    int GetBarPenWidth(int i) const override { return At(i).BarPenWidth; }
    TPenStyle GetBarPenStyle(int i) const override { return At(i).BarPenStyle; }
    TColor GetBarBrushColor(int i) const override { return At(i).BarBrushColor; }
    TBrushStyle GetBarBrushStyle(int i) const override { return At(i).BarBrushStyle; }
    void SetTraceLineColor(int i, TColor v) override { At(i).TraceLineColor = v; }
    void SetTraceLineWidth(int i, int v) override { At(i).TraceLineWidth = v; }
    void SetTraceLineStyle(int i, TiPlotLineStyle v) override { At(i).TraceLineStyle = v; }
    void SetMarkerVisible(int i, bool v) override { At(i).MarkerVisible = v; }
    void SetMarkerSize(int i, int v) override { At(i).MarkerSize = v; }
    void SetMarkerStyle(int i, TiPlotMarkerStyle v) override { At(i).MarkerStyle = v; }
    void SetMarkerPenColor(int i, TColor v) override { At(i).MarkerPenColor = v; }
    void SetMarkerPenWidth(int i, int v) override { At(i).MarkerPenWidth = v; }
    void SetMarkerPenStyle(int i, TPenStyle v) override { At(i).MarkerPenStyle = v; }
    void SetMarkerBrushColor(int i, TColor v) override { At(i).MarkerBrushColor = v; }
    void SetMarkerBrushStyle(int i, TBrushStyle v) override { At(i).MarkerBrushStyle = v; }
    void SetMarkerCharacter(int i, QChar v) override { At(i).MarkerCharacter = v; }
    void SetBarVisible(int i, bool v) override { At(i).BarVisible = v; }
    void SetBarReference(int i, double v) override { At(i).BarReference = v; }
    void SetBarWidth(int i, double v) override { At(i).BarWidth = v; }
    void SetBarPenColor(int i, TColor v) override { At(i).BarPenColor = v; }
    void SetBarPenWidth(int i, int v) override { At(i).BarPenWidth = v; }
    void SetBarPenStyle(int i, TPenStyle v) override { At(i).BarPenStyle = v; }
    void SetBarBrushColor(int i, TColor v) override { At(i).BarBrushColor = v; }
    void SetBarBrushStyle(int i, TBrushStyle v) override { At(i).BarBrushStyle = v; }
    void DeletePoints(int size) override;

protected:
    void WriteRecord(int slot, double x, double y, bool null, bool empty) override;
};

// A new, empty store of a data style.
TiPlotDataCustomList* CreateDataList(TiPlotDataStyle style);
