#include "preview_scene.h"

#include <d3dx9.h>

#include <cstring>

#include "game_device.h"
#include "host_records.h"
#include "scene_meshes.h"
#include "scene_textures.h"
#include "stand_in_host.h"

namespace {

// The argument the game passes at its pipeline set-up call; the plug-in hands it back unread.
constexpr std::uint32_t PipelineArgument = 0;

// The geometry flag the game sets for textured meshes.
constexpr std::uint32_t TexturedGeometry = 0x04;

enum ShapeIndex { SphereShape, TorusShape, BoxShape };

// One light direction for the whole frame, pointing towards the light: up, left and in front of the
// objects. The plug-in uploads the direction of the previous callback, so it must not change between
// objects.
constexpr float TowardsLight[3] = {-0.55f, 0.7f, -0.45f};

constexpr PreviewLighting KeyLight = {"key light", {0.16f, 0.17f, 0.2f}, {0.95f, 0.92f, 0.85f}};
constexpr PreviewLighting LowSun = {"low sun", {0.08f, 0.06f, 0.1f}, {1.0f, 0.55f, 0.3f}};

struct MaterialRow {
  std::uint8_t red, green, blue;
  int effectType;
  float effectCoefficient;
  bool rivets;  // the effect texture replaces the normal map
};
constexpr MaterialRow MaterialRows[PreviewScene::Rows] = {
    {200, 40, 30, 0, 0.0f, false},
    {40, 80, 170, 2, 0.55f, false},
    {215, 165, 60, 3, 0.35f, true},
};

struct CellColumn {
  ShapeIndex shape;
  PreviewLighting lighting;
  bool lit;
};
constexpr CellColumn CellColumns[PreviewScene::Columns] = {
    {SphereShape, KeyLight, true},
    {TorusShape, KeyLight, true},
    {BoxShape, KeyLight, false},
    {SphereShape, LowSun, true},
};

// Each shape turned to show its curvature and its texture's direction.
D3DMATRIX ShapeWorld(ShapeIndex shape) {
  D3DXMATRIX first, second;
  switch (shape) {
    case TorusShape:
      D3DXMatrixRotationX(&first, -1.0f);
      D3DXMatrixRotationY(&second, 0.3f);
      break;
    case BoxShape:
      D3DXMatrixRotationY(&first, 0.6f);
      D3DXMatrixRotationX(&second, 0.35f);
      break;
    default:
      D3DXMatrixRotationY(&first, 0.4f);
      D3DXMatrixIdentity(&second);
      break;
  }
  return first * second;
}

template <typename Buffer, typename Element>
void Fill(Buffer* buffer, const std::vector<Element>& elements) {
  void* data = nullptr;
  buffer->Lock(0, 0, &data, 0);
  std::memcpy(data, elements.data(), elements.size() * sizeof(Element));
  buffer->Unlock();
}

}  // namespace

HostRenderCallback SetUpSurfacePlugin() {
  if (!LoadPlugin("surface_shader.dll")) return nullptr;
  HostCallSite(HostPipelineSetupCallSite)(PipelineArgument, 0, 0, 0);
  return GameRenderCallback().callback;
}

PreviewScene::PreviewScene(GameRenderer& renderer, HostRenderCallback callback, UINT cellSize)
    : renderer_(renderer),
      callback_(callback),
      paint_(GameTextureOf(PaintedPanelImage())),
      rivets_(GameTextureOf(RivetNormalImage())) {
  IDirect3DDevice9* device = renderer.Device();
  for (const MeshData& mesh : {Sphere(1.0f), Torus(0.72f, 0.32f), RoundedBox(0.78f, 0.22f)}) {
    Shape shape{};
    device->CreateVertexBuffer(static_cast<UINT>(mesh.vertices.size() * sizeof(SurfaceVertex)), 0, 0,
                               D3DPOOL_MANAGED, &shape.vertices, nullptr);
    device->CreateIndexBuffer(static_cast<UINT>(mesh.indices.size() * sizeof(std::uint16_t)), 0,
                              D3DFMT_INDEX16, D3DPOOL_MANAGED, &shape.indices, nullptr);
    Fill(shape.vertices, mesh.vertices);
    Fill(shape.indices, mesh.indices);
    shape.vertexCount = static_cast<int>(mesh.vertices.size());
    shape.triangleCount = static_cast<int>(mesh.indices.size() / 3);
    shapes_.push_back(shape);
  }

  for (int row = 0; row < Rows; ++row) {
    for (int column = 0; column < Columns; ++column) {
      const MaterialRow& look = MaterialRows[row];
      const CellColumn& cell = CellColumns[column];
      const Shape& shape = shapes_[cell.shape];
      PreviewObject& object = objects_.emplace_back();
      object.material = {paint_,
                         look.red,
                         look.green,
                         look.blue,
                         255,
                         look.effectType,
                         look.rivets ? rivets_ : nullptr,
                         look.effectCoefficient};
      object.frame.world = ShapeWorld(cell.shape);
      object.object = {0, &object.frame};
      StandInGeometry geometry{shape.indices, D3DPT_TRIANGLELIST, 1, {}};
      geometry.meshes.push_back({&object.material, 0, shape.vertexCount, 0, shape.triangleCount});
      object.resourceEntry = BuildResourceEntry(geometry);
      const StandInVertexStream stream{shape.vertices, 0, sizeof(SurfaceVertex)};
      WriteHostField(object.resourceEntry.data(), HostResourceStreamsOffset, stream);
      object.lighting = cell.lighting;
      object.lit = cell.lit;
      object.cell = {static_cast<DWORD>(column) * cellSize,
                     static_cast<DWORD>(row) * cellSize,
                     cellSize,
                     cellSize,
                     0.0f,
                     1.0f};
    }
  }
}

PreviewScene::~PreviewScene() {
  for (const Shape& shape : shapes_) {
    shape.vertices->Release();
    shape.indices->Release();
  }
}

void PreviewScene::BeginFrame(D3DCOLOR background) {
  IDirect3DDevice9* device = renderer_.Device();
  const D3DXVECTOR3 eye(0.0f, 1.2f, -3.9f), target(0.0f, 0.12f, 0.0f), up(0.0f, 1.0f, 0.0f);
  D3DXMATRIX view, projection, cameraWorld;
  D3DXMatrixLookAtLH(&view, &eye, &target, &up);
  D3DXMatrixPerspectiveFovLH(&projection, 0.62f, 1.0f, 0.1f, 20.0f);
  D3DXMatrixInverse(&cameraWorld, nullptr, &view);
  device->SetTransform(D3DTS_VIEW, &view);
  device->SetTransform(D3DTS_PROJECTION, &projection);
  cameraFrame_.world = cameraWorld;
  camera_.frame = &cameraFrame_;
  SetActiveCamera(&camera_);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  D3DVIEWPORT9 whole{0, 0, renderer_.Width(), renderer_.Height(), 0.0f, 1.0f};
  device->SetViewport(&whole);
  device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, background, 1.0f, 0);
  device->BeginScene();
}

void PreviewScene::RenderObject(const PreviewObject& object) {
  IDirect3DDevice9* device = renderer_.Device();
  device->SetViewport(&object.cell);
  device->SetRenderState(D3DRS_LIGHTING, object.lit ? TRUE : FALSE);
  SetGameLighting(object.lighting.ambient, object.lighting.directional, TowardsLight);
  callback_(reinterpret_cast<HostResourceEntry*>(const_cast<std::uint8_t*>(object.resourceEntry.data())),
            reinterpret_cast<HostObject*>(const_cast<StandInObject*>(&object.object)), 0, TexturedGeometry);
}

void PreviewScene::EndFrame() {
  renderer_.Device()->EndScene();
}

void PreviewScene::RenderFrame() {
  BeginFrame(D3DCOLOR_XRGB(34, 37, 43));
  for (const PreviewObject& object : objects_) RenderObject(object);
  EndFrame();
}
