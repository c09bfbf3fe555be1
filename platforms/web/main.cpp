// The page's program: the browser's events go to the one Page, which lives as long as the page.

#include <emscripten/html5.h>

#include "platforms/web/page.h"

namespace {

using quellar::web::Page;
using quellar::web::PointerPosition;

constexpr const char* kCanvas = "#rain";

Page& ThePage(void* page) {
  return *static_cast<Page*>(page);
}

PointerPosition Where(const EmscriptenMouseEvent& event) {
  return {static_cast<std::int32_t>(event.clientX), static_cast<std::int32_t>(event.clientY)};
}

EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void* page) {
  return ThePage(page).KeyDown(event->code, event->repeat != 0);
}

EM_BOOL OnMouseDown(int, const EmscriptenMouseEvent* event, void* page) {
  ThePage(page).MouseDown(event->timestamp, Where(*event));
  return false;
}

EM_BOOL OnMouseMove(int, const EmscriptenMouseEvent* event, void* page) {
  ThePage(page).MouseMove(Where(*event));
  return false;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void* page) {
  ThePage(page).SizeChanged();
  return false;
}

EM_BOOL OnVisibilityChange(int, const EmscriptenVisibilityChangeEvent* event, void* page) {
  if (event->hidden) ThePage(page).Hidden();
  return false;
}

const char* OnBeforeUnload(int, const void*, void* page) {
  ThePage(page).Hidden();
  return nullptr;  // no question to the user
}

}  // namespace

int main() {
  // Lives on after main returns, as long as the page does.
  static Page page;
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, &page, false, OnKeyDown);
  emscripten_set_mousedown_callback(kCanvas, &page, false, OnMouseDown);
  emscripten_set_mousemove_callback(kCanvas, &page, false, OnMouseMove);
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, &page, false, OnResize);
  emscripten_set_visibilitychange_callback(&page, false, OnVisibilityChange);
  emscripten_set_beforeunload_callback(&page, OnBeforeUnload);
  return 0;
}
