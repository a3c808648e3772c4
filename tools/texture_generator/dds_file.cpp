#include "dds_file.h"

#include <cstring>

#include "dds_format.h"

namespace {

constexpr std::uint32_t ImageFlags = DdsdCaps | DdsdHeight | DdsdWidth | DdsdPixelFormat;
constexpr std::uint32_t AllCubeFaces = DdsCaps2CubeMapPositiveX | DdsCaps2CubeMapNegativeX |
                                       DdsCaps2CubeMapPositiveY | DdsCaps2CubeMapNegativeY |
                                       DdsCaps2CubeMapPositiveZ | DdsCaps2CubeMapNegativeZ;

DdsHeader ArgbHeader(int size) {
  DdsHeader header{};
  header.size = sizeof(DdsHeader);
  header.flags = ImageFlags;
  header.height = static_cast<std::uint32_t>(size);
  header.width = static_cast<std::uint32_t>(size);
  header.pixelFormat.size = sizeof(DdsPixelFormat);
  header.pixelFormat.flags = DdpfRgb | DdpfAlphaPixels;
  header.pixelFormat.rgbBitCount = ArgbBitCount;
  header.pixelFormat.redBitMask = ArgbRedMask;
  header.pixelFormat.greenBitMask = ArgbGreenMask;
  header.pixelFormat.blueBitMask = ArgbBlueMask;
  header.pixelFormat.alphaBitMask = ArgbAlphaMask;
  header.caps = DdsCapsTexture;
  return header;
}

// Windows on x86 is little-endian, so the header and texels go out as they lie in memory.
template <typename Value>
void Append(std::vector<std::uint8_t>& file, const Value* values, std::size_t count) {
  const std::size_t end = file.size();
  file.resize(end + count * sizeof(Value));
  std::memcpy(file.data() + end, values, count * sizeof(Value));
}

std::vector<std::uint8_t> StartFile(const DdsHeader& header) {
  std::vector<std::uint8_t> file;
  Append(file, &DdsMagic, 1);
  Append(file, &header, 1);
  return file;
}

void AppendImage(std::vector<std::uint8_t>& file, const ArgbImage& image) {
  Append(file, image.texels.data(), image.texels.size());
}

}  // namespace

std::vector<std::uint8_t> TextureDdsFile(const std::vector<ArgbImage>& levels) {
  DdsHeader header = ArgbHeader(levels.front().size);
  header.flags |= DdsdMipMapCount;
  header.mipMapCount = static_cast<std::uint32_t>(levels.size());
  header.caps |= DdsCapsComplex | DdsCapsMipMap;
  std::vector<std::uint8_t> file = StartFile(header);
  for (const ArgbImage& level : levels) {
    AppendImage(file, level);
  }
  return file;
}

std::vector<std::uint8_t> CubeMapDdsFile(const std::array<ArgbImage, 6>& faces) {
  DdsHeader header = ArgbHeader(faces.front().size);
  header.caps |= DdsCapsComplex;
  header.caps2 = DdsCaps2CubeMap | AllCubeFaces;
  std::vector<std::uint8_t> file = StartFile(header);
  for (const ArgbImage& face : faces) {
    AppendImage(file, face);
  }
  return file;
}
