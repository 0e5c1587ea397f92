// Loading a file: encoding detection, doubled-CR repair through the temp copy,
// decoding. The first byte picks the encoding chosen in the open dialog and
// the file's kind; the rest is the file.
#include "fuzzsupport.h"
#include "text/detection.h"
#include "text/textload.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    environment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    CheckUtf8(bytes);
    SniffEncoding(bytes);

    LoadRequest request;
    request.path = environment().path(data[0] & 0x40 ? "art.nfo" : "notes.txt");
    request.chosen = Encoding((data[0] & 0x0F) % 6);
    request.westernLatinForNfo = data[0] & 0x80;
    request.maxBytes = 1 << 20;
    if (!writeBytes(request.path, bytes))
        return 0;
    const LoadResult loaded = LoadTextFile(request);
    require(loaded.ok || !loaded.error.isEmpty(), "a failed load says why");
    require(readBytes(request.path) == bytes, "loading never changes the file");
    return 0;
}
