#include "surface_model.h"

#include <cstring>
#include <utility>

#include "stack_words.h"

namespace {

std::vector<std::uint8_t> Floats(std::initializer_list<float> values) {
  std::vector<std::uint8_t> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}

HostCall Call(HostFunction function, std::vector<std::uint32_t> arguments,
              std::vector<std::uint8_t> data = {}) {
  return {function, std::move(arguments), std::move(data), {}};
}

// Registers of matrix `m`, rows `first` to `first + count - 1`.
std::vector<std::uint8_t> Rows(const D3DMATRIX& m, int first, int count) {
  std::vector<std::uint8_t> bytes;
  for (int row = first; row < first + count; ++row) {
    const std::vector<std::uint8_t> registerBytes =
        Floats({m.m[row][0], m.m[row][1], m.m[row][2], m.m[row][3]});
    bytes.insert(bytes.end(), registerBytes.begin(), registerBytes.end());
  }
  return bytes;
}

D3DMATRIX Transposed(const D3DMATRIX& m) {
  D3DMATRIX t;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) t.m[r][c] = m.m[c][r];
  }
  return t;
}

// The 8-bit channel scaled by the single-precision value nearest to 1/255.
float Channel(std::uint8_t value) {
  const std::uint32_t bits = 0x3B808081;
  float scale;
  std::memcpy(&scale, &bits, sizeof scale);
  const float product = static_cast<float>(value) * scale;
  return product;
}

}  // namespace

D3DMATRIX MatrixOf(const float (&elements)[16]) {
  D3DMATRIX matrix;
  std::memcpy(&matrix, elements, sizeof matrix);
  return matrix;
}

// Adjugate over determinant, in double precision: exact for matrices of small integers with determinant
// +-1, such as a turned and moved camera.
D3DMATRIX Inverse(const D3DMATRIX& matrix) {
  const auto minor = [&](int skipRow, int skipColumn) {
    double m[3][3];
    for (int r = 0, i = 0; r < 4; ++r) {
      if (r == skipRow) continue;
      for (int c = 0, j = 0; c < 4; ++c) {
        if (c == skipColumn) continue;
        m[i][j++] = matrix.m[r][c];
      }
      ++i;
    }
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  };
  double cofactor[4][4];
  double determinant = 0;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) cofactor[r][c] = ((r + c) % 2 ? -1.0 : 1.0) * minor(r, c);
  }
  for (int c = 0; c < 4; ++c) determinant += matrix.m[0][c] * cofactor[0][c];
  D3DMATRIX inverse;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) inverse.m[r][c] = static_cast<float>(cofactor[c][r] / determinant);
  }
  return inverse;
}

std::vector<HostCall> ExpectedTransformCalls(const D3DMATRIX* world, const GameScene& scene,
                                             const float lightDir[4]) {
  const D3DMATRIX viewInverseTransposed = Transposed(Inverse(scene.device.view));
  // Each register of the world constant is a column of the world matrix, ending in its translation.
  std::vector<std::uint8_t> worldColumns;
  for (int column = 0; column < 3; ++column) {
    const std::vector<std::uint8_t> registerBytes =
        Floats({world->m[0][column], world->m[1][column], world->m[2][column], world->m[3][column]});
    worldColumns.insert(worldColumns.end(), registerBytes.begin(), registerBytes.end());
  }
  return {
      Call(HostFunction::SetWorldMatrix, {Word(world)}, RecordBytes(*world)),
      Call(HostFunction::GetWorldViewProj, {0}),
      Call(HostFunction::GetWorldIT, {0}),
      Call(HostFunction::FrameGetWorldMatrix, {Word(scene.camera->frame)}),
      Call(HostFunction::GetTransform, {D3DTS_VIEW, 0}),
      Call(HostFunction::SetVertexShaderConstant, {0, 0, 4}, Rows(scene.device.worldViewProj, 0, 4)),
      Call(HostFunction::SetVertexShaderConstant, {4, 0, 3}, Rows(scene.device.worldIT, 0, 3)),
      Call(HostFunction::SetVertexShaderConstant, {7, 0, 3}, worldColumns),
      Call(HostFunction::SetVertexShaderConstant, {10, 0, 3}, Rows(viewInverseTransposed, 0, 3)),
      Call(HostFunction::SetVertexShaderConstant, {13, 0, 1},
           Floats({lightDir[0], lightDir[1], lightDir[2], lightDir[3]})),
  };
}

std::vector<HostCall> ExpectedCallbackCalls(const GameScene& scene, const RenderedObject& rendered,
                                            SurfaceModel& model) {
  const SetupHandles& handles = scene.handles;
  const StandInGeometry& geometry = *rendered.geometry;
  const bool lighting = scene.device.lighting != 0;
  const bool textured = (rendered.flags & 0x84) != 0;
  std::vector<HostCall> calls = {
      Call(HostFunction::SetTexture, {Word(handles.normalMap), 1}),
      Call(HostFunction::SetTexture, {Word(handles.cubeMap), 2}),
      Call(HostFunction::FrameGetWorldMatrix, {Word(rendered.object->frame)}),
  };
  const float lightDir[4] = {model.light.Direction.x, model.light.Direction.y, model.light.Direction.z,
                             model.light.Range};
  for (HostCall& call : ExpectedTransformCalls(&rendered.object->frame->world, scene, lightDir)) {
    calls.push_back(std::move(call));
  }
  calls.push_back(Call(HostFunction::SetVertexShader, {Word(handles.vertexShader)}));
  if (geometry.indexBuffer) calls.push_back(Call(HostFunction::SetIndices, {Word(geometry.indexBuffer)}));
  calls.push_back(
      Call(HostFunction::SetStreams, {Word(rendered.resourceEntry->data() + 0x28), geometry.useOffsets}));
  calls.push_back(Call(HostFunction::SetVertexDeclaration, {Word(handles.declaration)}));
  calls.push_back(Call(HostFunction::GetRenderState, {D3DRS_LIGHTING, 0}));
  calls.push_back(Call(HostFunction::GetLight, {0, 0}));

  // Light 0 as the device had it, with the game's colours and its light vector reversed.
  D3DLIGHT9 light = scene.device.light0;
  const GameLighting& globals = scene.lighting;
  light.Type = D3DLIGHT_DIRECTIONAL;
  light.Diffuse = {globals.directional[0], globals.directional[1], globals.directional[2], light.Diffuse.a};
  light.Specular = light.Diffuse;
  light.Ambient = {globals.ambient[0], globals.ambient[1], globals.ambient[2], light.Ambient.a};
  light.Direction = {-globals.lightVector[0], -globals.lightVector[1], -globals.lightVector[2]};
  model.light = light;
  calls.push_back(Call(HostFunction::SetLight, {0, 0}, RecordBytes(light)));

  for (const StandInMesh& mesh : geometry.meshes) {
    const StandInMaterial& material = *mesh.material;
    calls.push_back(Call(HostFunction::MaterialEffectType, {Word(&material)}));
    if (lighting) {
      model.material.Diffuse = {Channel(material.red), Channel(material.green), Channel(material.blue), 1.0f};
      model.material.Power = 90.0f;
      calls.push_back(Call(HostFunction::SetMaterial, {0}, RecordBytes(model.material)));
    }
    float refmul = 0.0f;
    if (textured) {
      calls.push_back(Call(HostFunction::SetTexture, {Word(material.texture), 0}));
      if (material.effectType == 3) {
        calls.push_back(Call(HostFunction::MaterialEffectTexture, {Word(&material)}));
        calls.push_back(Call(HostFunction::SetTexture, {Word(material.effectTexture), 1}));
      }
      if (material.effectType == 2 || material.effectType == 3) {
        calls.push_back(Call(HostFunction::MaterialEffectCoefficient, {Word(&material)}));
        refmul = material.effectCoefficient;
      }
    }
    const D3DCOLORVALUE& diffuse = model.light.Diffuse;
    const D3DCOLORVALUE& ambient = model.light.Ambient;
    const D3DCOLORVALUE& surface = model.material.Diffuse;
    const D3DCOLORVALUE& emissive = model.material.Emissive;
    calls.push_back(Call(HostFunction::SetPixelShaderConstant, {0, 0, 1}, RecordBytes(diffuse)));
    calls.push_back(Call(HostFunction::SetPixelShaderConstant, {1, 0, 1}, RecordBytes(ambient)));
    calls.push_back(Call(HostFunction::SetPixelShaderConstant, {2, 0, 1}, RecordBytes(surface)));
    calls.push_back(Call(HostFunction::SetPixelShaderConstant, {3, 0, 1}, RecordBytes(emissive)));
    // The program reads only x of c4 and c5; the plug-in sends zeros in y, z and w.
    calls.push_back(
        Call(HostFunction::SetPixelShaderConstant, {4, 0, 1}, Floats({model.material.Power, 0, 0, 0})));
    calls.push_back(Call(HostFunction::SetPixelShaderConstant, {5, 0, 1}, Floats({refmul, 0, 0, 0})));
    calls.push_back(Call(HostFunction::SetPixelShader, {Word(handles.pixelShader)}));
    const auto word = [](int value) { return static_cast<std::uint32_t>(value); };
    if (geometry.indexBuffer) {
      calls.push_back(Call(HostFunction::DrawIndexedPrimitive,
                           {word(geometry.primitiveType), word(mesh.baseVertex), 0, word(mesh.vertexCount),
                            word(mesh.startIndex), word(mesh.primitiveCount)}));
    } else {
      calls.push_back(Call(HostFunction::DrawPrimitive,
                           {word(geometry.primitiveType), word(mesh.baseVertex), word(mesh.vertexCount)}));
    }
  }

  calls.push_back(Call(HostFunction::SetPixelShader, {0}));
  calls.push_back(Call(HostFunction::SetTexture, {0, 1}));
  calls.push_back(Call(HostFunction::SetTextureStageState, {1, D3DTSS_COLOROP, D3DTOP_DISABLE}));
  calls.push_back(Call(HostFunction::SetTextureStageState, {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE}));
  calls.push_back(Call(HostFunction::SetTextureStageState, {1, D3DTSS_TEXTURETRANSFORMFLAGS, 0}));
  calls.push_back(Call(HostFunction::SetTextureStageState, {1, D3DTSS_TEXCOORDINDEX, 1}));
  if (!lighting && (rendered.flags & 0x40)) {
    calls.push_back(Call(HostFunction::SetTextureStageState, {2, D3DTSS_COLOROP, D3DTOP_DISABLE}));
    calls.push_back(Call(HostFunction::SetTextureStageState, {2, D3DTSS_ALPHAOP, D3DTOP_DISABLE}));
  }
  return calls;
}
