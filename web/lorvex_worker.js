// The engine's side of the page: loads and analyses off the page's thread, so that the page
// never freezes and an analysis can be cancelled by ending this worker. The inliner puts this
// script behind the engine's script (createLorvexEngine) into one blob.
//
// The first message is {command: 'init', wasm: ArrayBuffer}; every later one carries an id
// that its answer repeats. Progress messages ({progress: share}) and the news that the engine
// cannot start ({startFailed}) carry no id.
'use strict';

let engine = null;
let session = 0;
let ready = null;

const LOAD_OUTCOMES = ['loaded', 'norow', 'overflow'];

function withBytes(bytes, use) {
    const pointer = engine._malloc(Math.max(bytes.length, 1));
    engine.HEAPU8.set(bytes, pointer);
    try {
        return use(pointer, bytes.length);
    } finally {
        engine._free(pointer);
    }
}

function withText(text, use) {
    return withBytes(new TextEncoder().encode(text + '\0'), use);
}

function withTexts(texts, use) {
    const [first, ...rest] = texts;
    const bytes = new TextEncoder().encode(first);
    return withBytes(bytes, (pointer, size) => rest.length === 0 ? use(pointer, size) :
        withTexts(rest, (...more) => use(pointer, size, ...more)));
}

function outputText(pointer) {
    return engine.UTF8ToString(pointer, engine._lorvex_output_size(session));
}

// A question's answer, or the German reason why there is none: `problem` names what it is
// about (lorvex_web.cpp).
const PROBLEMS = ['', 'noanswer', 'own', 'draw'];

function answerText(status) {
    return {problem: PROBLEMS[status], text: outputText(engine._lorvex_output(session))};
}

function systemRows() {
    const count = engine._lorvex_row_count(session) * 6;
    const first = engine._lorvex_rows(session) / 4;
    return engine.HEAP32.slice(first, first + count);
}

const commands = {
    messages() {
        const texts = {};
        for (const line of outputText(engine._lorvex_messages(session)).split('\n')) {
            const tab = line.indexOf('\t');
            if (tab > 0) texts[line.slice(0, tab)] = line.slice(tab + 1);
        }
        return {texts};
    },
    load(message) {
        const load = message.source === 'file' ? engine._lorvex_load_file : engine._lorvex_load_text;
        const outcome = LOAD_OUTCOMES[withBytes(message.bytes, (p, n) => load(session, p, n))];
        if (outcome !== 'loaded') return {outcome};
        const rows = systemRows();
        return {
            outcome,
            rowCount: engine._lorvex_row_count(session),
            highestNumber: engine._lorvex_highest_number(session),
            rows,
            transfer: [rows.buffer],
        };
    },
    analyse(message) {
        withText(message.blocks, (pointer) => engine._lorvex_analyse(session, pointer));
        const hitRows = engine._lorvex_hit_row_count(session);
        if (hitRows === 0) return {hitTable: '', guarantees: ''};
        return {
            hitTable: outputText(engine._lorvex_hit_table_text(session)),
            guarantees: outputText(engine._lorvex_guarantee_text(session)),
        };
    },
    coverage() {
        return answerText(engine._lorvex_coverage(session));
    },
    odds() {
        return {problem: '', text: outputText(engine._lorvex_odds(session))};
    },
    frequency() {
        return {problem: '', text: outputText(engine._lorvex_frequency(session))};
    },
    map(message) {
        return answerText(withTexts([message.own],
            (own, ownSize) => engine._lorvex_mapped_system(session, own, ownSize)));
    },
    check(message) {
        return answerText(withTexts([message.own, message.draw],
            (own, ownSize, draw, drawSize) =>
                engine._lorvex_draw_check(session, own, ownSize, draw, drawSize)));
    },
    report(message) {
        const html = message.html ? 1 : 0;
        const pointer = engine._lorvex_report(session, html);
        const bytes = engine.HEAPU8.slice(pointer, pointer + engine._lorvex_output_size(session));
        const name = outputText(engine._lorvex_report_name(session, html));
        return {bytes, name, transfer: [bytes.buffer]};
    },
};

function start(wasm) {
    return createLorvexEngine({
        wasmBinary: wasm,
        onAnalysisProgress: (share) => postMessage({progress: share}),
    }).then((instance) => {
        engine = instance;
        session = engine._lorvex_session_create();
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
        const transfer = answer.transfer || [];
        delete answer.transfer;
        postMessage({id: message.id, ...answer}, transfer);
    }).catch((error) => postMessage({id: message.id, error: String(error)}));
};
