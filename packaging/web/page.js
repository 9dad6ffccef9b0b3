// The page around the game: the download of the game and its data with its progress, what
// the Web backend asks of it (debug output, message boxes, the start-up plaque, glyphs, the
// frame's presentation), the keys the game acts on, the canvas's size on the page, and what
// it tells the player (the end and its exit code, in the game's place). Tests read window.cribblestorm.
"use strict";

const cribblestorm = {frames: 0, firstFrameMs: null, exitCode: null, debugText: "", plaques: [],
                      downloadBytes: null};
window.cribblestorm = cribblestorm;

const byId = id => document.getElementById(id);

// The size that makes ascent plus descent the cell height, per face and height.
const fontSizes = new Map();
function fontFor(context, face, cellHeight) {
    const family = `"${face}", sans-serif`;
    const key = `${family}/${cellHeight}`;
    if (!fontSizes.has(key)) {
        context.font = `100px ${family}`;
        const probe = context.measureText("Hg");
        fontSizes.set(key, 100 * cellHeight / (probe.fontBoundingBoxAscent + probe.fontBoundingBoxDescent));
    }
    return `${fontSizes.get(key)}px ${family}`;
}

const windows1252 = new TextDecoder("windows-1252");
let glyphCanvas = null;

// One byte's glyph at half coverage or more: its box, bearing, rows above the baseline,
// advance, and its bits bottom-up, whole bytes per row, high bit first.
function renderGlyph(face, cellHeight, byte) {
    glyphCanvas = glyphCanvas || document.createElement("canvas");
    const context = glyphCanvas.getContext("2d", {willReadFrequently: true});
    const character = windows1252.decode(new Uint8Array([byte]));
    context.font = fontFor(context, face, cellHeight);
    const advance = Math.round(context.measureText(character).width);
    const pad = cellHeight;
    const width = advance + 3 * pad;
    const height = 3 * pad;
    glyphCanvas.width = width;
    glyphCanvas.height = height;
    context.font = fontFor(context, face, cellHeight);
    context.fillStyle = "white";
    context.textBaseline = "alphabetic";
    const originX = pad;
    const baseline = 2 * pad;
    context.fillText(character, originX, baseline);
    const pixels = context.getImageData(0, 0, width, height).data;
    const isSet = (x, y) => pixels[(y * width + x) * 4 + 3] >= 128;
    let left = width, right = -1, top = height, bottom = -1;
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            if (!isSet(x, y)) continue;
            left = Math.min(left, x); right = Math.max(right, x);
            top = Math.min(top, y); bottom = Math.max(bottom, y);
        }
    }
    if (right < 0) return {width: 0, height: 0, left: 0, top: 0, advance, bits: new Uint8Array(0)};
    const glyphWidth = right - left + 1;
    const glyphHeight = bottom - top + 1;
    const rowBytes = Math.ceil(glyphWidth / 8);
    const bits = new Uint8Array(rowBytes * glyphHeight);
    for (let row = 0; row < glyphHeight; ++row) {
        for (let column = 0; column < glyphWidth; ++column) {
            if (isSet(left + column, bottom - row)) bits[row * rowBytes + (column >> 3)] |= 0x80 >> (column & 7);
        }
    }
    return {width: glyphWidth, height: glyphHeight, left: left - originX, top: baseline - top, advance, bits};
}

// The text on the plaque layer is kept for the tests once the browser has painted after this
// drawing: a message posted from the animation frame is taken after the paint.
let plaqueText = "";
function keepPaintedPlaque() {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => cribblestorm.plaques.push(plaqueText);
    channel.port2.postMessage(0);
}

function drawPlaque(plaque) {
    const layer = byId("plaque");
    layer.style.display = "";
    byId("loading").hidden = true;
    plaqueText = plaque.text;
    requestAnimationFrame(keepPaintedPlaque);
    const context = layer.getContext("2d");
    context.fillStyle = plaque.background;
    context.fillRect(plaque.left, plaque.top, plaque.width, plaque.height);
    context.font = fontFor(context, plaque.face, plaque.fontHeight);
    context.fillStyle = plaque.foreground;
    context.textBaseline = "top";
    context.fillText(plaque.text, plaque.x, plaque.y);
}

// The game's window: the canvas and the plaque layer over it. Hidden, it takes no room, and
// the end's report and status stand in its place.
function showWindow(isShown) {
    byId("screen").style.display = isShown ? "" : "none";
}

function framePresented() {
    cribblestorm.frames += 1;
    if (cribblestorm.frames !== 1) return;
    cribblestorm.firstFrameMs = Math.round(performance.now());
    byId("plaque").style.display = "none";
    byId("status").textContent = `Playing (first frame after ${cribblestorm.firstFrameMs} ms).`;
}

function debugOutput(text) {
    cribblestorm.debugText += text;
    console.log(text);
    byId("debug").append(text);  // a node of its own: no copy of the whole output per line
}

function messageBox(caption, text) {
    const box = document.createElement("section");
    const title = document.createElement("h2");
    title.textContent = caption;
    box.append(title, text);
    byId("report").append(box);
}

function webglMissing() {
    const notice = document.createElement("p");
    notice.textContent = "This browser gives the page no WebGL, which the game needs to draw. Turn on hardware " +
        "(graphics) acceleration in the browser's settings, or play in another browser.";
    byId("report").append(notice);
}

function ended(code) {
    cribblestorm.exitCode = code;
    byId("loading").hidden = true;
    byId("keys").hidden = true;
    byId("status").textContent = code === 0 ? "The game has ended (exit code 0). Reload the page to play again."
                                            : `The game ended after a fatal error (exit code ${code}).`;
}

// The keys the game acts on (Escape, F11, the key left of 1) do only that while the game has
// the keys; every other key keeps what the browser does with it.
const GAME_KEYS = new Set(["Escape", "F11", "Backquote"]);
byId("canvas").addEventListener("keydown", event => {
    if (GAME_KEYS.has(event.code) && !event.ctrlKey && !event.metaKey && !event.altKey) event.preventDefault();
});

// Whole device pixels per canvas pixel, as many as fit the window, so the picture is sharp at
// any pixel ratio; smaller than one only where even that does not fit, then smoothed.
function fitScreen() {
    const screen = byId("screen");
    const canvas = byId("canvas");
    const ratio = window.devicePixelRatio || 1;
    const roomWidth = document.documentElement.clientWidth - 16;
    const roomHeight = window.innerHeight - 16;
    const fits = scale => canvas.width * scale <= roomWidth && canvas.height * scale <= roomHeight;
    let devicePixels = Math.max(1, Math.floor(ratio));
    while (devicePixels > 1 && !fits(devicePixels / ratio)) --devicePixels;
    let scale = devicePixels / ratio;
    if (!fits(scale)) scale = Math.max(0.1, Math.min(roomWidth / canvas.width, roomHeight / canvas.height));
    screen.classList.toggle("smooth", scale < 1 / ratio);
    screen.style.width = `${canvas.width * scale}px`;
    screen.style.height = `${canvas.height * scale}px`;
}
window.addEventListener("resize", fitScreen);
fitScreen();

// The game (cribblestorm.wasm) and its data (data.data.gz, unpacked here, since not every
// host compresses what it serves) are downloaded with the progress shown, then handed to the
// runtime (cribblestorm.js) and the data's loader (data.js).
const DOWNLOADS = ["cribblestorm.wasm", "data.data.gz"];
const kilobytes = bytes => `${Math.round(bytes / 1024)} KB`;

async function download(name, progress) {
    const response = await fetch(name);
    if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
    progress.total += Number(response.headers.get("Content-Length")) || 0;
    const reader = response.body.getReader();
    const chunks = [];
    for (let chunk = await reader.read(); !chunk.done; chunk = await reader.read()) {
        chunks.push(chunk.value);
        progress.loaded += chunk.value.length;
        progress.show();
    }
    return new Blob(chunks);
}

function gunzip(blob) {
    return new Response(blob.stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
}

// The browser's first WebGL context starts its graphics, which can hold the page for half a
// second; a throw-away context in a worker starts them while the game downloads, off the
// page's thread. Where workers have no WebGL this is a no-op.
function warmUpGraphics() {
    const source = "let ok = false; try { ok = !!new OffscreenCanvas(1, 1).getContext('webgl'); } catch (e) {}" +
                   " postMessage(ok);";
    return new Promise(resolve => {
        const worker = new Worker(URL.createObjectURL(new Blob([source], {type: "text/javascript"})));
        worker.onmessage = worker.onerror = () => { worker.terminate(); resolve(); };
    }).catch(() => {});
}

function addScript(source) {
    const script = document.createElement("script");
    script.src = source;
    script.async = false;  // in the order added
    document.body.append(script);
}

async function start() {
    const progress = {loaded: 0, total: 0, show() {
        const total = Math.max(this.total, this.loaded);
        byId("progress").max = total;
        byId("progress").value = this.loaded;
        byId("downloaded").textContent = `Downloading the game: ${kilobytes(this.loaded)} of ${kilobytes(total)}`;
    }};
    try {
        const warmedUp = warmUpGraphics();
        const [wasm, data] = await Promise.all(DOWNLOADS.map(name => download(name, progress)));
        cribblestorm.downloadBytes = progress.loaded;
        byId("downloaded").textContent = `Starting (${kilobytes(progress.loaded)} downloaded)\u2026`;
        byId("progress").removeAttribute("value");
        Module.wasmBinary = await wasm.arrayBuffer();
        const unpacked = await gunzip(data);
        Module.getPreloadedPackage = () => unpacked;
        await warmedUp;
    } catch (error) {
        byId("downloaded").textContent = `The game could not be downloaded (${error.message}). Reload the page to try again.`;
        byId("progress").hidden = true;
        return;
    }
    addScript("data.js");
    addScript("cribblestorm.js");
}

var Module = {
    canvas: byId("canvas"),
    debugOutput, messageBox, drawPlaque, framePresented, renderGlyph, showWindow, webglMissing,
    onExit: ended,
    // The runtime's own words are not the game's debug output.
    print: text => console.info(text),
    printErr: text => console.warn(text),
};
start();
