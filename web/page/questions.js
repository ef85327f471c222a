// The questions after the hit table. Each section shows the very text lorvex-report writes for
// it, or the German reason why the typed numbers will not do, beside the field that holds them.

const questions = {
    mappedText: '',
    mappedFrom: '',  // the own numbers as typed for mappedText

    showAnswer(id, text) {
        const result = $(id);
        result.textContent = text;
        result.hidden = text === '';
    },

    showProblem(field, problemId, problem) {
        $(problemId).textContent = problem;
        if (problem) $(field).setAttribute('aria-invalid', 'true');
        else $(field).removeAttribute('aria-invalid');
    },

    clearMapped() {
        this.showAnswer('map-result', '');
        $('map-note').textContent = '';
        $('map-actions').hidden = true;
        this.mappedText = '';
    },

    drawsCsv: null,  // the bytes of the CSV

    clearDraws() {
        this.showAnswer('draws-result', '');
        $('draws-note').textContent = '';
        $('draws-chart').replaceChildren();
        $('draws-actions').hidden = true;
        this.drawsCsv = null;
    },

    clearChecked() {
        this.showAnswer('check-result', '');
        $('check-note').textContent = '';
    },

    // The own numbers and the draw answer together: a wrong entry in either leaves neither
    // answer on screen.
    clearNumberAnswers() {
        this.clearMapped();
        this.clearChecked();
    },

    // A new system makes every earlier answer stale; its number balance is shown at once.
    async systemLoaded() {
        $('player-questions').hidden = false;
        for (const id of ['coverage-result', 'odds-result']) this.showAnswer(id, '');
        this.clearNumberAnswers();
        this.clearDraws();
        this.showProblem('own-numbers', 'map-problem', '');
        this.showProblem('draw-numbers', 'check-problem', '');
        const answer = await state.engine.call('frequency');
        this.showAnswer('frequency-result', answer.text);
        charts.showBalance(answer.rowsHolding, answer.numbers);
    },

    // Timed like "Komplett" (tests/web/measure_web.py): "lorvex-coverage", "lorvex-odds".
    async long(command, resultId, runningText, doneText) {
        if (state.busy) return;
        performance.clearMarks(`lorvex-${command}-start`);
        performance.clearMeasures(`lorvex-${command}`);
        performance.mark(`lorvex-${command}-start`);
        this.showAnswer(resultId, '');
        const answer = await runLong(command, {}, runningText,
            texts.say('calculationCancelled'));
        if (!answer) return;
        this.showAnswer(resultId, answer.problem === undefined ? answer.text : answer.problem);
        setStatus(doneText);
        await afterPaint();
        performance.measure(`lorvex-${command}`, `lorvex-${command}-start`);
    },

    // The problems beside their fields; true when there was one.
    showProblems(answer) {
        const about = answer.problem === undefined ? '' : answer.about;
        this.showProblem('own-numbers', 'map-problem', about === 'own' ? answer.problem : '');
        this.showProblem('draw-numbers', 'check-problem', about === 'draw' ? answer.problem : '');
        if (about !== '') $(about === 'own' ? 'own-numbers' : 'draw-numbers').focus();
        return about !== '';
    },

    async map() {
        const own = $('own-numbers').value;
        const answer = await runQuick('map', {own});
        if (!answer) return;
        this.clearNumberAnswers();
        if (this.showProblems(answer)) return;
        this.mappedText = answer.text;
        this.mappedFrom = own;
        this.showAnswer('map-result', this.mappedText);
        $('map-actions').hidden = false;
        const rows = this.mappedText.split('\n').length - 1;
        $('map-note').textContent =
            rows === 1 ? texts.say('mappedRow') : texts.say('mappedRows', rows);
    },

    // On the own numbers when that field holds any, else on the system.
    async check() {
        const own = $('own-numbers').value.trim() === '' ? '' : $('own-numbers').value;
        const answer = await runQuick('check', {own, draw: $('draw-numbers').value});
        if (!answer) return;
        if (this.showProblems(answer)) {
            this.clearNumberAnswers();
            return;
        }
        // The mapped system stays while it is the one the draw was checked on.
        if ($('own-numbers').value !== this.mappedFrom) this.clearMapped();
        this.showAnswer('check-result', answer.text);
        $('check-note').textContent = texts.say(own ? 'checkedMapped' : 'checkedSystem');
    },

    // The list of draws (the chosen file's bytes, or the text typed or pasted) against the
    // system as loaded, with the ticket's Superzahl.
    async checkDraws(bytes, fileName) {
        const answer = await runQuick('pastDraws', {bytes, superzahl: $('draws-superzahl').value.trim()});
        if (!answer) return;
        this.clearDraws();
        const field = answer.about === 'superzahl' ? 'draws-superzahl' : 'draws-text';
        this.showProblem('draws-superzahl', 'draws-problem', '');
        this.showProblem('draws-text', 'draws-problem', '');
        if (answer.problem !== undefined) {
            this.showProblem(field, 'draws-problem', [answer.problem, answer.notice].filter(
                (part) => part).join(' '));
            $(field).focus();
            return;
        }
        this.drawsCsv = answer.csv;
        this.showAnswer('draws-result', answer.text);
        $('draws-actions').hidden = false;
        // The CSV's lines after its header, one per draw; the nine class counts last.
        const rows = new TextDecoder().decode(answer.csv).split('\r\n').slice(1).filter((line) => line !== '');
        const wins = rows.map((line) => line.split(';').slice(-9).reduce(
            (sum, count) => sum + Number(count), 0));
        const lines = answer.text.split('\n').slice(2, 2 + rows.length);
        const chartNote = charts.showDrawWins(wins, lines);
        $('draws-note').textContent = [fileName ? texts.say('drawsFile', fileName) : '',
            answer.notice ? `${answer.notice}.` : '', chartNote].filter((part) => part).join(' ');
        setStatus(texts.say('drawsChecked', rows.length));
    },

    saveDraws() {
        if (this.drawsCsv === null) return;
        download(this.drawsCsv, 'Ziehungen.csv', 'text/csv;charset=utf-8');
        setStatus(texts.say('drawsDownload'));
    },

    loadMapped() {
        if (this.mappedText === '' || state.busy) return;
        markLoadStart();
        load('file', new TextEncoder().encode(this.mappedText));
    },

    saveMapped() {
        if (this.mappedText === '') return;
        download(new TextEncoder().encode(this.mappedText), 'eigene_Zahlen.txt',
            'text/plain;charset=utf-8');
        setStatus(texts.say('mappedDownload'));
    },

    connect() {
        $('coverage-run').addEventListener('click', () => this.long('coverage',
            'coverage-result', texts.say('coverageRunning'), texts.say('coverageDone')));
        $('odds-run').addEventListener('click', () => this.long('odds', 'odds-result',
            texts.say('oddsRunning'), texts.say('oddsDone')));
        // The forms only catch Enter and the buttons; nothing is ever sent anywhere.
        $('map-form').addEventListener('submit', (event) => {
            event.preventDefault();
            this.map();
        });
        $('check-form').addEventListener('submit', (event) => {
            event.preventDefault();
            this.check();
        });
        $('draws-form').addEventListener('submit', (event) => {
            event.preventDefault();
            this.checkDraws(new TextEncoder().encode($('draws-text').value), '');
        });
        $('draws-file').addEventListener('change', async (event) => {
            const file = event.target.files[0];
            event.target.value = '';
            if (!file) return;
            if (file.size > state.maxFileBytes) {
                this.clearDraws();
                this.showProblem('draws-text', 'draws-problem', texts.say('tooLarge'));
                return;
            }
            let buffer;
            try {
                buffer = await file.arrayBuffer();
            } catch (error) {
                this.showProblem('draws-text', 'draws-problem', texts.say('readFailed'));
                return;
            }
            this.checkDraws(new Uint8Array(buffer), file.name);
        });
        $('draws-save').addEventListener('click', () => this.saveDraws());
        $('map-load').addEventListener('click', () => this.loadMapped());
        $('map-save').addEventListener('click', () => this.saveMapped());
    },
};
