// A browser driven for the Python browser tests: Debian's Chromium, headless, through
// playwright-core (the default), or Debian's Firefox ESR through puppeteer-core over WebDriver
// BiDi ("firefox": on the X display of $DISPLAY, with WebGL from Mesa; "firefox-without-webgl":
// headless, with WebGL turned off). One JSON command per line on standard input, one JSON
// answer per line on standard output.
//   {"open": url, "scale": ratio,      loads the page in a new tab (device pixel ratio 1 and a
//    "size": [width, height],           viewport of 1100 x 1000 unless given; held on its first frame
//    "hold": true, "mobile": true}      with its clock stopped if asked; a touch screen of a phone if
//                                       asked; ratio, size, hold and mobile in Chromium only); console
//                                       messages and page errors are kept from here on
//   {"wait": expression, "timeout": ms} until the page's expression is true
//   {"eval": expression}                the expression's value
//   {"key": name}                      a key pressed and released on the focused element
//   {"click": selector}                a left click in the middle of the element
//   {"wheel": [x, y, pixels]}          the mouse to (x, y) in the page, the wheel turned by pixels down
//   {"shot": path}                     the canvas as the page shows it, a PNG file in device pixels
//   {"page": path}                     the whole viewport, a PNG file
//   {"files": [path, ...]}             the files chosen in the page's file input (Chromium only)
//   {"console": true}                  the texts of the page's console.log messages so far
//   {"errors": true}                   the page's uncaught errors so far
import readline from "node:readline";
import { chromium } from "playwright-core";
import puppeteer from "puppeteer-core";

const VIEWPORT = {width: 1100, height: 1000};
const kind = process.argv[2] || "chromium";

// The start's long tasks (50 ms or more), as the page's longTasks, and the sum of its layout
// shifts, as layoutShift, where the browser tells them.
function watchLongTasks() {
    window.longTasks = [];
    window.layoutShift = 0;
    const types = PerformanceObserver.supportedEntryTypes;
    if (types.includes("longtask")) {
        new PerformanceObserver(list => {
            for (const task of list.getEntries()) window.longTasks.push(Math.round(task.duration));
        }).observe({type: "longtask", buffered: true});
    }
    if (types.includes("layout-shift")) {
        new PerformanceObserver(list => {
            for (const shift of list.getEntries()) window.layoutShift += shift.value;
        }).observe({type: "layout-shift", buffered: true});
    }
}

// The page's clock stopped (every frame of the game lasts the shortest time the engine allows)
// and no animation frame after the game's first: the engine waits for one for ever, with its
// first frame on the canvas.
function holdFirstFrame() {
    const stoppedAt = performance.now();
    performance.now = () => stoppedAt;
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = callback => request(time => {
        if (!(window.cribblestorm && window.cribblestorm.frames >= 1)) callback(time);
    });
}

// Chromium: a fresh context per page, at the pixel ratio asked for.
async function launchChromium() {
    const browser = await chromium.launch({
        executablePath: process.env.CRIBBLESTORM_CHROMIUM || "/usr/bin/chromium",
        args: ["--use-angle=swiftshader", "--enable-unsafe-swiftshader"],
    });
    let context = null;
    return {
        async newPage(scale, size, hold, mobile) {
            if (context) await context.close();
            const viewport = size ? {width: size[0], height: size[1]} : VIEWPORT;
            context = await browser.newContext({viewport, deviceScaleFactor: scale || 1, isMobile: !!mobile,
                                                hasTouch: !!mobile});
            const page = await context.newPage();
            await page.addInitScript(watchLongTasks);
            if (hold) await page.addInitScript(holdFirstFrame);
            return page;
        },
        wait: (page, expression, timeout) => page.waitForFunction(expression, null, {timeout, polling: 50}),
        wheel: (page, pixels) => page.mouse.wheel(0, pixels),
        shot: (page, path) => page.locator("#canvas").screenshot({path}),
        close: () => browser.close(),
    };
}

async function launchFirefox() {
    const hasWebGL = kind === "firefox";
    const browser = await puppeteer.launch({
        browser: "firefox", executablePath: process.env.CRIBBLESTORM_FIREFOX || "/usr/bin/firefox-esr",
        headless: !hasWebGL, defaultViewport: VIEWPORT,
        extraPrefsFirefox: hasWebGL ? {"webgl.force-enabled": true} : {"webgl.disabled": true},
    });
    let page = null;
    return {
        async newPage() {
            if (page) await page.close();
            page = await browser.newPage();
            await page.evaluateOnNewDocument(watchLongTasks);
            return page;
        },
        wait: (page, expression, timeout) => page.waitForFunction(expression, {timeout, polling: 50}),
        wheel: (page, pixels) => page.mouse.wheel({deltaY: pixels}),
        shot: async (page, path) => (await page.$("#canvas")).screenshot({path}),
        close: () => browser.close(),
    };
}

const driver = await (kind === "chromium" ? launchChromium() : launchFirefox());
let page = null;
let logTexts = [];
let pageErrors = [];

async function open(url, scale, size, hold, mobile) {
    page = await driver.newPage(scale, size, hold, mobile);
    logTexts = [];
    pageErrors = [];
    page.on("console", message => { if (message.type() === "log") logTexts.push(message.text()); });
    page.on("pageerror", error => pageErrors.push(String(error)));
    return (await page.goto(url)).status();
}

async function run(command) {
    if ("open" in command) return open(command.open, command.scale, command.size, command.hold, command.mobile);
    if ("wait" in command) return (await driver.wait(page, command.wait, command.timeout || 30000)).jsonValue();
    if ("eval" in command) return page.evaluate(command.eval);
    if ("key" in command) return page.keyboard.press(command.key);
    if ("click" in command) return page.click(command.click);
    if ("wheel" in command) {
        const [x, y, pixels] = command.wheel;
        await page.mouse.move(x, y);
        return driver.wheel(page, pixels);
    }
    if ("shot" in command) return driver.shot(page, command.shot);
    if ("page" in command) return void await page.screenshot({path: command.page});
    if ("files" in command) return page.setInputFiles("#levelFiles", command.files);
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
await driver.close();
