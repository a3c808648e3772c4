#include "cell_captions.h"

#include <d3dx9.h>

#include <string>

void DrawCellCaptions(IDirect3DDevice9* device, const PreviewScene& scene, UINT cellSize) {
  ID3DXFont* font = nullptr;
  const auto height = static_cast<INT>(cellSize / 18);
  if (FAILED(D3DXCreateFontA(device, height, 0, FW_SEMIBOLD, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "DejaVu Sans", &font))) {
    return;
  }
  const auto margin = static_cast<LONG>(cellSize / 40);
  // The font draws in target coordinates, so the whole target is the viewport.
  D3DSURFACE_DESC target{};
  IDirect3DSurface9* surface = nullptr;
  device->GetRenderTarget(0, &surface);
  surface->GetDesc(&target);
  surface->Release();
  const D3DVIEWPORT9 whole{0, 0, target.Width, target.Height, 0.0f, 1.0f};
  device->SetViewport(&whole);
  device->BeginScene();
  for (const PreviewObject& object : scene.Objects()) {
    const D3DVIEWPORT9& cell = object.cell;
    RECT area{static_cast<LONG>(cell.X) + margin, static_cast<LONG>(cell.Y) + margin,
              static_cast<LONG>(cell.X + cell.Width) - margin,
              static_cast<LONG>(cell.Y + cell.Height) - margin};
    const std::string caption = "effect " + std::to_string(object.material.effectType) + ", " +
                                (object.lit ? "lit" : "unlit") + ", " + object.lighting.name;
    font->DrawTextA(nullptr, caption.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP,
                    D3DCOLOR_XRGB(200, 204, 212));
  }
  device->EndScene();
  font->Release();
}
