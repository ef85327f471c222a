// The bridge to the engine: web/lorvex_web.cpp in a Web Worker (web/lorvex_worker.js). Each call
// answers with the engine's value, fields by name.

function base64Bytes(text) {
    const binary = atob(text.trim());
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
}

// One worker at a time; cancelling ends it and starts a fresh one.
class Engine {
    constructor(onProgress, onStartFailed) {
        const source = $('engine-script').textContent + '\n' + $('worker-script').textContent;
        this.url = URL.createObjectURL(new Blob([source], {type: 'text/javascript'}));
        this.wasm = base64Bytes($('engine-wasm').textContent);
        this.onProgress = onProgress;
        this.onStartFailed = onStartFailed;
        this.onImproved = null;  // the rows and text of each smaller system a build reaches
        this.helpers = [];  // more engines, one per further core, for builds
        this.nextId = 1;
        this.pending = new Map();
        this.start();
    }

    start() {
        this.worker = new Worker(this.url);
        this.worker.onmessage = (event) => this.receive(event.data);
        this.worker.onerror = (event) => {
            event.preventDefault();
            this.failAll(new Error(event.message || 'worker'));
        };
        const wasm = this.wasm.slice().buffer;
        this.worker.postMessage({command: 'init', wasm}, [wasm]);
    }

    receive(message) {
        if (message.progress !== undefined) {
            this.onProgress(message.progress);
            return;
        }
        if (message.improved !== undefined) {
            if (this.onImproved) this.onImproved(message.improved, message.text);
            return;
        }
        if (message.startFailed !== undefined) {
            this.onStartFailed(message.startFailed);
            return;
        }
        const request = this.pending.get(message.id);
        if (!request) return;
        this.pending.delete(message.id);
        if (message.error) request.reject(new Error(message.error));
        else request.resolve(message.answer);
    }

    call(command, data = {}, transfer = []) {
        const id = this.nextId++;
        return new Promise((resolve, reject) => {
            this.pending.set(id, {resolve, reject});
            this.worker.postMessage({id, command, ...data}, transfer);
        });
    }

    failAll(error) {
        for (const request of this.pending.values()) request.reject(error);
        this.pending.clear();
    }

    // Engines for builds beside this one, so that a build runs on every core the computer
    // reports (four at most: each holds its own tables).
    buildHelpers() {
        const cores = Math.min(Math.max(navigator.hardwareConcurrency || 1, 1), 4);
        while (this.helpers.length < cores - 1) {
            this.helpers.push(new Engine(() => {}, () => {}));
        }
        return this.helpers;
    }

    restart() {
        for (const helper of this.helpers) helper.worker.terminate();
        this.helpers = [];
        this.worker.terminate();
        const cancelled = new Error('cancelled');
        cancelled.cancelled = true;
        this.failAll(cancelled);
        this.start();
    }
}
