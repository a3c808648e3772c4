#include "dds_files.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t Size = 4;
constexpr std::uint32_t BytesPerTexel = 4;

// DDS_HEADER and DDS_PIXELFORMAT flags.
constexpr std::uint32_t RequiredFlags = 0x1 | 0x2 | 0x4 | 0x1000;  // caps, height, width, pixel format
constexpr std::uint32_t RgbWithAlpha = 0x40 | 0x1;
constexpr std::uint32_t CapsTexture = 0x1000;
constexpr std::uint32_t CapsComplex = 0x8;
constexpr std::uint32_t Caps2AllCubeFaces = 0xFE00;

std::string DdsFile(std::uint32_t caps, std::uint32_t caps2, std::uint32_t faces) {
  std::vector<std::uint32_t> header(32, 0);  // the magic word, then the 124-byte header
  std::memcpy(&header[0], "DDS ", 4);
  header[1] = 124;
  header[2] = RequiredFlags;
  header[3] = Size;  // height
  header[4] = Size;  // width
  header[19] = 32;   // pixel format size
  header[20] = RgbWithAlpha;
  header[22] = 32;  // bits per texel
  header[23] = 0x00FF0000;
  header[24] = 0x0000FF00;
  header[25] = 0x000000FF;
  header[26] = 0xFF000000;
  header[27] = caps;
  header[28] = caps2;
  std::string file(reinterpret_cast<const char*>(header.data()), header.size() * sizeof(std::uint32_t));
  for (std::uint32_t i = 0; i < faces * Size * Size * BytesPerTexel; ++i) file += static_cast<char>(i * 7);
  return file;
}

}  // namespace

std::string Dds2DFile() {
  return DdsFile(CapsTexture, 0, 1);
}

std::string DdsCubeFile() {
  return DdsFile(CapsTexture | CapsComplex, Caps2AllCubeFaces, 6);
}
