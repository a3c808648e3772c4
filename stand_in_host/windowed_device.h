// A Direct3D 9 device on a hidden window of its own: under Wine, its d3d9 on the X display the run
// provides. Shared by the stand-in game's rendering mode and the tests that draw on their own.
#pragma once

#include <d3d9.h>

struct WindowedDevice {
  HWND window = nullptr;
  IDirect3D9* direct3d = nullptr;
  IDirect3DDevice9* device = nullptr;
};

// A HAL device whose back buffer has the given size; all members stay null when any step fails.
WindowedDevice CreateWindowedDevice(const char* title, UINT width, UINT height);

// Releases what CreateWindowedDevice made, whatever it managed to make.
void ReleaseWindowedDevice(WindowedDevice& device);
