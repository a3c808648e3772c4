#include "scene_textures.h"

#include <d3dx9tex.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "box_mip_chain.h"
#include "dds_file.h"
#include "game_textures.h"
#include "gradient_noise.h"

namespace {

constexpr int TextureSize = 256;
constexpr int PanelsAcross = 4;
constexpr int RivetsAcross = 8;

// Distance in texels to the nearest panel seam.
double SeamDistance(int x, int y) {
  constexpr int panel = TextureSize / PanelsAcross;
  const int across = std::min(x % panel, panel - 1 - x % panel);
  const int down = std::min(y % panel, panel - 1 - y % panel);
  return std::min(across, down);
}

}  // namespace

ArgbImage PaintedPanelImage() {
  ArgbImage image;
  image.size = TextureSize;
  for (int y = 0; y < TextureSize; ++y) {
    for (int x = 0; x < TextureSize; ++x) {
      const double grain = TileableGradientNoise(x / 16.0, y / 16.0, TextureSize / 16, 7);
      const double wear =
          std::clamp(TileableGradientNoise(x / 32.0, y / 32.0, TextureSize / 32, 11) * 3.0 - 0.9, 0.0, 1.0);
      const double seam = std::clamp(SeamDistance(x, y) / 2.5, 0.0, 1.0);
      const double paint = (0.86 + 0.05 * grain) * (1.0 - 0.35 * wear) * (0.35 + 0.65 * seam);
      const std::uint8_t level = ChannelLevel(paint);
      image.texels.push_back(PackTexel(255, level, level, ChannelLevel(paint * 0.97)));
    }
  }
  return image;
}

ArgbImage RivetNormalImage() {
  ArgbImage image;
  image.size = TextureSize;
  constexpr double cell = static_cast<double>(TextureSize) / RivetsAcross;
  constexpr double radius = cell * 0.3;
  for (int y = 0; y < TextureSize; ++y) {
    for (int x = 0; x < TextureSize; ++x) {
      // Offset from the centre of this texel's rivet cell; inside the rivet the dome leans outwards.
      const double dx = std::fmod(x + 0.5, cell) - cell / 2.0;
      const double dy = std::fmod(y + 0.5, cell) - cell / 2.0;
      const double distance = std::sqrt(dx * dx + dy * dy);
      const double lean = distance < radius ? 0.45 / radius : 0.0;
      image.texels.push_back(
          PackTexel(255, ChannelLevel(0.5 + lean * dx), ChannelLevel(0.5 + lean * dy), 255));
    }
  }
  return image;
}

HostTexture* GameTextureOf(const ArgbImage& image) {
  static std::vector<std::unique_ptr<StandInRaster>> rasters;
  static std::vector<std::unique_ptr<StandInTexture>> textures;
  auto raster = std::make_unique<StandInRaster>();
  raster->file = TextureDdsFile(BoxMipChain(image));
  D3DXGetImageInfoFromFileInMemory(raster->file.data(), static_cast<UINT>(raster->file.size()),
                                   &raster->info);
  auto texture = std::make_unique<StandInTexture>();
  texture->raster = raster.get();
  rasters.push_back(std::move(raster));
  textures.push_back(std::move(texture));
  return reinterpret_cast<HostTexture*>(textures.back().get());
}
