#include "transform_constants.h"

#include <d3dx9math.h>

#include "host_game.h"
#include "host_records.h"
#include "surface_state.h"

namespace {

constexpr int WorldViewProjRegister = 0;
constexpr int WorldViewProjRegisterCount = 4;
constexpr int WorldITRegister = 4;
constexpr int WorldRegister = 7;
constexpr int ViewInvRegister = 10;
// The three matrices above give the vertex shader their columns 0 to 2 only.
constexpr int ThreeColumnRegisterCount = 3;
constexpr int LightDirRegister = 13;

// Packs the world matrix by columns for the shader's row-vector transforms: register j holds column j,
// whose w is the translation. The world matrix's fourth column is not read.
void WorldColumns(const D3DMATRIX& world, float columns[3][4]) {
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 4; ++row) columns[column][row] = world.m[row][column];
  }
}

}  // namespace

void UploadTransformConstants(const D3DMATRIX* world) {
  HostCamera* camera = hostActiveCamera();

  hostSetWorldMatrix(world);
  D3DMATRIX worldViewProj;
  hostGetWorldViewProj(&worldViewProj);
  float worldColumns[3][4];
  WorldColumns(*world, worldColumns);
  D3DMATRIX worldIT;
  hostGetWorldIT(&worldIT);

  // The game is asked for the camera frame's world matrix before the view transform is read; the answer
  // is not needed, the view transform already carries the camera.
  hostFrameGetWorldMatrix(ReadHostField<HostFrame*>(camera, HostCameraFrameOffset));
  D3DXMATRIX view;
  hostGetTransform(D3DTS_VIEW, &view);
  D3DXMATRIX viewInverse;
  D3DXMatrixInverse(&viewInverse, nullptr, &view);
  D3DXMATRIX viewInverseTransposed;
  D3DXMatrixTranspose(&viewInverseTransposed, &viewInverse);

  const float lightDir[4] = {gSceneLight.Direction.x, gSceneLight.Direction.y, gSceneLight.Direction.z,
                             gSceneLight.Range};

  hostSetVertexShaderConstant(WorldViewProjRegister, &worldViewProj.m[0][0], WorldViewProjRegisterCount);
  hostSetVertexShaderConstant(WorldITRegister, &worldIT.m[0][0], ThreeColumnRegisterCount);
  hostSetVertexShaderConstant(WorldRegister, &worldColumns[0][0], ThreeColumnRegisterCount);
  hostSetVertexShaderConstant(ViewInvRegister, &viewInverseTransposed.m[0][0], ThreeColumnRegisterCount);
  hostSetVertexShaderConstant(LightDirRegister, lightDir, 1);
}
