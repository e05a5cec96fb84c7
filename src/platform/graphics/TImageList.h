#pragma once
// A list of same-sized images drawn by index, as toolbars and labels draw their pictures.
// An image added with a mask colour is transparent where it has that colour; a disabled
// image is drawn greyed.
#include "graphics/TCanvas.h"
#include "graphics/TColor.h"

#include <QImage>

#include <vector>

class TImageList;

// A control that shows a list it does not own asks the list to tell it when the list goes.
class TImageListClient {
public:
    virtual void ImageListRemoved(const TImageList* list) = 0;

protected:
    ~TImageListClient() = default;
    // Points `field` at `list`, moving this client's registration from the old list to it.
    void ReferTo(TImageList*& field, TImageList* list);
};

class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16) : FWidth(width), FHeight(height) {}
    // A copy holds the images, not the clients of the original.
    TImageList(const TImageList& other) : FWidth(other.FWidth), FHeight(other.FHeight), FImages(other.FImages) {}
    TImageList& operator=(const TImageList& other);
    // Tells every registered client that the list goes.
    ~TImageList();

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Empties the list and sets the image size.
    void SetSize(int width, int height);
    int Count() const { return int(FImages.size()); }
    // Appends an image (scaled to the list's size) and returns its index.
    int Add(const QImage& image);
    int AddMasked(const QImage& image, TColor maskColor);
    void Clear() { FImages.clear(); }
    const QImage& Image(int index) const { return FImages.at(std::size_t(index)); }
    // Draws image `index` with its top-left corner at (x, y); nothing for an index outside
    // the list.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    // Registers a client to be told when the list is destroyed (once per client).
    void FreeNotification(TImageListClient* client);
    void RemoveFreeNotification(TImageListClient* client);

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
    std::vector<TImageListClient*> FClients;
};
