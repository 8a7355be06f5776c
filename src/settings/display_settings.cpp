#include "settings/display_settings.h"

#include "settings/settings_rules.h"

void ApplyDesktopMode(Settings& settings, const DisplayMode* desktop) {
  if (!desktop) return;
  if (settings.UseDesktop || !IsUsableDisplaySize(settings.Width, settings.Height)) {
    settings.Width = desktop->width;
    settings.Height = desktop->height;
  }
  if (settings.UseDesktop || !IsUsableDepth(settings.Depth)) settings.Depth = desktop->bitsPerPixel;
}

void ApplyViewport(Settings& settings, ViewAspect& aspect) {
  // The exact 0.9 (not its float) keeps 4:3 wide-screen at exactly 1.6.
  double scale;
  if (settings.WideScreen) {
    settings.ViewPortBottom = int32_t(settings.Height * 0.125);
    settings.ViewPortTop = int32_t(settings.Height * 0.875);
    settings.ViewPortHeight = int32_t(settings.Height * 0.75);
    scale = 0.9;
  } else {
    settings.ViewPortBottom = 0;
    settings.ViewPortTop = settings.Height;
    settings.ViewPortHeight = settings.Height;
    scale = 1.0;
  }
  aspect.AspectScale = float(scale);
  aspect.AspectRatio = settings.ViewPortHeight > 0
                           ? float(scale * settings.Width / settings.ViewPortHeight)
                           : ViewAspect{}.AspectRatio;
}
