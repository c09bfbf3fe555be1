// The page's side of the calls in page_calls.h.
mergeInto(LibraryManager.library, {
  $quellarCanvas: null,
  $quellarContext: null,
  $quellarImage: null,

  quellar_canvas_fit__deps: ['$quellarCanvas'],
  quellar_canvas_fit: function (widthOut, heightOut) {
    quellarCanvas = quellarCanvas || document.getElementById('rain');
    const scale = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(window.innerWidth * scale));
    const height = Math.max(1, Math.round(window.innerHeight * scale));
    // Setting a size blanks the canvas even when it is the same: only a new size is set.
    if (quellarCanvas.width !== width) quellarCanvas.width = width;
    if (quellarCanvas.height !== height) quellarCanvas.height = height;
    HEAP32[widthOut >> 2] = width;
    HEAP32[heightOut >> 2] = height;
  },

  // The image is a view of the frame in the program's memory, made again when the frame moves
  // or the memory grows (which detaches the old view).
  quellar_canvas_put__deps: ['$quellarCanvas', '$quellarContext', '$quellarImage'],
  quellar_canvas_put: function (rgba, width, height, boxes, count) {
    quellarContext = quellarContext || quellarCanvas.getContext('2d');
    if (!quellarImage || quellarImage.data.buffer !== HEAPU8.buffer ||
        quellarImage.data.byteOffset !== rgba || quellarImage.width !== width ||
        quellarImage.height !== height) {
      const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
      quellarImage = new ImageData(pixels, width, height);
    }
    for (let i = 0; i < count; ++i) {
      const box = (boxes >> 2) + 4 * i;
      quellarContext.putImageData(quellarImage, 0, 0, HEAP32[box], HEAP32[box + 1],
                                  HEAP32[box + 2], HEAP32[box + 3]);
    }
  },

  quellar_canvas_cursor__deps: ['$quellarCanvas'],
  quellar_canvas_cursor: function (hidden) {
    quellarCanvas.style.cursor = hidden ? 'none' : '';
  },

  quellar_page_line: function (text) {
    const line = document.getElementById('ended');
    line.hidden = !text;
    line.textContent = text ? UTF8ToString(text) : '';
  },

  quellar_url_number: function (name) {
    const text = new URLSearchParams(window.location.search).get(UTF8ToString(name));
    return text !== null && /^[0-9]{1,15}$/.test(text) ? Number(text) : -1;
  },

  quellar_page_directory: function (buffer, size) {
    const address = window.location.origin + window.location.pathname;
    stringToUTF8(address.substring(0, address.lastIndexOf('/')), buffer, size);
  },

  quellar_page_publish: function (runs, ticks, ended, error, busyMilliseconds) {
    const run = window.quellar || (window.quellar = {});
    run.runs = runs;
    run.ticks = ticks;
    run.ended = !!ended;
    run.error = error ? UTF8ToString(error) : null;
    run.busyMs = busyMilliseconds;
  },
});
