// The page's start: every control connected, then the engine started and its texts fetched.

function connect() {
    tables.connect();
    $('open-file').addEventListener('change', (event) => {
        const file = event.target.files[0];
        event.target.value = '';
        loadFile(file);
    });
    $('paste').addEventListener('click', paste);
    $('paste-apply').addEventListener('click', () => loadText($('paste-text').value));
    $('paste-close').addEventListener('click', () => {
        $('paste-panel').hidden = true;
        $('paste').focus();
    });
    for (const button of document.querySelectorAll('[data-only-block]')) {
        button.addEventListener('click', () => analyse(Number(button.dataset.onlyBlock)));
    }
    $('save-txt').addEventListener('click', () => save(false));
    $('save-html').addEventListener('click', () => save(true));
    $('cancel').addEventListener('click', cancel);
    $('message-ok').addEventListener('click', () => $('message').close());
    questions.connect();
    build.connect();
    $('played-switch').addEventListener('click',
        (event) => playOn(event.currentTarget.dataset.numbers));

    // Text pasted anywhere on the page (outside the text fields) loads like "Einfügen".
    document.addEventListener('paste', (event) => {
        if (event.target.closest && event.target.closest('textarea, input')) return;
        const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
        event.preventDefault();
        loadText(text);
    });

    // A file dropped anywhere on the page loads like "Öffnen..."; dragged text or links are
    // not taken.
    document.addEventListener('dragover', (event) => {
        event.preventDefault();
        const files = event.dataTransfer && [...event.dataTransfer.types].includes('Files');
        event.dataTransfer.dropEffect = files && !state.busy ? 'copy' : 'none';
        document.body.classList.toggle('dropping', Boolean(files));
    });
    document.addEventListener('dragleave', (event) => {
        if (!event.relatedTarget) document.body.classList.remove('dropping');
    });
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        document.body.classList.remove('dropping');
        const files = event.dataTransfer ? event.dataTransfer.files : [];
        if (files.length > 0) loadFile(files[0]);
    });
}

function startPage() {
    connect();
    try {
        state.engine = new Engine((share) => {
            $('progress').value = share;
        }, engineCannotStart);
    } catch (error) {
        engineCannotStart(error);
        return;
    }
    state.engine.call('messages').then((answer) => {
        texts.byName = answer.texts;
        state.maxFileBytes = answer.maxFileBytes;
        clearHits();
        setBusy(false);
    }, engineCannotStart);
}

startPage();
