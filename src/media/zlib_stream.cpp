#include "media/zlib_stream.h"

#include <zlib.h>

#include "league/error.h"

namespace zt::media {

std::vector<std::uint8_t> compressZlib(std::span<const std::uint8_t> bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::uint8_t> out(size);
    const int result =
        compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), Z_DEFAULT_COMPRESSION);
    if (result != Z_OK) {
        throw Error("The data could not be compressed (zlib error " + std::to_string(result) + ").");
    }
    out.resize(size);
    return out;
}

std::uint64_t maximumInflatedSize(std::uint64_t compressedSize) {
    // Deflate cannot do better than about 1032 to 1 (258 bytes per 2 bits at best).
    return compressedSize * 1032 + 1024;
}

std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> compressed,
                                      std::size_t expectedSize,
                                      const std::string& file,
                                      const std::string& what) {
    const auto damaged = [&](const std::string& problem) {
        return Error("The file \"" + file + "\" is damaged: " + what + " " + problem + ".");
    };
    if (expectedSize > maximumInflatedSize(compressed.size())) {
        throw damaged("announces more data than its compressed bytes can hold");
    }
    std::vector<std::uint8_t> out(expectedSize);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        throw Error("zlib could not be started.");
    }
    stream.next_in = const_cast<Bytef*>(compressed.data());
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    int result = inflate(&stream, Z_FINISH);
    const std::size_t produced = out.size() - stream.avail_out;
    if (result != Z_STREAM_END && stream.avail_out == 0) {
        // The announced size is reached before the stream's end: one more byte tells a stream
        // that would go on from one that is merely cut short.
        std::uint8_t extra = 0;
        stream.next_out = &extra;
        stream.avail_out = 1;
        result = inflate(&stream, Z_FINISH);
        const bool more = stream.avail_out == 0;
        inflateEnd(&stream);
        throw damaged(more ? "inflates to more than its announced size" : "holds a broken compressed stream");
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw damaged("holds a broken compressed stream");
    }
    if (produced != expectedSize) {
        throw damaged("inflates to a size other than announced");
    }
    return out;
}

}  // namespace zt::media
