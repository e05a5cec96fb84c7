#pragma once
// A growable list of value triples (for a band limit: position, upper and lower limit).
#include <vector>

struct TiLimitData {
    double Value1 = 0;
    double Value2 = 0;
    double Value3 = 0;
};

class TiLimitDataList {
public:
    // Appends a triple and returns its index; a full list grows by 4 below a capacity of 9,
    // by 16 up to 64 and by a quarter above.
    int Add(double value1, double value2, double value3);
    // Above 134217727 elements: "Exceed Maximum List Size"; a count above the new capacity
    // is cut to it.
    void SetCapacity(int newCapacity);
    void Clear();
    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    // An index outside 0..Count-1 fails with "Index out of Bounds".
    double GetValue1(int index) const;
    double GetValue2(int index) const;
    double GetValue3(int index) const;

private:
    const TiLimitData& At(int index) const;
    std::vector<TiLimitData> FList;
    int FCount = 0;
    int FCapacity = 0;
};
