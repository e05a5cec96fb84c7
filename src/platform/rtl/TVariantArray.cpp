#include "rtl/TVariantArray.h"

#include "rtl/Exception.h"

TVariantArray TVariantArray::OneDimensional(int low, std::vector<double> values) {
    TVariantArray a;
    a.FBounds = {{low, low + int(values.size()) - 1}};
    a.FValues = std::move(values);
    return a;
}

TVariantArray TVariantArray::TwoDimensional(int low1, int low2, const std::vector<std::vector<double>>& rows) {
    TVariantArray a;
    const int columns = rows.empty() ? 0 : int(rows.front().size());
    a.FBounds = {{low1, low1 + int(rows.size()) - 1}, {low2, low2 + columns - 1}};
    for (const auto& row : rows) {
        if (int(row.size()) != columns) throw Exception(QStringLiteral("Variant array rows differ in length"));
        a.FValues.insert(a.FValues.end(), row.begin(), row.end());
    }
    return a;
}

double TVariantArray::At(int i) const {
    if (DimCount() != 1 || i < Low(1) || i > High(1)) throw Exception(QStringLiteral("Variant array index out of bounds"));
    return FValues[std::size_t(i - Low(1))];
}

double TVariantArray::At(int i, int j) const {
    if (DimCount() != 2 || i < Low(1) || i > High(1) || j < Low(2) || j > High(2))
        throw Exception(QStringLiteral("Variant array index out of bounds"));
    const int columns = High(2) - Low(2) + 1;
    return FValues[std::size_t((i - Low(1)) * columns + (j - Low(2)))];
}
