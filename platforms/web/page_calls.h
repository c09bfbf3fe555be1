#pragma once
// What the program asks of the page it runs in (page_library.js): the canvas, the line that
// says a run has ended, the URL's parameters and what tests read of the run.

#include <cstdint>

extern "C" {

// Sizes the canvas to the page in device pixels and reports that size.
void quellar_canvas_fit(std::int32_t* width, std::int32_t* height);
// Puts `count` boxes (x, y, width, height each) of an RGBA frame of width x height pixels on the
// canvas, at the same places.
void quellar_canvas_put(const std::uint32_t* rgba, std::int32_t width, std::int32_t height,
                        const std::int32_t* boxes, std::int32_t count);
void quellar_canvas_cursor(bool hidden);
// Shows the line under the run with `text`, or hides it for null.
void quellar_page_line(const char* text);
// The URL parameter `name` as a whole number from 0 on, or -1 when it is missing or no such
// number.
double quellar_url_number(const char* name);
// The page's address without its file name, into `buffer` (NUL-terminated, cut to `size`).
void quellar_page_directory(char* buffer, std::int32_t size);
// What `window.quellar` tells a test of the page.
void quellar_page_publish(std::int32_t runs, double ticks, bool ended, const char* error,
                          double busyMilliseconds);
}
