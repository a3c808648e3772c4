#include "game_textures.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <set>

#include "host_call_trace.h"
#include "stack_words.h"

namespace {

struct StandInStream {
  std::FILE* file;
};

// The game owns what it hands out until the process ends, as it does with records a plug-in keeps.
std::mutex gRecordsMutex;
std::set<StandInStream*> gOpenStreams;
std::vector<std::unique_ptr<StandInRaster>> gRasters;
std::vector<std::unique_ptr<StandInTexture>> gTextures;

std::uint32_t OpenStream(const HostCall& call) {
  std::FILE* file = std::fopen(call.text.c_str(), "rb");
  if (!file) return 0;
  auto* stream = new StandInStream{file};
  std::lock_guard<std::mutex> lock(gRecordsMutex);
  gOpenStreams.insert(stream);
  return Word(stream);
}

std::uint32_t CloseStream(const HostCall& call) {
  auto* stream = AsPointer<StandInStream*>(call.arguments[0]);
  std::lock_guard<std::mutex> lock(gRecordsMutex);
  if (gOpenStreams.erase(stream) == 0) return 0;
  std::fclose(stream->file);
  delete stream;
  return 0;
}

std::vector<std::uint8_t> ReadRest(std::FILE* file) {
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[4096];
  std::size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    bytes.insert(bytes.end(), chunk, chunk + count);
  return bytes;
}

// 0 for anything d3dx9 does not recognise as an image file, an empty file included.
std::uint32_t ReadRaster(const HostCall& call) {
  auto* stream = AsPointer<StandInStream*>(call.arguments[0]);
  if (!stream) return 0;
  auto raster = std::make_unique<StandInRaster>();
  raster->file = ReadRest(stream->file);
  if (raster->file.empty()) return 0;
  if (FAILED(D3DXGetImageInfoFromFileInMemory(raster->file.data(), static_cast<UINT>(raster->file.size()),
                                              &raster->info))) {
    return 0;
  }
  std::lock_guard<std::mutex> lock(gRecordsMutex);
  gRasters.push_back(std::move(raster));
  return Word(gRasters.back().get());
}

std::uint32_t CreateTexture(const HostCall& call) {
  const auto* raster = AsPointer<const StandInRaster*>(call.arguments[0]);
  if (!raster) return 0;
  auto texture = std::make_unique<StandInTexture>();
  texture->raster = raster;
  std::lock_guard<std::mutex> lock(gRecordsMutex);
  gTextures.push_back(std::move(texture));
  return Word(gTextures.back().get());
}

}  // namespace

void InstallGameTextureBehaviours() {
  SetHostBehaviour(HostFunction::StreamOpen, OpenStream);
  SetHostBehaviour(HostFunction::StreamClose, CloseStream);
  SetHostBehaviour(HostFunction::ReadRasterFromStream, ReadRaster);
  SetHostBehaviour(HostFunction::TextureCreate, CreateTexture);
}

int OpenGameStreamCount() {
  std::lock_guard<std::mutex> lock(gRecordsMutex);
  return static_cast<int>(gOpenStreams.size());
}
