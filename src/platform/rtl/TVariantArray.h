#pragma once
// An array of doubles with bounds of its own per dimension (a low and a high index, as the
// windows' variant arrays have), for the calls that take whole arrays of values.
#include <utility>
#include <vector>

class TVariantArray {
public:
    // A one-dimensional array indexed low .. low + size - 1.
    static TVariantArray OneDimensional(int low, std::vector<double> values);
    // A two-dimensional array: rows low1 .. low1 + rows - 1, columns low2 .. low2 + columns - 1.
    static TVariantArray TwoDimensional(int low1, int low2, const std::vector<std::vector<double>>& rows);

    int DimCount() const { return int(FBounds.size()); }
    int Low(int dimension) const { return FBounds.at(std::size_t(dimension - 1)).first; }
    int High(int dimension) const { return FBounds.at(std::size_t(dimension - 1)).second; }
    double At(int i) const;
    double At(int i, int j) const;

private:
    std::vector<std::pair<int, int>> FBounds;
    std::vector<double> FValues;
};
