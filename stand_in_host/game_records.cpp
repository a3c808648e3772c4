#include "game_records.h"

#include <cstring>

std::vector<std::uint8_t> BuildResourceEntry(const StandInGeometry& geometry) {
  std::vector<std::uint8_t> entry(HostResourceFirstMeshOffset +
                                  geometry.meshes.size() * HostResourceMeshStride);
  void* record = entry.data();
  WriteHostField(record, HostResourceMeshCountOffset, static_cast<int>(geometry.meshes.size()));
  WriteHostField(record, HostResourceIndexBufferOffset, geometry.indexBuffer);
  WriteHostField(record, HostResourcePrimitiveTypeOffset, geometry.primitiveType);
  WriteHostField(record, HostResourceUseOffsetsOffset, geometry.useOffsets);
  for (std::size_t i = 0; i < geometry.meshes.size(); ++i) {
    void* mesh = entry.data() + HostResourceFirstMeshOffset + i * HostResourceMeshStride;
    const StandInMesh& fields = geometry.meshes[i];
    WriteHostField(mesh, HostMeshMaterialOffset, fields.material);
    WriteHostField(mesh, HostMeshBaseVertexOffset, fields.baseVertex);
    WriteHostField(mesh, HostMeshVertexCountOffset, fields.vertexCount);
    WriteHostField(mesh, HostMeshStartIndexOffset, fields.startIndex);
    WriteHostField(mesh, HostMeshPrimitiveCountOffset, fields.primitiveCount);
  }
  return entry;
}

void SetGameLighting(const float ambient[3], const float directional[3], const float lightVector[3]) {
  constexpr std::size_t ColourSize = 3 * sizeof(float);
  std::memcpy(reinterpret_cast<void*>(HostAmbientColourAddress), ambient, ColourSize);
  std::memcpy(reinterpret_cast<void*>(HostDirectionalColourAddress), directional, ColourSize);
  std::memcpy(reinterpret_cast<void*>(HostLightVectorAddress), lightVector, ColourSize);
}

void SetActiveCamera(StandInCamera* camera) {
  std::memcpy(reinterpret_cast<void*>(HostActiveCameraAddress), &camera, sizeof camera);
}
