#include "default_texture_files.h"

#include "box_mip_chain.h"
#include "cube_map.h"
#include "dds_file.h"
#include "normal_map.h"

std::vector<std::uint8_t> NormalMapFile() {
  return TextureDdsFile(BoxMipChain(NormalMapImage()));
}

std::vector<std::uint8_t> CubeMapFile() {
  return CubeMapDdsFile(CubeMapFaces());
}
