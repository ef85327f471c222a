// The engine's side of the page: loads and analyses off the page's thread, so that the page
// never freezes and an analysis can be cancelled by ending this worker. The inliner puts this
// script behind the engine's script (createLorvexEngine) into one blob.
//
// The first message is {command: 'init', wasm: ArrayBuffer}; every later one carries an id
// that its answer repeats. Progress messages ({progress: share}) and the news that the engine
// cannot start ({startFailed}) carry no id. Each answer is the value the engine's WebSession
// returns (web/lorvex_web.cpp), with named fields; its typed arrays are handed over, not copied.
'use strict';

let engine = null;
let session = null;
let ready = null;

const commands = {
    messages: () => engine.WebSession.messages(),
    load: (message) => message.source === 'file' ? session.loadFile(message.bytes) :
        session.loadText(message.bytes),
    analyse: (message) => session.analyse(message.onlyBlock),
    report: (message) => session.report(message.html),
    coverage: () => session.coverage(),
    odds: () => session.odds(),
    frequency: () => session.frequency(),
    map: (message) => session.mappedSystem(message.own),
    check: (message) => session.drawCheck(message.own, message.draw),
    pastDraws: (message) => session.pastDraws(message.bytes, message.superzahl),
    build: (message) => engine.WebSession.buildSystem(message.fields),
    prove: (message) => engine.WebSession.proveSystem(message.fields, message.text),
    plug: (message) => session.mendSystem(message.fields, true),
    trim: (message) => session.mendSystem(message.fields, false),
    playOn: (message) => session.playOn(message.numbers),
};

// The buffers of the typed arrays in `value`, at any depth.
function buffersOf(value, found = []) {
    if (ArrayBuffer.isView(value)) found.push(value.buffer);
    else if (value && typeof value === 'object') {
        for (const field of Object.values(value)) buffersOf(field, found);
    }
    return found;
}

function start(wasm) {
    return createLorvexEngine({
        wasmBinary: wasm,
        onAnalysisProgress: (share) => postMessage({progress: share}),
        onBuildImproved: (rows, text) => postMessage({improved: rows, text}),
    }).then((instance) => {
        engine = instance;
        session = new engine.WebSession();
    }, (error) => {
        postMessage({startFailed: String(error)});
        throw error;
    });
}

self.onmessage = (event) => {
    const message = event.data;
    if (message.command === 'init') {
        ready = start(message.wasm);
        return;
    }
    ready.then(() => {
        const answer = commands[message.command](message);
        postMessage({id: message.id, answer}, buffersOf(answer));
    }).catch((error) => postMessage({id: message.id, error: String(error)}));
};
