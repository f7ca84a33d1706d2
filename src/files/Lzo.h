// LZO1X-1 compression and bounded LZO1X decompression (liblzo2).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lzo {

// Compresses `count` bytes into a complete LZO1X stream (ending with the end marker).
std::vector<uint8_t> Compress(const uint8_t* bytes, size_t count);

enum class DecodeResult { Ok, OutputOverrun, Corrupt };

// Decompresses into out[0 .. capacity). Never writes past `capacity`; a stream that would
// is reported as OutputOverrun. On Ok, `produced` holds the number of bytes written.
DecodeResult Decompress(const uint8_t* in, size_t inCount, uint8_t* out, size_t capacity, size_t& produced);

}  // namespace lzo
