#include "graphics/TImageList.h"

#include <QPainter>

#include <algorithm>

TImageList& TImageList::operator=(const TImageList& other) {
    FWidth = other.FWidth;
    FHeight = other.FHeight;
    FImages = other.FImages;
    return *this;
}

TImageList::~TImageList() {
    // A client may unregister from inside its notification: work on a copy.
    const std::vector<TImageListClient*> clients = FClients;
    for (TImageListClient* client : clients) client->ImageListRemoved(this);
}

void TImageListClient::ReferTo(TImageList*& field, TImageList* list) {
    if (field) field->RemoveFreeNotification(this);
    field = list;
    if (field) field->FreeNotification(this);
}

void TImageList::FreeNotification(TImageListClient* client) {
    if (client && std::find(FClients.begin(), FClients.end(), client) == FClients.end()) FClients.push_back(client);
}

void TImageList::RemoveFreeNotification(TImageListClient* client) {
    FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
}

void TImageList::SetSize(int width, int height) {
    FWidth = width;
    FHeight = height;
    FImages.clear();
}

int TImageList::Add(const QImage& image) {
    QImage copy = image.convertToFormat(QImage::Format_ARGB32);
    if (copy.size() != QSize(FWidth, FHeight)) copy = copy.scaled(FWidth, FHeight);
    FImages.push_back(copy);
    return Count() - 1;
}

int TImageList::AddMasked(const QImage& image, TColor maskColor) {
    QImage copy = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = ToQColor(maskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < copy.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((row[x] & 0xFFFFFF) == mask) row[x] = 0;
    }
    return Add(copy);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    QPainter* p = canvas.Painter();
    if (!p) return;
    QImage image = FImages[std::size_t(index)];
    if (!enabled) {
        // Greyed: each visible pixel as a light grey of its brightness.
        for (int row = 0; row < image.height(); ++row) {
            auto* px = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int col = 0; col < image.width(); ++col) {
                if (!qAlpha(px[col])) continue;
                const int g = 128 + qGray(px[col]) / 2;
                px[col] = qRgba(g, g, g, qAlpha(px[col]));
            }
        }
    }
    p->drawImage(x, y, image);
    canvas.Changed(QRect(x, y, image.width(), image.height()));
}
