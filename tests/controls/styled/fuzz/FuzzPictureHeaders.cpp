// Feeds arbitrary bytes to the picture header readers, each through its own extension, on an
// exact-size buffer so that a read past the end is caught. A reader that reports a size
// must report one that fits in 16 bits.
#include "GDIPicture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* ext : {".jpg", ".jpeg", ".png", ".bmp", ".tiff", ".gif", ".tif"}) {
        int w = -1, h = -1;
        ReadHeaderSize(QString::fromLatin1(ext), bytes, w, h);
        if (w < 0 || w > 0xFFFF || h < 0 || h > 0xFFFF) std::abort();
    }
    return 0;
}
