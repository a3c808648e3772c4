// The game's part in the preview: surface_shader.dll set up through the game's pipeline set-up call, and a
// grid of objects that the game's renderer hands to the plug-in's render callback, one per cell. Rows are
// materials (effect types 0, 2 and 3); columns are a sphere, a torus and a rounded box under a white key
// light, the box without the lighting render state, and a sphere under a warm low sun.
#pragma once

#include <windows.h>
// d3d9.h needs the Windows types declared first.
#include <d3d9.h>

#include <cstdint>
#include <deque>
#include <vector>

#include "game_records.h"
#include "game_renderer.h"
#include "host_game.h"

// Loads surface_shader.dll from the program's folder and executes the game's pipeline set-up call, which
// the plug-in redirects to itself; returns the render callback it installed (null if none). The texture
// files are read relative to the working directory, the game folder.
HostRenderCallback SetUpSurfacePlugin();

struct PreviewLighting {
  const char* name;
  float ambient[3];
  float directional[3];
};

struct PreviewObject {
  StandInMaterial material;
  StandInFrame frame;
  StandInObject object;
  std::vector<std::uint8_t> resourceEntry;
  PreviewLighting lighting;
  bool lit;  // the lighting render state the game has on while it renders the object
  D3DVIEWPORT9 cell;
};

class PreviewScene {
 public:
  static constexpr int Columns = 4;
  static constexpr int Rows = 3;

  // The renderer's target must hold Columns x Rows cells of `cellSize` pixels.
  PreviewScene(GameRenderer& renderer, HostRenderCallback callback, UINT cellSize);
  ~PreviewScene();
  PreviewScene(const PreviewScene&) = delete;
  PreviewScene& operator=(const PreviewScene&) = delete;

  // One frame of the game: camera, light and every object.
  void RenderFrame();

  // The parts of a frame, for drawing objects one at a time.
  void BeginFrame(D3DCOLOR background);
  void RenderObject(const PreviewObject& object);
  void EndFrame();

  const std::deque<PreviewObject>& Objects() const { return objects_; }
  // The material textures, as the game's records hold them.
  HostTexture* PaintTexture() const { return paint_; }
  HostTexture* RivetTexture() const { return rivets_; }

 private:
  struct Shape {
    IDirect3DVertexBuffer9* vertices;
    IDirect3DIndexBuffer9* indices;
    int vertexCount;
    int triangleCount;
  };

  GameRenderer& renderer_;
  HostRenderCallback callback_;
  std::vector<Shape> shapes_;
  std::deque<PreviewObject> objects_;
  StandInFrame cameraFrame_{};
  StandInCamera camera_{};
  HostTexture* paint_;
  HostTexture* rivets_;
};
