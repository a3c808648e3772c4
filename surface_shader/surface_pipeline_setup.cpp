#include "surface_pipeline_setup.h"

#include "host_game.h"
#include "host_records.h"
#include "surface_render_callback.h"
#include "surface_shader_code.h"
#include "surface_state.h"
#include "surface_vertex_declaration.h"

namespace {

// Relative to the game's working directory, with the game's backslash separators.
constexpr char CubeMapPath[] = "extra_resources\\textures\\cubemap.dds";
constexpr char NormalMapPath[] = "extra_resources\\textures\\nmap.dds";

// How the game's stream open and close are asked to read a file.
constexpr int StreamOpenMode = 2;
constexpr int StreamOpenAccess = 1;
constexpr int StreamCloseFlags = 0;

// The game's setting for the surface textures, stored in each texture record.
constexpr std::uint32_t SurfaceTextureSetting = 2;

// A missing or unreadable file leaves the texture null, which the game's texture binding accepts; an
// opened stream is closed whether or not its raster could be read, so no file stays open.
HostTexture* LoadHostTexture(const char* path) {
  HostStream* stream = hostStreamOpen(StreamOpenMode, StreamOpenAccess, path);
  if (!stream) return nullptr;
  HostRaster* raster = hostReadRasterFromStream(stream);
  hostStreamClose(stream, StreamCloseFlags);
  if (!raster) return nullptr;
  HostTexture* texture = hostTextureCreate(raster);
  if (texture) WriteHostField(texture, HostTextureSettingOffset, SurfaceTextureSetting);
  return texture;
}

}  // namespace

std::uint32_t __cdecl SetupSurfacePipeline(void* pipelineArgument) {
  // A reload replaces both textures, a failed one with null: the game may have freed the earlier record.
  gCubeMapTexture = LoadHostTexture(CubeMapPath);
  gNormalMapTexture = LoadHostTexture(NormalMapPath);
  hostCreateVertexShader(SurfaceVertexShaderCode, &gSurfaceVertexShader);
  hostCreatePixelShader(SurfacePixelShaderCode, &gSurfacePixelShader);
  hostCreateVertexDeclaration(SurfaceVertexDeclaration, &gSurfaceVertexDecl);
  return hostInstallRenderCallback(pipelineArgument, SurfaceRenderCallback);
}
