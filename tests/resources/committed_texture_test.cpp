// The shipped textures are generated and committed; they must be what the generator writes now, or
// someone changed the generator without running `make textures`.
#include <gtest/gtest.h>

#include "default_texture_files.h"
#include "shipped_resources.h"

namespace {

struct GeneratedFile {
  const char* fileName;
  std::vector<std::uint8_t> (*generate)();
};

TEST(CommittedTextures, EqualAFreshGeneration) {
  const GeneratedFile files[] = {{NormalMapFileName, NormalMapFile}, {CubeMapFileName, CubeMapFile}};
  for (const GeneratedFile& file : files) {
    SCOPED_TRACE(file.fileName);
    const std::vector<std::uint8_t> committed = ReadShippedFile(ShippedTexturePath(file.fileName));
    const std::vector<std::uint8_t> fresh = file.generate();
    ASSERT_EQ(committed.size(), fresh.size()) << "the committed textures are stale: run make textures";
    EXPECT_TRUE(committed == fresh) << "the committed textures are stale: run make textures";
  }
}

}  // namespace
