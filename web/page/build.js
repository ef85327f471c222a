// "System bauen": the fields go to the engine as typed, which reads them as lorvex-build reads
// its options and answers with the system text and summary lorvex-build writes, or with the
// German reason beside the field it is about.

const build = {
    built: null,  // the last built system: {text, summary, name}
    timer: 0,

    fieldIds: {
        numbers: 'build-numbers',
        keys: 'build-keys',
        rows: 'build-rows',
        seconds: 'build-seconds',
    },

    fields() {
        return {
            numbers: $('build-numbers').value,
            guarantee: Number($('build-guarantee').value),
            drawn: Number($('build-drawn').value),
            keys: $('build-keys').value,
            rowsAtMost: $('build-rows').value,
            seconds: $('build-seconds').value,
        };
    },

    // Nothing or the reason, beside its field; the field gets the focus.
    showProblem(problem, field) {
        $('build-problem').textContent = problem;
        for (const [name, id] of Object.entries(this.fieldIds)) {
            if (problem && name === field) $(id).setAttribute('aria-invalid', 'true');
            else $(id).removeAttribute('aria-invalid');
        }
        if (problem && this.fieldIds[field]) $(this.fieldIds[field]).focus();
    },

    // A reason from an earlier mend or build belongs to the system it was about.
    clearProblem() {
        this.showProblem('', '');
    },

    clear() {
        this.built = null;
        $('build-summary').textContent = '';
        questions.showAnswer('build-result', '');
        questions.showAnswer('build-wins', '');
        $('build-actions').hidden = true;
    },

    // The bar follows the time the search may take; it stops earlier when it reaches the
    // lower bound.
    startProgress(seconds) {
        const bar = $('build-progress');
        // Holds the line's room from the start, so that the rows so far appear in view.
        $('build-so-far').textContent = texts.say('buildRunning');
        $('build-progress-line').hidden = false;
        requestAnimationFrame(() => this.progressInView());
        $('build-cancel').disabled = false;
        if (!(seconds > 0)) {
            bar.removeAttribute('value');
            return;
        }
        const start = performance.now();
        bar.value = 0;
        this.timer = setInterval(() => {
            bar.value = Math.min((performance.now() - start) / (seconds * 1000), 1);
        }, 100);
    },

    // On a phone the button may stand at the bottom of the screen: the bar and the rows so far
    // come into view.
    progressInView() {
        $('build-progress-line').scrollIntoView({block: 'nearest'});
    },

    stopProgress() {
        clearInterval(this.timer);
        $('build-progress-line').hidden = true;
        $('build-cancel').disabled = true;
    },

    showBuilt(answer) {
        this.built = answer;
        $('build-summary').textContent = answer.summary;
        questions.showAnswer('build-result', answer.text);
        questions.showAnswer('build-wins', answer.winTable);
        $('build-actions').hidden = false;
    },

    // "Bauen", or "Lücken schließen" and "Kürzen" for the loaded system. Timed (tests/web):
    // "lorvex-build" from the click to the painted rows.
    async run(command = 'build') {
        if (state.busy) return;
        if (command !== 'build' && !state.hasSystem) {
            this.clear();
            setStatus(texts.say('noSystem'));
            return;
        }
        performance.clearMarks('lorvex-build-start');
        performance.clearMeasures('lorvex-build');
        performance.mark('lorvex-build-start');
        const fields = this.fields();
        this.clear();
        this.showProblem('', '');
        // The smallest system whose text the search has sent, not yet proven.
        let best = null;
        let bestRows = Infinity;
        let bestTextRows = Infinity;
        const improved = (rows, text) => {
            if (text !== '' && rows < bestTextRows) {
                if (best === null) this.progressInView();
                best = text;
                bestTextRows = rows;
            }
            if (rows >= bestRows) return;
            bestRows = rows;
            const soFar = texts.say('buildSoFar', texts.rows(rows));
            $('build-so-far').textContent = soFar;
            setStatus(soFar);
        };
        const engines = [state.engine, ...(command === 'build' ? state.engine.buildHelpers() : [])];
        for (const engine of engines) engine.onImproved = improved;
        this.startProgress(Number(fields.seconds));
        let answer;
        try {
            answer = await runLong(command, {fields}, texts.say(`${command}Running`),
                texts.say('buildCancelled'), false, () => this.onEveryEngine(engines, command, fields));
        } finally {
            this.stopProgress();
            for (const engine of engines) engine.onImproved = null;
        }
        // Cancelled: the best system so far, proven by the fresh worker, is kept.
        if (!answer && best !== null && command === 'build') {
            answer = await runQuick('prove', {fields, text: best});
            if (answer && answer.problem === undefined) {
                this.showBuilt(answer);
                setStatus(texts.say('buildKept', texts.rows(answer.rowCount)));
                return;
            }
        }
        if (!answer) return;
        if (answer.problem !== undefined) {
            setStatus('');
            this.showProblem(answer.problem, answer.field);
            return;
        }
        this.showBuilt(answer);
        setStatus(texts.say('built', texts.rows(answer.rowCount)));
        await afterPaint();
        performance.measure('lorvex-build', 'lorvex-build-start');
    },

    // The command on every engine, each from its own seed: the smallest system wins, among
    // equals the one of the lowest seed; a problem is the same on all of them.
    async onEveryEngine(engines, command, fields) {
        const answers = await Promise.all(engines.map(
            (engine, i) => engine.call(command, {fields: {...fields, seed: i + 1}})));
        const built = answers.filter((answer) => answer.problem === undefined);
        if (built.length === 0) return answers[0];
        return built.reduce((best, answer) => answer.rowCount < best.rowCount ? answer : best);
    },

    async load() {
        if (!this.built || state.busy) return;
        markLoadStart();
        await load('file', new TextEncoder().encode(this.built.text), this.built.played);
        $('rows-title').scrollIntoView({block: 'start'});
    },

    save() {
        if (!this.built) return;
        download(new TextEncoder().encode(this.built.text), this.built.name,
            'text/plain;charset=utf-8');
        setStatus(texts.say('buildDownload', this.built.name));
    },

    connect() {
        $('build-form').addEventListener('submit', (event) => {
            event.preventDefault();
            this.run();
        });
        // "wenn" never below the guarantee unless the player sets it so.
        $('build-guarantee').addEventListener('change', () => {
            const drawn = $('build-drawn');
            if (Number(drawn.value) < Number($('build-guarantee').value)) {
                drawn.value = $('build-guarantee').value;
            }
        });
        $('build-plug').addEventListener('click', () => this.run('plug'));
        $('build-trim').addEventListener('click', () => this.run('trim'));
        $('build-cancel').addEventListener('click', cancel);
        $('build-load').addEventListener('click', () => this.load());
        $('build-save').addEventListener('click', () => this.save());
    },
};
