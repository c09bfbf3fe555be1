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
