#include "windowed_device.h"

WindowedDevice CreateWindowedDevice(const char* title, UINT width, UINT height) {
  WindowedDevice made;
  made.window =
      CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, static_cast<int>(width),
                      static_cast<int>(height), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  made.direct3d = Direct3DCreate9(D3D_SDK_VERSION);
  if (made.window && made.direct3d) {
    D3DPRESENT_PARAMETERS presentation{};
    presentation.BackBufferWidth = width;
    presentation.BackBufferHeight = height;
    presentation.SwapEffect = D3DSWAPEFFECT_DISCARD;
    presentation.hDeviceWindow = made.window;
    presentation.Windowed = TRUE;
    if (SUCCEEDED(made.direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, made.window,
                                              D3DCREATE_HARDWARE_VERTEXPROCESSING, &presentation,
                                              &made.device))) {
      return made;
    }
    made.device = nullptr;
  }
  ReleaseWindowedDevice(made);
  return made;
}

void ReleaseWindowedDevice(WindowedDevice& device) {
  if (device.device) device.device->Release();
  if (device.direct3d) device.direct3d->Release();
  if (device.window) DestroyWindow(device.window);
  device = WindowedDevice{};
}
