// Debian's Chromium, headless, driven for the Python browser tests: one JSON command per
// line on standard input, one JSON answer per line on standard output.
//   {"open": url, "scale": ratio}       loads the page in a new tab (device pixel ratio 1 unless
//                                       given); console messages and page errors are kept from here on
//   {"wait": expression, "timeout": ms} until the page's expression is true
//   {"eval": expression}                the expression's value
//   {"key": name}                      a key pressed and released on the focused element
//   {"click": selector}                a left click in the middle of the element
//   {"wheel": [x, y, pixels]}          the mouse to (x, y) in the page, the wheel turned by pixels down
//   {"shot": path}                     the canvas as the page shows it, a PNG file in device pixels
//   {"console": true}                  the texts of the page's console.log messages so far
//   {"errors": true}                   the page's uncaught errors so far
import readline from "node:readline";
import { chromium } from "playwright-core";

const browser = await chromium.launch({
    executablePath: process.env.CRIBBLESTORM_CHROMIUM || "/usr/bin/chromium",
    args: ["--use-angle=swiftshader", "--enable-unsafe-swiftshader"],
});
let context = null;
let page = null;
let logTexts = [];
let pageErrors = [];

// The start's long tasks (50 ms or more), as the page's cribblestorm.longTasks.
function watchLongTasks() {
    window.longTasks = [];
    new PerformanceObserver(list => {
        for (const task of list.getEntries()) window.longTasks.push(Math.round(task.duration));
    }).observe({type: "longtask", buffered: true});
}

async function open(url, scale) {
    if (context) await context.close();
    context = await browser.newContext({viewport: {width: 1100, height: 1000}, deviceScaleFactor: scale || 1});
    page = await context.newPage();
    logTexts = [];
    pageErrors = [];
    page.on("console", message => { if (message.type() === "log") logTexts.push(message.text()); });
    page.on("pageerror", error => pageErrors.push(String(error)));
    await page.addInitScript(watchLongTasks);
    return (await page.goto(url)).status();
}

async function run(command) {
    if ("open" in command) return open(command.open, command.scale);
    if ("wait" in command) {
        return (await page.waitForFunction(command.wait, null, {timeout: command.timeout || 30000})).jsonValue();
    }
    if ("eval" in command) return page.evaluate(command.eval);
    if ("key" in command) return page.keyboard.press(command.key);
    if ("click" in command) return page.click(command.click);
    if ("wheel" in command) {
        const [x, y, pixels] = command.wheel;
        await page.mouse.move(x, y);
        return page.mouse.wheel(0, pixels);
    }
    if ("shot" in command) return page.locator("#canvas").screenshot({path: command.shot});
    if ("console" in command) return logTexts;
    if ("errors" in command) return pageErrors;
    throw new Error("unknown command " + JSON.stringify(command));
}

for await (const line of readline.createInterface({input: process.stdin})) {
    try {
        process.stdout.write(JSON.stringify({value: (await run(JSON.parse(line))) ?? null}) + "\n");
    } catch (error) {
        process.stdout.write(JSON.stringify({error: String(error)}) + "\n");
    }
}
await browser.close();
