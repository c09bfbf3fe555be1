// One headless Debian chromium with one tab, told what to do a line at a time on standard input
// (a command and its words); it answers each with one line, "ok [RESULT]" or "error MESSAGE", so
// that a shell script can wait for every step. The page's own errors go to standard error. At
// "quit" or the end of its input it closes the browser, so that no chromium outlives it.
import puppeteer from 'puppeteer-core';
import { createInterface } from 'node:readline';
import { writeFile } from 'node:fs/promises';

const browser = await puppeteer.launch({
  executablePath: '/usr/lib/chromium/chromium',
  // Root gets no sandbox from chromium; the pages are our own, served on the loopback.
  args: ['--no-sandbox'],
});
const page = await browser.newPage();
page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
page.on('console', (line) => line.type() === 'error' && console.error(`page: ${line.text()}`));

// One CSS pixel is one canvas pixel, so the canvas is as big as the viewport.
const resize = (size) => {
  const [width, height] = size.split('x').map(Number);
  return page.setViewport({ width, height, deviceScaleFactor: 1 });
};
// The canvas as the page drew it, as a PNG: lossless, unlike a screenshot of the composited tab.
const canvasPng = async () =>
  Buffer.from((await page.$eval('#rain', (canvas) => canvas.toDataURL())).split(',')[1], 'base64');

// A command's result is printed when it is text or a number.
const commands = {
  open: async (url, size) => {
    await resize(size);
    return page.goto(url, { waitUntil: 'load' });
  },
  resize,
  key: (code) => page.keyboard.press(code),
  click: (x, y) => page.mouse.click(Number(x), Number(y)),
  dblclick: (x, y) => page.mouse.click(Number(x), Number(y), { count: 2 }),
  move: (x, y) => page.mouse.move(Number(x), Number(y)),
  reload: () => page.reload({ waitUntil: 'load' }),
  eval: async (...words) => JSON.stringify(await page.evaluate(words.join(' '))),
  shot: async (file) => writeFile(file, await canvasPng()),
  pid: () => browser.process().pid,
  // The page's own share of its main thread over SECONDS (scripts, wasm and the calls they make
  // into the page), in % of the time, as V8's sampling profiler sees it.
  profile: async (seconds) => {
    const session = await page.createCDPSession();
    await session.send('Profiler.enable');
    await session.send('Profiler.setSamplingInterval', { interval: 200 });
    await session.send('Profiler.start');
    await new Promise((resolve) => setTimeout(resolve, Number(seconds) * 1000));
    const { profile } = await session.send('Profiler.stop');
    const browserOwn = new Set(profile.nodes.filter((node) =>
      ['(idle)', '(program)', '(garbage collector)'].includes(node.callFrame.functionName))
      .map((node) => node.id));
    const ours = profile.samples.filter((id) => !browserOwn.has(id)).length;
    return ((100 * ours) / profile.samples.length).toFixed(2);
  },
};

for await (const line of createInterface({ input: process.stdin })) {
  const [name, ...words] = line.split(' ');
  if (name === 'quit') break;
  try {
    const result = await commands[name](...words);
    console.log(['string', 'number'].includes(typeof result) ? `ok ${result}` : 'ok');
  } catch (error) {
    console.log(`error ${line}: ${error.message.split('\n')[0]}`);
  }
}
await browser.close();
