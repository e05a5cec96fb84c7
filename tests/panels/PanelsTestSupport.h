#pragma once
// Shared pieces of the band-table and meter tests: a shown, active form, a band table set
// up as the main window sets up its channel pages, pixel reads and the picture folder.
#include "CustomPEQTable.h"
#include "MyPEQAllpass.h"

#include "ui/TCustomControl.h"
#include "ui/TForm.h"

#include <QImage>

// A windowed control that fills itself with its Color.
class TSolidHost : public TCustomControl {
public:
    explicit TSolidHost(TComponent* owner, TColor color) : TCustomControl(owner) { SetColor(color); }
};

struct ShownForm {
    explicit ShownForm(int width = 600, int height = 340);
    ~ShownForm();
    TForm form{nullptr};
    TSolidHost* host = nullptr;
};

// Counts OnChange and keeps the current row seen in each.
struct ChangeLog {
    int count = 0;
    std::vector<int> rows;
    void Attach(TCustomPEQTable& table);
};

// The main window's settings on a table of `rows` bands (8 inputs, 9 outputs), laid out
// and with its window created and the English texts in.
void SetUpChannelTable(TCustomPEQTable& table, TWinControl* parent, int rows);

void Settle();
QImage Grab(QWidget& widget);
TColor PixelAt(const QImage& image, int x, int y);
// The edit's font colour.
TColor FontColorOf(const TControl& control);
