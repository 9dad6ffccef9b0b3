// Debian's Chromium, headless, driven for the Python browser tests: one JSON command per
// line on standard input, one JSON answer per line on standard output.
//   {"open": url}                      loads the page; console messages are kept from here on
//   {"wait": expression, "timeout": ms} until the page's expression is true
//   {"eval": expression}                the expression's value
//   {"key": name}                      a key pressed and released on the focused element
//   {"shot": path}                     the canvas as the page shows it, a PNG file
//   {"console": true}                  the texts of the page's console.debug messages so far
import readline from "node:readline";
import { chromium } from "playwright-core";

const browser = await chromium.launch({
    executablePath: process.env.CRIBBLESTORM_CHROMIUM || "/usr/bin/chromium",
    args: ["--use-angle=swiftshader", "--enable-unsafe-swiftshader"],
});
const page = await browser.newPage({viewport: {width: 1100, height: 1000}});
const debugTexts = [];
page.on("console", message => { if (message.type() === "debug") debugTexts.push(message.text()); });

async function run(command) {
    if ("open" in command) return (await page.goto(command.open)).status();
    if ("wait" in command) {
        return (await page.waitForFunction(command.wait, null, {timeout: command.timeout || 30000})).jsonValue();
    }
    if ("eval" in command) return page.evaluate(command.eval);
    if ("key" in command) return page.keyboard.press(command.key);
    if ("shot" in command) return page.locator("#canvas").screenshot({path: command.shot});
    if ("console" in command) return debugTexts;
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
