// The page around the game: the download of the game and its data with its progress, what
// the Web backend asks of it (debug output, message boxes, the start-up plaque, glyphs, the
// frame's presentation), the keys the game acts on, the canvas's place in its box, what it
// tells the player (the end and its exit code, in the game's place), and new games: Play
// again, and a level of the player's own. Tests read window.cribblestorm.
"use strict";

const cribblestorm = {frames: 0, firstFrameMs: null, exitCode: null, debugText: "", plaques: [],
                      downloadBytes: null, games: 0};
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
    byId("screen").classList.add("playing");
    byId("status").textContent = cribblestorm.games === 1 ? `Playing (first frame after ${cribblestorm.firstFrameMs} ms).`
                                                          : "Playing.";
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

let isWebGLMissing = false;
function webglMissing() {
    isWebGLMissing = true;
    const notice = document.createElement("p");
    notice.textContent = "This browser gives the page no WebGL, which the game needs to draw. Turn on hardware " +
        "(graphics) acceleration in the browser's settings, or play in another browser.";
    byId("report").append(notice);
}

// What a player is told at the end, above the engine's report.
let isContextLost = false;
function contextLost() {
    isContextLost = true;
}

function plainSentence(code) {
    if (code === 0) return "Play again starts a new game.";
    if (isContextLost) return "The browser reset the game's graphics.";
    if (isWebGLMissing) return "This browser cannot draw the game.";
    return "The game stopped after an error it cannot go on from; its report is below.";
}

function say(id, text) {
    byId(id).textContent = text;
    byId(id).hidden = false;
}

// The keys the game acts on (Escape, F11, the key left of 1) do only that while the game has
// the keys; every other key keeps what the browser does with it.
const GAME_KEYS = new Set(["Escape", "F11", "Backquote"]);
function keepGameKeys(event) {
    if (GAME_KEYS.has(event.code) && !event.ctrlKey && !event.metaKey && !event.altKey) event.preventDefault();
}

// The box's size comes from the style sheet; the canvas takes whole device pixels per canvas
// pixel, as many as the box holds, so the picture is sharp at any pixel ratio, unless they
// would leave more than a tenth of the box empty: then it fills the box, smoothed.
const LEAST_FILLED = 0.9;
function fitScreen() {
    const screen = byId("screen");
    const canvas = byId("canvas");
    const box = screen.getBoundingClientRect();
    if (box.width === 0) return;  // hidden at the end
    const ratio = window.devicePixelRatio || 1;
    const fitting = Math.min(box.width / canvas.width, box.height / canvas.height);
    const sharp = Math.floor(fitting * ratio + 1e-6) / ratio;  // a box of 1023.9999 pixels holds 1024
    const isSharp = sharp > 0 && (sharp / fitting) ** 2 >= LEAST_FILLED;
    const scale = isSharp ? sharp : fitting;
    screen.classList.toggle("smooth", !isSharp);
    for (const layer of [canvas, byId("plaque")]) {
        layer.style.width = `${canvas.width * scale}px`;
        layer.style.height = `${canvas.height * scale}px`;
        layer.style.left = `${(box.width - canvas.width * scale) / 2}px`;
        layer.style.top = `${(box.height - canvas.height * scale) / 2}px`;
    }
}
window.addEventListener("resize", fitScreen);
document.addEventListener("fullscreenchange", fitScreen);
fitScreen();

const fullScreen = byId("fullscreen");
fullScreen.hidden = !document.fullscreenEnabled;
fullScreen.addEventListener("click", () => byId("screen").requestFullscreen().then(() => byId("canvas").focus(),
                                                                                   () => {}));

// The game's files, with versioned names from index.html: its runtime (cribblestorm.js), its
// code (cribblestorm.wasm), and its data (data.data.gz, the files one after another, which a
// host may have sent compressed for the browser to unpack, and data.json, where each lies).
// Each byte fetched is counted; a failure or a download that stalls ends in a plain message.
const ASSETS = JSON.parse(byId("assets").textContent);
const STALL_SECONDS = 10;
const kilobytes = bytes => `${Math.round(bytes / 1024)} KB`;

class DownloadFailure extends Error {}

function failure(name, response) {
    if (response.status === 404 || response.status === 410) {
        return new DownloadFailure(`The site has no ${name} (${response.status} ${response.statusText}), a file the ` +
            "game needs. Reloading will not help: the game's files must be put on the site again.");
    }
    return new DownloadFailure(`The site could not send ${name} (${response.status} ${response.statusText}). ` +
        "Reload the page to try again; if that fails too, try again later.");
}

class Downloads {
    constructor() {
        this.loaded = 0;
        this.total = 0;
        this.aborter = new AbortController();
        this.stalled = null;
        this.waiting = new Set();
    }

    async fetch(name, type) {
        this.waiting.add(name);
        let response;
        try {
            response = await fetch(name, {signal: this.aborter.signal});
        } catch (error) {
            throw this._networkFailure(name);
        }
        if (!response.ok) throw failure(name, response);
        this.total += Number(response.headers.get("Content-Length")) || 0;
        const reader = response.body.getReader();
        const chunks = [];
        try {
            for (let chunk = await reader.read(); !chunk.done; chunk = await reader.read()) {
                chunks.push(chunk.value);
                this.loaded += chunk.value.length;
                this._show();
            }
        } catch (error) {
            throw this._networkFailure(name);
        }
        this.waiting.delete(name);
        return new Blob(chunks, {type});
    }

    _networkFailure(name) {
        return new DownloadFailure(this.stalled || `The connection broke while ${name} was downloading. ` +
                                                   "Reload the page to try again.");
    }

    // Calls off every download once nothing has arrived for a while.
    watch() {
        let lastLoaded = 0;
        let lastArrival = performance.now();
        const timer = setInterval(() => {
            if (this.loaded !== lastLoaded || this.waiting.size === 0) {
                lastLoaded = this.loaded;
                lastArrival = performance.now();
            } else if (performance.now() - lastArrival >= STALL_SECONDS * 1000) {
                this.stalled = `The download stopped: nothing of ${[...this.waiting].join(", ")} arrived for ` +
                    `${STALL_SECONDS} seconds. Reload the page to try again.`;
                this.aborter.abort();
            }
        }, 1000);
        return () => clearInterval(timer);
    }

    // Ends the downloads that are left, after one has failed: its message stays.
    stop() {
        this.isStopped = true;
        this.aborter.abort();
    }

    _show() {
        if (this.isStopped) return;
        const total = Math.max(this.total, this.loaded);
        byId("progress").max = total;
        byId("progress").value = this.loaded;
        byId("downloaded").textContent = `Downloading the game: ${kilobytes(this.loaded)} of ${kilobytes(total)}`;
    }
}

// Gzip's magic number: a package the browser has not unpacked already.
async function unpacked(blob) {
    const magic = new Uint8Array(await blob.slice(0, 2).arrayBuffer());
    if (magic[0] !== 0x1f || magic[1] !== 0x8b) return blob.arrayBuffer();
    try {
        return await new Response(blob.stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
    } catch (error) {
        throw new DownloadFailure(`${ASSETS.data} arrived damaged. Reload the page to try again.`);
    }
}

function runScript(blob) {
    return new Promise((resolve, reject) => {
        const script = document.createElement("script");
        script.src = URL.createObjectURL(blob);
        script.onload = script.onerror = () => {
            if (typeof createCribblestorm === "function") resolve();
            else reject(new DownloadFailure(`${ASSETS.script} arrived but did not run as the game's script. ` +
                                            "Reload the page to try again."));
        };
        document.body.append(script);
    });
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

async function downloadGame() {
    const downloads = new Downloads();
    const stopWatching = downloads.watch();
    try {
        const warmedUp = warmUpGraphics();
        const [script, wasm, data, listing] = await Promise.all([
            downloads.fetch(ASSETS.script, "text/javascript"), downloads.fetch(ASSETS.wasm),
            downloads.fetch(ASSETS.data), downloads.fetch(ASSETS.listing)]);
        cribblestorm.downloadBytes = downloads.loaded;
        byId("downloaded").textContent = `Starting (${kilobytes(downloads.loaded)} downloaded)\u2026`;
        byId("progress").removeAttribute("value");
        let code;
        try {
            code = await WebAssembly.compile(await wasm.arrayBuffer());
        } catch (error) {
            throw new DownloadFailure(`${ASSETS.wasm} arrived damaged. Reload the page to try again.`);
        }
        const game = {code, data: await unpacked(data), files: JSON.parse(await listing.text())};
        await runScript(script);
        await warmedUp;
        return game;
    } catch (error) {
        downloads.stop();
        throw error;
    } finally {
        stopWatching();
    }
}

// One game: a new instance of the runtime on a new canvas, with the data's files (and a
// level of the player's own as Level02) in its file system.
let downloaded = null;
let current = null;     // the game that runs, or null
let nextLevel = null;   // the level the next game plays: null for the site's own
let isStartPending = false;

function instance(options) {
    return createCribblestorm(Object.assign({
        instantiateWasm(imports, receive) {
            WebAssembly.instantiate(downloaded.code, imports).then(made => receive(made, downloaded.code));
            return {};
        },
        debugOutput, messageBox, drawPlaque, framePresented, renderGlyph, showWindow, webglMissing, contextLost,
        // The runtime's own words are not the game's debug output.
        print: text => console.info(text),
        printErr: text => console.warn(text),
    }, options));
}

function freshCanvas() {
    const old = byId("canvas");
    const canvas = old.cloneNode(false);
    old.replaceWith(canvas);
    canvas.addEventListener("keydown", keepGameKeys);
    return canvas;
}

function writeFiles(fileSystem, level) {
    const put = (path, bytes) => {
        const folder = path.substring(0, path.lastIndexOf("/"));
        if (folder) fileSystem.createPath("/", folder, true, true);
        fileSystem.writeFile(path, bytes);
    };
    for (const file of downloaded.files) put(file.path, new Uint8Array(downloaded.data, file.start, file.end - file.start));
    if (!level) return;
    put("levels/Level02_image.tga", level.picture);
    put("levels/Level02_data.tga", level.data);
}

async function startGame() {
    isStartPending = false;
    cribblestorm.frames = 0;
    cribblestorm.firstFrameMs = null;
    cribblestorm.exitCode = null;
    cribblestorm.games += 1;
    isWebGLMissing = false;
    isContextLost = false;
    for (const id of ["sentence", "again"]) byId(id).hidden = true;
    byId("report").replaceChildren();
    byId("keys").hidden = false;
    byId("fullscreen").hidden = !document.fullscreenEnabled;
    byId("screen").classList.remove("playing");
    byId("status").textContent = "Starting\u2026";
    const canvas = freshCanvas();
    showWindow(true);
    fitScreen();
    const game = {};
    try {
        game.module = await instance({canvas, noInitialRun: true, onExit: code => ended(game, code)});
    } catch (error) {
        byId("status").textContent = `The game could not start (${error.message || error}). Reload the page to try again.`;
        return;
    }
    writeFiles(game.module.FS, nextLevel);
    current = game;
    game.module.callMain([]);
}

function ended(game, code) {
    if (game !== current) return;
    current = null;
    if (isStartPending) {
        startGame();
        return;
    }
    cribblestorm.exitCode = code;
    byId("loading").hidden = true;
    byId("keys").hidden = true;
    byId("fullscreen").hidden = true;
    byId("screen").classList.remove("playing");
    byId("status").textContent = code === 0 ? "The game has ended (exit code 0)."
                                            : `The game ended after a fatal error (exit code ${code}).`;
    say("sentence", plainSentence(code));
    byId("again").hidden = false;
}

// A new game once the one that runs has shut down whole, as after Escape.
function newGame() {
    if (!downloaded || isStartPending) return;
    isStartPending = true;
    if (current) current.module._QuitGame();
    else startGame();
}
byId("again").addEventListener("click", newGame);

// A level of the player's own: its two files, checked by the game's code before a game plays
// them in place of Level02, as cribblestorm-level play does.
let checker = null;

function refusal(file, bytes, isDataImage) {
    const module = checker;
    const address = module._malloc(Math.max(1, bytes.length));
    module.HEAPU8.set(bytes, address);
    const text = module.ccall("CheckLevelFile", "string", ["string", "number", "number", "number"],
                              [file.name, address, bytes.length, isDataImage ? 1 : 0]);
    module._free(address);
    return text;
}

async function playOwnLevel(fileList) {
    const files = [...fileList];
    const picture = files.find(file => /_image\.tga$/i.test(file.name));
    const data = files.find(file => /_data\.tga$/i.test(file.name));
    if (files.length !== 2 || !picture || !data) {
        say("levelMessage", "Choose the level's two files together: NAME_image.tga (the picture) and " +
                            "NAME_data.tga (the data image).");
        return;
    }
    say("levelMessage", "Reading the level\u2026");
    const level = {picture: new Uint8Array(await picture.arrayBuffer()), data: new Uint8Array(await data.arrayBuffer())};
    if (!(await downloads)) {
        say("levelMessage", "The game did not download, so it cannot play the level.");
        return;
    }
    checker = checker || await instance({canvas: document.createElement("canvas"), noInitialRun: true});
    const refused = refusal(picture, level.picture, false) || refusal(data, level.data, true);
    if (refused) {
        say("levelMessage", refused);
        return;
    }
    say("levelMessage", `Playing ${picture.name.replace(/_image\.tga$/i, "")}.`);
    nextLevel = level;
    newGame();
}

byId("levelFiles").addEventListener("change", event => playOwnLevel(event.target.files));
document.addEventListener("dragover", event => {
    event.preventDefault();
    byId("level").classList.add("dropping");
});
document.addEventListener("dragleave", () => byId("level").classList.remove("dropping"));
document.addEventListener("drop", event => {
    event.preventDefault();
    byId("level").classList.remove("dropping");
    playOwnLevel(event.dataTransfer.files);
});

// The downloads start once the page's first paint is on the screen (or after a second, in a
// tab that is not painted): its text is there at once, and the downloads do not compete with
// what that paint needs.
const FIRST_PAINT_WAIT_MS = 1000;
const painted = new Promise(resolve => {
    setTimeout(resolve, FIRST_PAINT_WAIT_MS);
    if (!PerformanceObserver.supportedEntryTypes.includes("paint")) return;
    new PerformanceObserver((list, observer) => {
        if (!list.getEntriesByName("first-contentful-paint").length) return;
        observer.disconnect();
        resolve();
    }).observe({type: "paint", buffered: true});
});
const downloads = painted.then(downloadGame).then(game => {
    downloaded = game;
    startGame();
    return true;
}, error => {
    const text = error instanceof DownloadFailure ? error.message : `The game could not start (${error.message}). ` +
                                                                    "Reload the page to try again.";
    byId("downloaded").textContent = text;
    byId("status").textContent = text;
    byId("progress").hidden = true;
    return false;
});
