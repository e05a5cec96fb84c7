#pragma once
// The directions of the two-colour gradients the controls paint: the framed controls' ten
// shapes (gdDiagonalUp to gdBigSquareBox) and the styled controls' four (gdHorizontal to
// gdVerticalInOut). Both families name the type alike, so it is declared once here and
// their headers can be used together.
enum TGradientDirection {
    gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox,
    gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox,
    gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut
};
