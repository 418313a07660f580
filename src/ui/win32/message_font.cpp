#include "ui/win32/message_font.h"

#include "ui/win32/twips.h"

namespace sonorix {

namespace {

// Windows before 10 (1607) lack SystemParametersInfoForDpi; there the
// system's metrics, made for its own DPI, are scaled to the one asked for.
LOGFONTW MessageFontDescription(int dpi) {
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  static const auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi != nullptr &&
      forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    return metrics.lfMessageFont;
  }
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return metrics.lfMessageFont;
  }
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
  return font;
}

}  // namespace

Font MessageFont(int dpi) {
  const LOGFONTW font = MessageFontDescription(dpi);
  return Font(CreateFontIndirectW(&font));
}

Font HeadingFont(int dpi) {
  LOGFONTW font = MessageFontDescription(dpi);
  font.lfHeight = font.lfHeight * 3 / 2;
  font.lfWeight = FW_BOLD;
  return Font(CreateFontIndirectW(&font));
}

}  // namespace sonorix
