// Usage: resgen <resources folder>. Writes every registered resource file there.
#include "resgen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include <zlib.h>

namespace resgen {
namespace {
std::map<std::string, Generator>& Registry() {
  static std::map<std::string, Generator> registry;
  return registry;
}
}  // namespace

Registration::Registration(const char* file_name, Generator generator) {
  Registry()[file_name] = generator;
}

std::uint32_t Pack(Colour c) {
  auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
  return Rgb(channel(c.r), channel(c.g), channel(c.b));
}

void PutLe16(Bytes& out, unsigned value) {
  out.push_back(value & 255);
  out.push_back((value >> 8) & 255);
}

void PutLe32(Bytes& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

Bytes Bmp24(const Image& image) {
  const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
  const std::uint32_t data_size = stride * image.height;
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  PutLe32(out, 54 + data_size);
  PutLe32(out, 0);
  PutLe32(out, 54);
  PutLe32(out, 40);
  PutLe32(out, image.width);
  PutLe32(out, image.height);
  PutLe16(out, 1);
  PutLe16(out, 24);
  PutLe32(out, 0);
  PutLe32(out, data_size);
  PutLe32(out, 2835);
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t p = image.At(x, y);
      out.push_back(p & 255);
      out.push_back((p >> 8) & 255);
      out.push_back((p >> 16) & 255);
    }
    for (std::uint32_t pad = image.width * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

namespace {
void PutBe32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 255);
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBe32(out, std::uint32_t(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, std::uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}
}  // namespace

namespace {
// 8-bit RGB, or RGBA with `opaque` giving the alpha (255 or 0).
Bytes Png(const Image& image, const std::vector<bool>* opaque) {
  Bytes rows;
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(0);  // filter type: none
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      rows.insert(rows.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
      if (opaque) rows.push_back((*opaque)[std::size_t(y) * image.width + x] ? 255 : 0);
    }
  }
  uLongf packed_size = compressBound(uLong(rows.size()));
  Bytes packed(packed_size);
  if (compress2(packed.data(), &packed_size, rows.data(), uLong(rows.size()), Z_BEST_COMPRESSION) != Z_OK) return {};
  packed.resize(packed_size);

  Bytes header;
  PutBe32(header, image.width);
  PutBe32(header, image.height);
  // 8 bits, RGB (2) or RGBA (6), deflate, the one filter method, no interlace
  header.insert(header.end(), {8, std::uint8_t(opaque ? 6 : 2), 0, 0, 0});
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

// The image as an icon stores it: a 32-bit DIB with alpha, twice the height to
// count the AND mask that follows it.
Bytes IconDib(const Image& image, const std::vector<bool>& opaque) {
  const std::uint32_t mask_stride = ((image.width + 31) / 32) * 4;
  Bytes out;
  PutLe32(out, 40);
  PutLe32(out, image.width);
  PutLe32(out, image.height * 2);
  PutLe16(out, 1);
  PutLe16(out, 32);
  PutLe32(out, 0);
  PutLe32(out, image.width * image.height * 4 + mask_stride * image.height);
  PutLe32(out, 0);
  PutLe32(out, 0);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t p = image.At(x, y);
      bool on = opaque[std::size_t(y) * image.width + x];
      PutLe32(out, on ? (p | 0xFF000000u) : 0);
    }
  }
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(mask_stride, 0);
    for (int x = 0; x < image.width; ++x) {
      if (!opaque[std::size_t(y) * image.width + x]) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
}  // namespace

Bytes Png24(const Image& image) { return Png(image, nullptr); }

Bytes IconFile(const std::vector<IconEntry>& entries) {
  std::vector<Bytes> data;
  for (const IconEntry& entry : entries)
    data.push_back(entry.png ? Png(entry.image, &entry.opaque) : IconDib(entry.image, entry.opaque));
  Bytes out;
  PutLe16(out, 0);
  PutLe16(out, 1);
  PutLe16(out, unsigned(entries.size()));
  std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Image& image = entries[i].image;
    out.push_back(image.width & 255);  // 0 stands for 256
    out.push_back(image.height & 255);
    out.push_back(0);
    out.push_back(0);
    PutLe16(out, 1);
    PutLe16(out, 32);
    PutLe32(out, std::uint32_t(data[i].size()));
    PutLe32(out, offset);
    offset += std::uint32_t(data[i].size());
  }
  for (const Bytes& bytes : data) out.insert(out.end(), bytes.begin(), bytes.end());
  return out;
}

}  // namespace resgen

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: resgen <resources folder>\n");
    return 2;
  }
  for (const auto& [name, generate] : resgen::Registry()) {
    resgen::Bytes bytes = generate();
    if (bytes.empty()) {
      std::fprintf(stderr, "resgen: cannot make %s\n", name.c_str());
      return 1;
    }
    std::string path = std::string(argv[1]) + "/" + name;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
      std::fprintf(stderr, "resgen: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
  }
  return 0;
}
