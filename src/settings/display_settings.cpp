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
  int32_t sixteenByNine = int32_t(int64_t(settings.Width) * 9 / 16);
  if (settings.WideScreen && sixteenByNine <= settings.Height * 0.75) {
    // 4:3 and narrower displays keep their bands of an eighth each.
    settings.ViewPortBottom = int32_t(settings.Height * 0.125);
    settings.ViewPortTop = int32_t(settings.Height * 0.875);
    settings.ViewPortHeight = int32_t(settings.Height * 0.75);
  } else if (settings.WideScreen && sixteenByNine < settings.Height) {
    settings.ViewPortBottom = (settings.Height - sixteenByNine) / 2;
    settings.ViewPortTop = settings.ViewPortBottom + sixteenByNine;
    settings.ViewPortHeight = sixteenByNine;
  } else {
    settings.ViewPortBottom = 0;
    settings.ViewPortTop = settings.Height;
    settings.ViewPortHeight = settings.Height;
  }
  // The exact 0.9 (not its float) keeps 4:3 wide-screen at exactly 1.6.
  double scale = settings.WideScreen ? 0.9 : 1.0;
  aspect.AspectScale = float(scale);
  aspect.AspectRatio = settings.ViewPortHeight > 0
                           ? float(scale * settings.Width / settings.ViewPortHeight)
                           : ViewAspect{}.AspectRatio;
}
