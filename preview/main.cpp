// Renders the preview scene through surface_shader.dll on Wine's Direct3D 9 and saves it as a PNG, or
// measures how many frames per second the scene renders at.
//   surface_preview GAME_FOLDER OUTPUT.png
//   surface_preview GAME_FOLDER --frames N
#include <windows.h>
// d3dx9.h needs the Windows types declared first.
#include <d3dx9.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cell_captions.h"
#include "game_behaviours.h"
#include "game_renderer.h"
#include "preview_scene.h"
#include "stand_in_host.h"

namespace {

constexpr UINT CellSize = 256;
// The frame is drawn at twice the picture's size and averaged down, which smooths the edges.
constexpr UINT Supersampling = 2;

int Fail(const char* message) {
  std::fprintf(stderr, "surface_preview: %s\n", message);
  return 1;
}

bool SavePicture(GameRenderer& renderer, const char* path) {
  IDirect3DDevice9* device = renderer.Device();
  IDirect3DSurface9* frame = nullptr;
  IDirect3DSurface9* picture = nullptr;
  bool saved = false;
  if (SUCCEEDED(device->CreateOffscreenPlainSurface(renderer.Width(), renderer.Height(), D3DFMT_A8R8G8B8,
                                                    D3DPOOL_SYSTEMMEM, &frame, nullptr)) &&
      SUCCEEDED(device->CreateOffscreenPlainSurface(renderer.Width() / Supersampling,
                                                    renderer.Height() / Supersampling, D3DFMT_X8R8G8B8,
                                                    D3DPOOL_SYSTEMMEM, &picture, nullptr)) &&
      SUCCEEDED(device->GetRenderTargetData(renderer.Target(), frame)) &&
      SUCCEEDED(D3DXLoadSurfaceFromSurface(picture, nullptr, nullptr, frame, nullptr, nullptr,
                                           D3DX_FILTER_BOX, 0))) {
    saved = SUCCEEDED(D3DXSaveSurfaceToFileA(path, D3DXIFF_PNG, picture, nullptr, nullptr));
  }
  if (picture) picture->Release();
  if (frame) frame->Release();
  return saved;
}

// Frames are timed from the first to the moment the device has finished the last one.
void MeasureFrames(GameRenderer& renderer, PreviewScene& scene, int frames) {
  IDirect3DQuery9* finished = nullptr;
  renderer.Device()->CreateQuery(D3DQUERYTYPE_EVENT, &finished);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < frames; ++i) scene.RenderFrame();
  if (finished) {
    finished->Issue(D3DISSUE_END);
    while (finished->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE) {
    }
    finished->Release();
  }
  QueryPerformanceCounter(&end);
  const double seconds =
      static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  std::printf("%d frames of %u x %u pixels (%zu objects) in %.2f s: %.1f frames per second\n", frames,
              renderer.Width(), renderer.Height(), scene.Objects().size(), seconds, frames / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const bool measuring = argc == 4 && std::strcmp(argv[2], "--frames") == 0;
  if (argc != 3 && !measuring) return Fail("usage: surface_preview GAME_FOLDER (OUTPUT.png | --frames N)");
  StartStandInHost();
  InstallGameBehaviours();
  GameRenderer renderer(PreviewScene::Columns * CellSize * Supersampling,
                        PreviewScene::Rows * CellSize * Supersampling, D3DFMT_A8R8G8B8);
  if (!renderer.Ready()) return Fail("no Direct3D 9 device");
  renderer.InstallBehaviours();
  // The picture's path is taken as given from where the program was started.
  char picturePath[MAX_PATH];
  if (!measuring && !GetFullPathNameA(argv[2], MAX_PATH, picturePath, nullptr))
    return Fail("bad picture path");
  // The plug-in reads its textures relative to the game's working directory.
  if (!SetCurrentDirectoryA(argv[1])) return Fail("cannot enter the game folder");
  HostRenderCallback callback = SetUpSurfacePlugin();
  if (!callback) return Fail("surface_shader.dll installed no render callback");
  PreviewScene scene(renderer, callback, CellSize * Supersampling);
  // The plug-in's first callback uploads a light direction it has not been given yet.
  scene.RenderFrame();
  if (measuring) {
    MeasureFrames(renderer, scene, std::atoi(argv[3]));
    return 0;
  }
  scene.RenderFrame();
  DrawCellCaptions(renderer.Device(), scene, CellSize * Supersampling);
  return SavePicture(renderer, picturePath) ? 0 : Fail("cannot save the picture");
}
