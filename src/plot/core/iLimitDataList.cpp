#include "core/iLimitDataList.h"

#include "rtl/Exception.h"

int TiLimitDataList::Add(double value1, double value2, double value3) {
    if (FCount == FCapacity) {
        const int delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
        SetCapacity(FCapacity + delta);
    }
    FList[std::size_t(FCount)] = {value1, value2, value3};
    return FCount++;
}

void TiLimitDataList::SetCapacity(int newCapacity) {
    if (newCapacity > 134217727) throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (newCapacity < 0) throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (newCapacity == FCapacity) return;
    FList.resize(std::size_t(newCapacity));
    FCapacity = newCapacity;
    if (FCount > FCapacity) FCount = FCapacity;
}

void TiLimitDataList::Clear() {
    FList.clear();
    FCount = 0;
    FCapacity = 0;
}

const TiLimitData& TiLimitDataList::At(int index) const {
    if (index < 0 || index >= FCount) throw Exception(QStringLiteral("Index out of Bounds"));
    return FList[std::size_t(index)];
}

double TiLimitDataList::GetValue1(int index) const { return At(index).Value1; }
double TiLimitDataList::GetValue2(int index) const { return At(index).Value2; }
double TiLimitDataList::GetValue3(int index) const { return At(index).Value3; }
