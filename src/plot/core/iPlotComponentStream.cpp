// The plot's window-layout data: the object collections, the translation table, the data
// view placeholders' ZOrder and the image lists, and the axis' extra layout data.
#include "core/iComponentStream.h"
#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotLayoutManager.h"
#include "core/iPlotManagers.h"
#include "core/iPlotTranslation.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotToolBar.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <QBuffer>
#include <QDataStream>

// ---- collections -----------------------------------------------------------------------

namespace {

template <class List> void WriteCollectionOf(TiStreamWriter& writer, const List& list) {
    writer.WriteCollection();
    for (const auto* item : list) {
        writer.WriteListBegin();
        WriteObjectProperties(writer, *item);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

}  // namespace

void TiPlotObjectManagerCustom::WriteToStream(TiStreamWriter& writer) const { WriteCollectionOf(writer, FList); }

void TiPlotObjectManagerCustom::ReadFromStream(TiStreamReader& reader) {
    Clear();
    if (!reader.ReadCollection()) return;
    while (!reader.EndOfList()) {
        if (!reader.ReadListBegin()) throw Exception(QStringLiteral("Stream read error"));
        TiPlotObject* object = CreateObject();
        try {
            ReadObjectProperties(reader, *object);
        } catch (...) {
            // Never registered: nothing else knows it.
            TiPlotObject::Free(object);
            throw;
        }
        object->DoInsert();
    }
}

void TiPlotTranslationManager::WriteToStream(TiStreamWriter& writer) const { WriteCollectionOf(writer, FList); }

void TiPlotTranslationManager::ReadFromStream(TiStreamReader& reader) {
    Clear();
    if (!reader.ReadCollection()) return;
    while (!reader.EndOfList()) {
        if (!reader.ReadListBegin()) throw Exception(QStringLiteral("Stream read error"));
        // The entry is listed on creation, so a failed read leaves it with what it read.
        ReadObjectProperties(reader, *CreateObject());
    }
}

// ---- axis ------------------------------------------------------------------------------

void TiPlotAxis::WriteDefinedProperties(TiStreamWriter& writer) const {
    if (FLabelSeparation == 0) writer.WriteProperty(QStringLiteral("LabelSeparation"), FloatToStr(0));
    if (FTitleMargin == 0) writer.WriteProperty(QStringLiteral("TitleMargin"), FloatToStr(0));
}

bool TiPlotAxis::ReadDefinedProperty(const QString& name, const QString& value) {
    if (name.compare(QLatin1String("Span_2"), Qt::CaseInsensitive) != 0) return false;
    FSpan = StrToFloat(value);
    return true;
}

// ---- plot ------------------------------------------------------------------------------

namespace {

constexpr quint32 kImageListMagic = 0x494C5354;  // "ILST"
constexpr quint32 kMaxImageSide = 4096;

[[noreturn]] void ImageListReadError() {
    throw Exception(QStringLiteral("Failed to read ImageList data from stream"));
}

// The image list as its size and count, then each picture as a PNG block.
QByteArray ImageListWrite(const TImageList& list) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << kImageListMagic << quint32(list.Width()) << quint32(list.Height()) << quint32(list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!list.Image(i).save(&buffer, "PNG"))
            throw Exception(QStringLiteral("Failed to write ImageList data to stream"));
        out << quint32(png.size());
        out.writeRawData(png.constData(), int(png.size()));
    }
    return bytes;
}

// Rebuilds a list from ImageListWrite's bytes; every size is checked against the bytes left.
void ImageListRead(TImageList& list, const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 magic = 0, width = 0, height = 0, count = 0;
    in >> magic >> width >> height >> count;
    if (in.status() != QDataStream::Ok || magic != kImageListMagic || width == 0 || height == 0 ||
        width > kMaxImageSide || height > kMaxImageSide)
        ImageListReadError();
    TImageList read{int(width), int(height)};
    for (quint32 i = 0; i < count; ++i) {
        quint32 size = 0;
        in >> size;
        const qint64 left = bytes.size() - in.device()->pos();
        if (in.status() != QDataStream::Ok || qint64(size) > left) ImageListReadError();
        QImage image;
        if (!image.loadFromData(bytes.mid(in.device()->pos(), qsizetype(size)), "PNG")) ImageListReadError();
        in.skipRawData(int(size));
        read.Add(image);
    }
    list = std::move(read);
}

// The object collections a layout holds, by name, in their stored order.
std::vector<std::pair<QString, TiPlotObjectManagerCustom*>> StreamedManagers(const TiPlotMasterManager& m) {
    return {{QStringLiteral("ToolBarManager"), m.ToolBarManager()},
            {QStringLiteral("LegendManager"), m.LegendManager()},
            {QStringLiteral("TableManager"), m.TableManager()},
            {QStringLiteral("XAxisManager"), m.XAxisManager()},
            {QStringLiteral("YAxisManager"), m.YAxisManager()},
            {QStringLiteral("ChannelManager"), m.ChannelManager()},
            {QStringLiteral("DataViewManager"), m.DataViewManager()},
            {QStringLiteral("DataCursorManager"), m.DataCursorManager()},
            {QStringLiteral("LimitManager"), m.LimitManager()},
            {QStringLiteral("LabelManager"), m.LabelManager()},
            {QStringLiteral("AnnotationManager"), m.AnnotationManager()}};
}

QByteArray CollectionBytes(const auto& manager) {
    TiStreamWriter writer;
    manager.WriteToStream(writer);
    return writer.Data();
}

}  // namespace

std::vector<std::pair<QString, QVariant>> TiPlotComponent::LayoutDefinedProperties() {
    std::vector<std::pair<QString, QVariant>> values;
    // Toolbar 0 off the title's ring first, so the stored ZOrders are the ones in use.
    TFiler filer;
    DefineProperties(filer);
    values.emplace_back(QStringLiteral("DataViewZHorz"), DataViewZHorz());
    values.emplace_back(QStringLiteral("DataViewZVert"), DataViewZVert());
    for (int i = 0; i < 3; ++i)
        if (FImageLists[std::size_t(i)].Count() > 0)
            values.emplace_back(QStringLiteral("ImageList%1").arg(i), ImageListWrite(FImageLists[std::size_t(i)]));
    for (const auto& [name, manager] : StreamedManagers(*FMaster))
        if (manager->DoWriteToStream()) values.emplace_back(name, CollectionBytes(*manager));
    if (FMaster->TranslationManager()->DoWriteToStream())
        values.emplace_back(QStringLiteral("TranslationManager"), CollectionBytes(*FMaster->TranslationManager()));
    return values;
}

void TiPlotComponent::DefineProperties(TFiler& filer) {
    filer.DefineProperty(QStringLiteral("DataViewZHorz"), [this](const QVariant& v) { SetDataViewZHorz(v.toInt()); });
    filer.DefineProperty(QStringLiteral("DataViewZVert"), [this](const QVariant& v) { SetDataViewZVert(v.toInt()); });
    for (int i = 0; i < 3; ++i)
        filer.DefineProperty(QStringLiteral("ImageList%1").arg(i), [this, i](const QVariant& v) {
            ImageListRead(FImageLists[std::size_t(i)], v.toByteArray());
        });
    for (const auto& [name, manager] : StreamedManagers(*FMaster))
        filer.DefineProperty(name, [target = manager](const QVariant& v) {
            TiStreamReader reader(v.toByteArray());
            target->ReadFromStream(reader);
        });
    filer.DefineProperty(QStringLiteral("TranslationManager"), [this](const QVariant& v) {
        TiStreamReader reader(v.toByteArray());
        FMaster->TranslationManager()->ReadFromStream(reader);
    });
    // The title and toolbar 0 never share a ring.
    if (ToolBarCount() > 0 && LabelCount() > 0) {
        TiPlotToolBar* toolBar = ToolBar(0);
        TiPlotLabel* title = Label(0);
        if (toolBar->Horizontal() == title->Horizontal() && toolBar->ZOrder() == title->ZOrder())
            toolBar->SetZOrder(toolBar->ZOrder() + 1);
    }
}
