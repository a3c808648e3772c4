// Byte offsets of the fields the surface plug-in reads or writes in the game's records. The game's own
// layouts are larger; only these fields are relied on, by the plug-in and by the stand-in that builds
// records for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Object and camera: each holds a pointer to its frame.
constexpr std::size_t HostObjectFrameOffset = 0x04;
constexpr std::size_t HostCameraFrameOffset = 0x04;

// Resource entry: the instanced geometry of an object, followed by its meshes.
constexpr std::size_t HostResourceMeshCountOffset = 0x1C;
constexpr std::size_t HostResourceIndexBufferOffset = 0x20;  // 0 when the geometry is not indexed
constexpr std::size_t HostResourcePrimitiveTypeOffset = 0x24;
constexpr std::size_t HostResourceStreamsOffset = 0x28;  // vertex stream descriptions, passed on as they are
constexpr std::size_t HostResourceUseOffsetsOffset = 0x48;
constexpr std::size_t HostResourceFirstMeshOffset = 0x60;
constexpr std::size_t HostResourceMeshStride = 36;

// Mesh, relative to the mesh's first field.
constexpr std::size_t HostMeshMaterialOffset = 0x00;
constexpr std::size_t HostMeshBaseVertexOffset = 0x0C;
constexpr std::size_t HostMeshVertexCountOffset = 0x10;
constexpr std::size_t HostMeshStartIndexOffset = 0x14;
constexpr std::size_t HostMeshPrimitiveCountOffset = 0x18;

// Material: its texture record, then 8-bit red, green and blue.
constexpr std::size_t HostMaterialTextureOffset = 0x00;
constexpr std::size_t HostMaterialRedOffset = 0x04;
constexpr std::size_t HostMaterialGreenOffset = 0x05;
constexpr std::size_t HostMaterialBlueOffset = 0x06;

// Texture: a 32-bit setting word the game defines for the texture.
constexpr std::size_t HostTextureSettingOffset = 0x50;

// Fields are read and written byte-wise: the game's records give no alignment guarantee to rely on.
template <typename Field>
Field ReadHostField(const void* record, std::size_t offset) {
  Field field;
  std::memcpy(&field, static_cast<const std::uint8_t*>(record) + offset, sizeof field);
  return field;
}

template <typename Field>
void WriteHostField(void* record, std::size_t offset, Field field) {
  std::memcpy(static_cast<std::uint8_t*>(record) + offset, &field, sizeof field);
}

// The address of a field whose contents the plug-in hands on without reading.
inline const void* HostFieldAddress(const void* record, std::size_t offset) {
  return static_cast<const std::uint8_t*>(record) + offset;
}
