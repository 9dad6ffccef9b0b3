// The start-up plaque is drawn on the page's plaque layer, a 2D canvas over the game's
// canvas, which the page takes away when the first frame is shown. Each plaque is on the
// screen before the work it names begins: the engine waits until the browser has painted it.
#include <emscripten.h>

#include "../Platform.h"
#include "WebState.h"

namespace {

EM_JS(void, DrawOnPlaqueLayer,
      (int left, int top, int right, int bottom, unsigned background, unsigned foreground, const char* text, int x,
       int y, int fontHeight, const char* face),
      {
          const colour = ref => "rgb(" + (ref & 255) + "," + ((ref >> 8) & 255) + "," + ((ref >> 16) & 255) + ")";
          Module.drawPlaque({left : left, top : top, width : right - left, height : bottom - top,
                             background : colour(background), foreground : colour(foreground),
                             text : UTF8ToString(text), x : x, y : y, fontHeight : fontHeight,
                             face : UTF8ToString(face)});
      });

}  // namespace

void Platform::DrawPlaque(DeviceContextHandle /*dc*/, const PlaqueDescription& plaque) {
    DrawOnPlaqueLayer(plaque.area.left, plaque.area.top, plaque.area.right, plaque.area.bottom, plaque.backgroundColor,
                      plaque.textColor, plaque.text, plaque.textX, plaque.textY, plaque.font.height,
                      plaque.font.faceName != nullptr ? plaque.font.faceName : "");
    WaitUntilPainted();
}
