// The commands: load, analyse, save, cancel, and the page's busy state and messages.

// What the page holds besides what it shows.
const state = {
    engine: null,
    source: null,  // what the loaded system was read from, to restart a worker with it
    played: '',    // the numbers it is played on ("3 7 11 ..." or "used"); '': as loaded
    hasSystem: false,
    hitRows: 0,
    busy: false,
    focusBeforeBusy: null,
    engineBroken: false,
    maxFileBytes: Infinity,
};

function setStatus(text) {
    $('status').textContent = text;
}

// A disabled button loses the focus; keyboard users get it back where they were.
function setBusy(busy, analysing = false) {
    if (busy) state.focusBeforeBusy = document.activeElement;
    busy = busy || state.engineBroken;
    state.busy = busy;
    document.body.dataset.state = busy ? 'busy' : 'idle';
    for (const element of document.querySelectorAll(
        '.toolbar button, #paste-panel button, #player-questions button, #build-form button, ' +
        '#build-actions button, #played-switch')) {
        element.disabled = busy;
    }
    $('open-file').disabled = busy;
    $('draws-file').disabled = busy;
    $('open-label').classList.toggle('disabled', busy);
    $('cancel').disabled = !analysing;
    document.body.setAttribute('aria-busy', busy ? 'true' : 'false');
    const back = state.focusBeforeBusy;
    if (!busy && back && back.isConnected && !back.disabled && !$('message').open &&
        (document.activeElement === document.body || document.activeElement === null)) {
        back.focus();
    }
}

function showMessage(title, text) {
    const dialog = $('message');
    $('message-title').textContent = title;
    $('message-text').textContent = text;
    const back = document.activeElement;
    dialog.onclose = () => {
        if (back && back.focus) back.focus();
    };
    if (!dialog.open) dialog.showModal();
    $('message-ok').focus();
}

function afterPaint() {
    return new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
}

function showHits(analysis) {
    state.hitRows = analysis.hitTable.rowCount;
    tables.showHits(analysis.hitTable);
    charts.showBlocks(analysis.hitTable, analysis.guarantees);
}

function clearHits() {
    showHits({hitTable: EMPTY_HIT_TABLE, guarantees: []});
}

function cannotOpen(name, reason) {
    showMessage(texts.say('openTitle'), `${texts.say('cannotOpen')}\n${name}\n${reason}`);
}

// `played`: the numbers the system is played on, as playOn takes them.
async function load(source, bytes, played = '') {
    setBusy(true);
    const copy = bytes.slice();
    try {
        let answer = await state.engine.call('load', {source, bytes}, [bytes.buffer]);
        if (answer.outcome === 'loaded' && played !== '') {
            answer = await state.engine.call('playOn', {numbers: played});
        }
        if (answer.outcome === 'overflow') {
            setStatus('');
            showMessage(texts.say('overflowTitle'), texts.say('overflow'));
            return;
        }
        if (answer.outcome === 'toolarge') {
            setStatus('');
            showMessage(texts.say('openTitle'), texts.say('tooLarge'));
            return;
        }
        if (answer.outcome !== 'loaded') {
            setStatus(texts.say('noRow'));
            return;
        }
        state.source = {source, bytes: copy};
        state.played = played;
        await showLoaded(answer);
        setStatus(texts.say('loaded', answer.rowCount, answer.highestNumber));
        await afterPaint();
        performance.measure('lorvex-load', 'lorvex-load-start');
    } catch (error) {
        engineFailed(error);
    } finally {
        setBusy(false);
    }
}

async function showLoaded(answer) {
    state.hasSystem = true;
    tables.showSystem(answer);
    clearHits();
    build.clearProblem();
    await questions.systemLoaded();
}

// The loaded system over other numbers: "used" for those in it, '' for 1 to its highest.
async function playOn(numbers) {
    if (state.busy || !state.hasSystem) return;
    setBusy(true);
    try {
        const answer = await state.engine.call('playOn', {numbers});
        if (answer.problem !== undefined) {
            setStatus(answer.problem);
            return;
        }
        state.played = numbers;
        await showLoaded(answer);
        setStatus(texts.say('loaded', answer.rowCount, answer.highestNumber));
    } catch (error) {
        engineFailed(error);
    } finally {
        setBusy(false);
    }
}

// `onlyBlock` 6, 5, 4 or 3, or 0 for "Komplett".
async function analyse(onlyBlock) {
    if (state.busy) return;
    if (!state.hasSystem) {
        setStatus(texts.say('noSystem'));
        return;
    }
    performance.clearMarks('lorvex-analyse-start');
    performance.clearMeasures('lorvex-analyse');
    performance.mark('lorvex-analyse-start');
    clearHits();
    const answer = await runLong('analyse', {onlyBlock}, texts.say('analysing'),
        texts.say('analysisCancelled'), true);
    if (!answer) return;
    showHits(answer);
    setStatus(state.hitRows ? texts.say('analysed', state.hitRows) :
        texts.say('analysedNothing'));
    await afterPaint();
    performance.measure('lorvex-analyse', 'lorvex-analyse-start');
}

// A command that may take as long as "Komplett": busy, cancellable, with the progress bar
// (running without figures where the engine sends none). Nothing when it did not end.
// `call` runs the command, on this page's engine unless told otherwise.
async function runLong(command, data, runningText, cancelledText, withShares = false,
    call = () => state.engine.call(command, data)) {
    setBusy(true, true);
    const progress = $('progress');
    if (withShares) progress.value = 0;
    else progress.removeAttribute('value');
    setStatus(runningText);
    try {
        const answer = await call();
        progress.value = 1;
        return answer;
    } catch (error) {
        progress.value = 0;
        if (error.cancelled) setStatus(cancelledText);
        else engineFailed(error);
        return null;
    } finally {
        setBusy(false);
    }
}

// A quick command: busy while it runs, nothing when it failed.
async function runQuick(command, data) {
    if (state.busy) return null;
    setBusy(true);
    try {
        return await state.engine.call(command, data);
    } catch (error) {
        engineFailed(error);
        return null;
    } finally {
        setBusy(false);
    }
}

function cancel() {
    state.engine.restart();
    // The fresh worker gets the same system again; the hit table stays empty, as after the
    // start of any analysis.
    if (state.source) {
        const bytes = state.source.bytes.slice();
        state.engine.call('load', {source: state.source.source, bytes}, [bytes.buffer])
            .then(() => state.played === '' ? null :
                state.engine.call('playOn', {numbers: state.played}))
            .catch((error) => {
                if (!error.cancelled) engineCannotStart(error);
            });
    }
}

function engineFailed(error) {
    if ((error && error.cancelled) || state.engineBroken) return;
    console.error(error);
    setStatus('');
    showMessage(texts.say('engineFailedTitle'), texts.say('engineFailed'));
    cancel();
}

// Without a working engine the page can do nothing; it says so once and stays disabled.
function engineCannotStart(error) {
    console.error(error);
    setBusy(true);
    state.engineBroken = true;
    setStatus('');
    showMessage(START_FAILED_TITLE, START_FAILED);
}

function download(bytes, name, type) {
    const url = URL.createObjectURL(new Blob([bytes], {type}));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
}

async function save(html) {
    if (state.busy) return;
    if (state.hitRows === 0) {
        showMessage(texts.say('saveTitle'), texts.say('nothingToSave'));
        return;
    }
    setBusy(true);
    try {
        const answer = await state.engine.call('report', {html});
        // The bytes go to the file as they are: ISO 8859-1 with CR LF, like the desktop's.
        download(answer.bytes, answer.name,
            html ? 'text/html;charset=iso-8859-1' : 'text/plain;charset=iso-8859-1');
        setStatus(texts.say('reportDownload', answer.name));
    } catch (error) {
        engineFailed(error);
    } finally {
        setBusy(false);
    }
}

// The desktop's clipboard hands over ISO 8859-1: every character above U+00FF becomes "?".
function latin1Bytes(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) {
        const code = text.charCodeAt(i);
        bytes[i] = code > 0xff ? 0x3f : code;
    }
    return bytes;
}

// How long a load takes, from the user's choice to the painted rows (tests/web/measure_web.py).
function markLoadStart() {
    performance.clearMarks();
    performance.clearMeasures();
    performance.mark('lorvex-load-start');
}

function loadText(text) {
    if (text === '' || state.busy) return;
    markLoadStart();
    load('text', latin1Bytes(text));
}

// A file over the size that lorvex-report refuses is refused unread, with its message.
async function loadFile(file) {
    if (!file || state.busy) return;
    if (file.size > state.maxFileBytes) {
        cannotOpen(file.name, texts.say('tooLarge'));
        return;
    }
    markLoadStart();
    let buffer;
    try {
        buffer = await file.arrayBuffer();
    } catch (error) {
        cannotOpen(file.name, texts.say('readFailed'));
        return;
    }
    await load('file', new Uint8Array(buffer));
}

function showPastePanel() {
    $('paste-panel').hidden = false;
    $('paste-text').focus();
}

async function paste() {
    if (state.busy) return;
    if (!navigator.clipboard || !navigator.clipboard.readText) {
        showPastePanel();
        return;
    }
    try {
        loadText(await navigator.clipboard.readText());
    } catch (error) {
        showPastePanel();
    }
}
