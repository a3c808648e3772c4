// Small DDS files of the two kinds the surface plug-in loads, written the way Direct3D reads them.
#pragma once

#include <cstdint>
#include <string>

// A 4 x 4 A8R8G8B8 texture.
std::string Dds2DFile();

// A cube map of six 4 x 4 A8R8G8B8 faces.
std::string DdsCubeFile();
