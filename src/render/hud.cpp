#include "render/hud.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "base/math.h"
#include "render/overlay.h"
#include "render/texture_loader.h"

namespace {

constexpr int TextSize = 16;

// One textured quad in overlay space, the texture upright over it.
void PictureQuad(float left, float bottom, float right, float top) {
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(left, bottom);
  glTexCoord2f(0, 1), glVertex2f(left, top);
  glTexCoord2f(1, 1), glVertex2f(right, top);
  glTexCoord2f(1, 0), glVertex2f(right, bottom);
  glEnd();
}

void CentredQuad(const Settings& settings, float halfWidth, float halfHeight) {
  float x = OverlaySpaceWidth(settings) / 2, y = OverlayHeight / 2;
  PictureQuad(x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight);
}

// A quad from (0, 0) to (Width, Height) in pixel space: the picture rows.
void PictureRowsQuad(const Settings& settings) {
  float w = float(settings.Width), h = float(settings.Height);
  glBegin(GL_QUADS);
  glVertex2f(0, 0);
  glVertex2f(w, 0);
  glVertex2f(w, h);
  glVertex2f(0, h);
  glEnd();
}

// Each corner image covers 256 x 128 window pixels whatever the window size.
void DrawCorners(const Hud& hud, const Settings& settings) {
  float width = OverlaySpaceWidth(settings);
  float fw = 256.0f / float(settings.Width), fh = 128.0f / float(settings.Height);
  for (int p = 0; p < CornerCount; ++p) {
    glLoadIdentity();
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_ALWAYS, 0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, hud.corners[p]);
    glColor4f(1, 1, 1, 1);
    bool right = p == CornerBottomRight || p == CornerTopRight;
    bool top = p == CornerTopLeft || p == CornerTopRight;
    float x0 = right ? (1 - fw) * width : 0, y0 = top ? (1 - fh) * OverlayHeight : 0;
    PictureQuad(x0, y0, x0 + fw * width, y0 + fh * OverlayHeight);
  }
}

// The frame counter and the clock: white font digits over what is there.
void DrawWhiteDigits(const Hud& hud, const Settings& settings, int x, int y, const char* text) {
  BeginOverlay2D(settings);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, hud.font.texture);
  glColor4f(1, 1, 1, 1);
  glEnable(GL_BLEND);
  DrawDigits(hud.font, x, y, text);
  EndOverlay2D(settings);
}

// "hh:mm:ss"; in 12-hour mode hours 1..12 and the mark "<" (pm) or ";" (am).
void ClockText(const LocalTime& time, bool hrs12, char (&text)[TextSize]) {
  int hour = time.hour;
  bool pm = hour == 12;
  const char* mark = "";
  if (hrs12) {
    if (hour == 0) {
      hour = 12;
    } else if (hour > 12) {
      hour -= 12;
      pm = true;
    }
    mark = pm ? "<" : ";";
  }
  std::snprintf(text, sizeof text, "%02d:%02d:%02d%s", hour, time.minute, time.second, mark);
}

}  // namespace

std::vector<ImageStatus> LoadLoadingImages(Hud& hud, const RenderResources& render) {
  LoadTexture(render, hud.loadingPicture, "load.jpg", true, LoadingPictureResourceId);
  LoadTexture(render, hud.glowPicture, "loadg.jpg", true, LoadingGlowResourceId);
  struct CornerImage {
    Corner corner;
    const char* name;
    int id;
  };
  static constexpr CornerImage kCorners[] = {
      {CornerBottomRight, "4loader_rd.tga", CornerBottomRightResourceId},
      {CornerBottomLeft, "4loader_ld.tga", CornerBottomLeftResourceId},
      {CornerTopLeft, "4loader_lu.tga", CornerTopLeftResourceId},
      {CornerTopRight, "4loader_ru.tga", CornerTopRightResourceId},
  };
  std::vector<ImageStatus> failures;
  for (const CornerImage& image : kCorners) {
    ImageStatus status;
    hud.corners[image.corner] = LoadTgaTexture(render, image.name, true, image.id, status);
    if (status != ImageStatus::Ok) failures.push_back(status);
  }
  return failures;
}

void LoadingScreen(const Hud& hud, const Settings& settings, uint32_t /*step*/) {
  BeginOverlay2D(settings);
  glBindTexture(GL_TEXTURE_2D, hud.loadingPicture);
  glDisable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
  CentredQuad(settings, 128, 148);
  DrawCorners(hud, settings);
  glEnable(GL_BLEND);
  EndOverlay2D(settings);
}

void IntroTransition(Hud& hud, const Settings& settings, float delta) {
  hud.introTime += delta;
  // Below 1 while the intro runs; held there should a caller overrun it.
  float x = std::min(hud.introTime / IntroDuration, 1.0f);
  float glowEase = EaseInOut(x, 0, 0.2f);

  BeginOverlay2D(settings);
  glBindTexture(GL_TEXTURE_2D, hud.glowPicture);
  glColor4f(1, 1, 1, 1 - x);
  CentredQuad(settings, glowEase * 60 + 128, glowEase * 20 + 148);
  glBindTexture(GL_TEXTURE_2D, hud.loadingPicture);
  glColor4f(1 - x, 1 - x, 1 - x, 1 - x);
  CentredQuad(settings, EaseInOut(x, 0.2f, 0.2f) * 40 + 128, glowEase * 5 + 148);
  DrawCorners(hud, settings);
  EndOverlay2D(settings);

  BeginPixelOverlay(settings);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1, 1, 1, x);
  glDisable(GL_TEXTURE_2D);
  PictureRowsQuad(settings);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_TEXTURE_2D);
  EndPixelOverlay();
}

void FadeOverlay(const Settings& settings, double t, const FadeWindow (&fades)[FadeKindCount]) {
  BeginPixelOverlay(settings);
  glDisable(GL_TEXTURE_2D);
  for (int kind = 0; kind < FadeKindCount; ++kind) {
    const FadeWindow& window = fades[kind];
    if (!(window.start <= t && t <= window.end)) continue;
    float f = window.end > window.start ? float((t - window.start) / (window.end - window.start)) : 1.0f;
    bool white = kind == FadeOutToWhite || kind == FadeInFromWhite;
    bool fadingIn = kind == FadeInFromBlack || kind == FadeInFromWhite;
    float shade = white ? 1.0f : 0.0f;
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(shade, shade, shade, fadingIn ? 1 - f : f);
    PictureRowsQuad(settings);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  }
  EndPixelOverlay();
  glEnable(GL_TEXTURE_2D);
}

void DrawLetterbox(const Settings& settings) {
  if (settings.Height <= 0 || settings.ViewPortBottom <= 0) return;
  float width = OverlaySpaceWidth(settings), rowUnit = OverlayHeight / float(settings.Height);
  BeginOverlay2D(settings);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glLoadIdentity();
  glColor4f(0, 0, 0, 1);
  glBegin(GL_QUADS);
  for (auto [bottom, top] : {std::pair{0.0f, float(settings.ViewPortBottom) * rowUnit},
                             std::pair{float(settings.ViewPortTop) * rowUnit, OverlayHeight}}) {
    glVertex2f(0, bottom);
    glVertex2f(width, bottom);
    glVertex2f(width, top);
    glVertex2f(0, top);
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  EndOverlay2D(settings);
}

void DrawClock(const Hud& hud, const Settings& settings, const LocalTime& time) {
  char text[TextSize];
  ClockText(time, settings.Hrs12, text);
  // Anchored to the right edge, as on a 4:3 window.
  float left = OverlaySpaceWidth(settings) - OverlayReferenceWidth + (settings.Hrs12 ? 370 : 420);
  DrawWhiteDigits(hud, settings, int(std::lround(left)), 0, text);
}

void DrawFps(const Hud& hud, const Settings& settings, int value) {
  char text[TextSize];
  std::snprintf(text, sizeof text, "%d", value);
  DrawWhiteDigits(hud, settings, 0, 540, text);
}
