// Feeds arbitrary bytes to the RTF reader and writes the document back.
#include "RtfDocument.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    QTextDocument doc;
    ReadRtf(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), doc);
    QTextDocument again;
    ReadRtf(WriteRtf(doc), again);
    return 0;
}
