#include "GDIPPictureContainer.h"

namespace {

// Upper case of the ASCII letters only.
QString AsciiUpper(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return out;
}

}  // namespace

void TPictureItem::Assign(const TPictureItem& source) {
    if (&source == this) return;
    FName = source.FName;
    FTag = source.FTag;
    FPicture.Assign(&source.FPicture);
}


TAdvGDIPPicture* TGDIPPictureContainer::FindPicture(const QString& name) const {
    const QString wanted = AsciiUpper(name);
    for (int i = 0; i < FItems.Count(); ++i)
        if (AsciiUpper(FItems.Items(i)->Name()) == wanted) return &FItems.Items(i)->Picture();
    return nullptr;
}
