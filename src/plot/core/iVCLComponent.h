#pragma once
// The layer between the control base and the concrete plot-family controls: the control's
// critical section (every paint pass runs under it, so that a thread feeding data under
// the same lock never overlaps a paint), a private internal timer (the plot's hint timer
// runs on it), the mouse wheel handed to the input hook, transparency over the parent,
// painting onto a foreign painter, the picture export as JPEG, PNG and "metafile" files or
// bytes, and colour themes read from scheme files.
//
// The metafile export writes a one-page PDF of the control's size (in points) holding its
// picture: PDF is the vector format Qt writes without further libraries, and the control's
// canvas draws on images, so the page carries the picture at the control's resolution.
#include "core/iComponent.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QPainter;
class TRepeatTimer;

// A picture held JPEG-compressed, as GetJPEGImage makes it: the encoded file's bytes and
// the picture they decode to.
class TJPEGImage {
public:
    explicit TJPEGImage(QByteArray data) : FData(std::move(data)) {}
    const QByteArray& Data() const { return FData; }
    QImage Image() const { return QImage::fromData(FData, "JPEG"); }

private:
    QByteArray FData;
};

class TiVCLComponent : public TiComponent {
public:
    explicit TiVCLComponent(TComponent* owner);
    ~TiVCLComponent() override;

    // Enter and leave the critical section; both do nothing while the control is destroyed.
    void Lock() override;
    void Unlock() override;

    // The internal timer: a first interval (when not 0), then Interval between ticks;
    // starting a running timer does nothing.
    bool InternalTimerActive() const;
    void InternalTimerStart(int first, int interval);
    void InternalTimerStop();
    int InternalTimerInterval() const { return FTimerInterval; }

    // Transparency: the parent's drawing under the control is its background, read from the
    // parent at every paint (the parent is never asked to repaint for it); a control without
    // a parent draws its own background. Moving a transparent control repaints it.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    void DrawBackGround(TCanvas& canvas, TColor color) override;

    // Paints the whole control onto a foreign painter at (X, Y), clipped to the control's
    // rectangle there (printing and embedding). With Transparent the control's background is
    // left out, so what the painter holds shows through. The painter's state comes back
    // however the paint ends; a failure of the paint leaves the painter as it was.
    void iPaintToDC(int x, int y, bool transparent, QPainter& dc);

    // Picture export. JPEG Compression is the quality 1..100 ("Compression must be in the
    // range of 1-100"), PNG Compression the zlib level 0..9 ("Compression must be in the
    // range of 0-9"); nothing is drawn or written outside the range.
    void SaveImageToMetaFile(const QString& fileName);
    void SaveImageToJPEG(const QString& fileName, int compression, bool progressive);
    void SaveImageToPNG(const QString& fileName, int compression);
    QByteArray GetBytesJPEG(int compression, bool progressive);
    QByteArray GetBytesPNG(int compression);
    // A new JPEG picture of the control that the caller owns (the encoder's best quality).
    std::unique_ptr<TJPEGImage> GetJPEGImage(int compression, bool progressive);
    // The PDF picture as bytes (what SaveImageToMetaFile writes).
    QByteArray GetBytesMetaFile();

    // Themes: the schemes of the control's class from the library's and the user's scheme
    // files (LoadThemes), grouped in categories; applying one sets each property path it
    // lists. A malformed file raises "Error Loading Scheme. XML File Malformed".
    void LoadThemes();
    int GetThemeCategoryCount() const { return int(FThemeCategories.size()); }
    QString GetThemeCategoryName(int categoryIndex) const;
    int GetThemeCategorySchemeCount(int categoryIndex) const;
    QString GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const;
    bool GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const;
    void ApplyScheme(int categoryIndex, int schemeIndex);
    // The library's and the user's theme folders, each ending in "/" when not empty; by
    // default from the registry (the local machine's values, overridden by the user's).
    std::function<void(QString& library, QString& user)> GetThemePaths;
    // Sets the writable published property at Path (dotted, letter case ignored) below
    // Object from a text: ordinal kinds as integers ("True" 1, "False" 0; for a Boolean any
    // other text than "0" is 1), floats, strings.
    static void SetPropertyByPath(TiPersistent& object, const QString& prefix, const QString& value,
                                  const QString& path);

protected:
    // Fired by every tick of the internal timer.
    std::function<void()> FOnInternalTimer;
    // The wheel goes to the input hook; its answer is whether the wheel was handled.
    bool DoMouseWheel(TShiftState shift, int delta, QPoint pos) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void InternalTimerTick();
    std::recursive_mutex FDataCriticalSection;
    bool FDestroying = false;
    bool FTransparent = false;
    bool FPaintDCTransparent = false;  // only during iPaintToDC
    struct Scheme {
        QString name;
        QStringList lines;  // "path = value"
        bool user = false;
    };
    struct ThemeCategory {
        QString name;
        std::vector<Scheme> schemes;
    };
    void LoadThemeFile(const QString& fileName, bool user);
    const Scheme& SchemeAt(int categoryIndex, int schemeIndex) const;
    std::vector<ThemeCategory> FThemeCategories;
    std::unique_ptr<TRepeatTimer> FTimer;
    bool FTimerFirstMessage = false;
    int FTimerInterval = 0;
};

// The base of the concrete controls (it adds nothing).
class TiCustomComponent : public TiVCLComponent {
public:
    using TiVCLComponent::TiVCLComponent;
};
