#include "files/Lzo.h"

#include <lzo/lzo1x.h>

#include <mutex>
#include <stdexcept>

namespace lzo {

namespace {
void InitOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (lzo_init() != LZO_E_OK) throw std::runtime_error("lzo_init failed");
  });
}
}  // namespace

std::vector<uint8_t> Compress(const uint8_t* bytes, size_t count) {
  InitOnce();
  // Worst case of LZO1X-1 for incompressible input.
  std::vector<uint8_t> out(count + count / 16 + 64 + 3);
  std::vector<unsigned char> work(LZO1X_1_MEM_COMPRESS);
  static const uint8_t kEmpty = 0;
  lzo_uint outLen = out.size();
  const int r = lzo1x_1_compress(count ? bytes : &kEmpty, count, out.data(), &outLen, work.data());
  if (r != LZO_E_OK) throw std::runtime_error("lzo1x_1_compress failed");
  out.resize(outLen);
  return out;
}

DecodeResult Decompress(const uint8_t* in, size_t inCount, uint8_t* out, size_t capacity, size_t& produced) {
  InitOnce();
  produced = 0;
  lzo_uint outLen = capacity;
  const int r = lzo1x_decompress_safe(in, inCount, out, &outLen, nullptr);
  if (r == LZO_E_OUTPUT_OVERRUN) return DecodeResult::OutputOverrun;
  if (r != LZO_E_OK) return DecodeResult::Corrupt;
  produced = outLen;
  return DecodeResult::Ok;
}

}  // namespace lzo
