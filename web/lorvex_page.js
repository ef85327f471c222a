// The page: buttons, tables, charts and messages over the engine in a Web Worker. Nothing here
// reads or counts a system itself: loading, analysing and the report files are the engine's.
'use strict';

(() => {
    const $ = (id) => document.getElementById(id);

    // The page's own texts; those the desktop program shows too (overflowTitle, overflow,
    // saveTitle, nothingToSave, openTitle, cannotOpen) come from the engine's catalogue.
    const TEXT = {
        noRow: 'Keine gültige Systemreihe gefunden (je Zeile sechs Zahlen von 1 bis 49); ' +
            'das geladene System bleibt.',
        engineFailedTitle: 'Lorvex',
        engineFailed: 'Die Rechnung konnte nicht beendet werden (zu wenig Speicher im Browser?). ' +
            'Das geladene System bleibt; bitte erneut versuchen.',
        startFailed: 'Die Rechenmaschine der Seite konnte nicht starten. Bitte einen aktuellen ' +
            'Browser verwenden.',
        readFailedReason: 'Der Browser konnte die Datei nicht lesen. Bitte die Datei prüfen.',
    };

    // --- The engine in its worker ------------------------------------------------------------

    function base64Bytes(text) {
        const binary = atob(text.trim());
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
        return bytes;
    }

    // One worker at a time; cancelling ends it and starts a fresh one with the same system.
    class Engine {
        constructor(onProgress, onStartFailed) {
            const source = $('engine-script').textContent + '\n' + $('worker-script').textContent;
            this.url = URL.createObjectURL(new Blob([source], {type: 'text/javascript'}));
            this.wasm = base64Bytes($('engine-wasm').textContent);
            this.onProgress = onProgress;
            this.onStartFailed = onStartFailed;
            this.nextId = 1;
            this.pending = new Map();
            this.start();
        }

        start() {
            this.worker = new Worker(this.url);
            this.worker.onmessage = (event) => this.answer(event.data);
            this.worker.onerror = (event) => {
                event.preventDefault();
                this.failAll(new Error(event.message || 'worker'));
            };
            const wasm = this.wasm.slice().buffer;
            this.worker.postMessage({command: 'init', wasm}, [wasm]);
        }

        answer(message) {
            if (message.progress !== undefined) {
                this.onProgress(message.progress);
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
            else request.resolve(message);
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

        restart() {
            this.worker.terminate();
            const cancelled = new Error('cancelled');
            cancelled.cancelled = true;
            this.failAll(cancelled);
            this.start();
        }
    }

    // --- Tables that draw only the rows in view ----------------------------------------------

    // A table inside a scrolling box: 9,999 rows cost as much as the forty on screen. Screen
    // readers learn the full size from aria-rowcount and each row's aria-rowindex.
    class LazyTable {
        constructor(scroller, columns) {
            this.scroller = scroller;
            this.table = scroller.querySelector('table');
            this.body = this.table.tBodies[0];
            this.columns = columns;
            this.count = 0;
            this.rowHtml = () => '';
            this.rowHeight = 0;
            this.drawn = null;
            this.frame = 0;
            scroller.addEventListener('scroll', () => this.schedule(), {passive: true});
            window.addEventListener('resize', () => this.schedule());
        }

        show(count, rowHtml) {
            this.count = count;
            this.rowHtml = rowHtml;
            this.drawn = null;
            this.table.setAttribute('aria-rowcount', String(count + 1));
            this.scroller.scrollTop = 0;
            this.draw();
        }

        schedule() {
            if (this.frame) return;
            this.frame = requestAnimationFrame(() => {
                this.frame = 0;
                this.draw();
            });
        }

        measure() {
            if (this.rowHeight > 0 || this.count === 0) return;
            this.body.innerHTML = this.rowHtml(0);
            this.rowHeight = this.body.rows[0].getBoundingClientRect().height || 28;
        }

        draw() {
            this.measure();
            const overscan = 20;
            const height = this.rowHeight || 28;
            const visible = Math.ceil((this.scroller.clientHeight || 600) / height);
            const first = Math.max(0, Math.floor(this.scroller.scrollTop / height) - overscan);
            const last = Math.min(this.count, first + visible + 2 * overscan);
            if (this.drawn && this.drawn[0] === first && this.drawn[1] === last) return;
            this.drawn = [first, last];
            const parts = [];
            if (first > 0) parts.push(this.spacer());
            for (let i = first; i < last; ++i) parts.push(this.rowHtml(i));
            if (last < this.count) parts.push(this.spacer());
            this.body.innerHTML = parts.join('');
            const spacers = this.body.querySelectorAll('tr.spacer');
            let s = 0;
            if (first > 0) spacers[s++].style.height = first * height + 'px';
            if (last < this.count) spacers[s].style.height = (this.count - last) * height + 'px';
        }

        spacer() {
            return `<tr class="spacer" aria-hidden="true"><td colspan="${this.columns}"></td></tr>`;
        }
    }

    // --- Bar charts -------------------------------------------------------------------------

    const SVG = 'http://www.w3.org/2000/svg';

    function svgElement(name, attributes, parent) {
        const element = document.createElementNS(SVG, name);
        for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
        if (parent) parent.appendChild(element);
        return element;
    }

    function outcomeText(cells) {
        const parts = [];
        ['6er', '5er', '4er', '3er'].forEach((label, i) => {
            if (cells[i + 1] !== '') parts.push(`${cells[i + 1]} × ${label}`);
        });
        return parts.length ? parts.join(', ') : 'kein 3er oder besser';
    }

    const MAX_BARS = 160;

    // One bar per outcome of the block, in the table's order, its height the outcome's share of
    // the draws. A block of more outcomes than bars gives each bar a run of neighbouring outcomes.
    function chartBars(block) {
        const cases = block.rows.map((row) => Number(row.cells[5]));
        const run = Math.ceil(cases.length / MAX_BARS);
        const bars = [];
        for (let first = 0; first < cases.length; first += run) {
            const last = Math.min(cases.length, first + run) - 1;
            let sum = 0;
            for (let i = first; i <= last; ++i) sum += cases[i];
            bars.push({first, last, cases: sum});
        }
        return bars;
    }

    function barTitle(block, bar, total) {
        const share = `${(100 * bar.cases / total).toFixed(3)} %`;
        if (bar.first === bar.last) {
            const row = block.rows[bar.first];
            return `${bar.first === 0 ? 'entweder' : 'oder'} ${outcomeText(row.cells)}: ` +
                `${row.cells[5]} Fälle, ${row.cells[6]} %`;
        }
        return `Ergebnisse ${bar.first + 1} bis ${bar.last + 1}: ${bar.cases} Fälle, ${share}`;
    }

    function blockChart(block) {
        const width = 320;
        const height = 120;
        const top = 20;
        const bars = chartBars(block);
        const slot = width / bars.length;
        const total = bars.reduce((sum, bar) => sum + bar.cases, 0) || 1;
        const highest = bars.reduce((most, bar) => Math.max(most, bar.cases), 1);
        const svg = svgElement('svg', {
            viewBox: `0 0 ${width} ${height + top}`, class: 'chart', role: 'img',
            'aria-label': `Balkendiagramm: ${block.rows.length} verschiedene Ergebnisse bei ` +
                `${block.size} Treffern; der höchste Balken steht für ` +
                `${(100 * highest / total).toFixed(1)} % der Ziehungen`,
        });
        svgElement('line', {x1: 0, y1: height + top - 0.5, x2: width, y2: height + top - 0.5,
            class: 'axis'}, svg);
        bars.forEach((bar, i) => {
            const barHeight = Math.max(1, (bar.cases / highest) * height);
            const rect = svgElement('rect', {
                x: (i * slot + slot * 0.1).toFixed(2), y: (height + top - barHeight).toFixed(2),
                width: Math.max(0.5, slot * 0.8).toFixed(2), height: barHeight.toFixed(2),
                class: i === 0 ? 'bar best' : 'bar',
            }, svg);
            svgElement('title', {}, rect).textContent = barTitle(block, bar, total);
        });
        const label = svgElement('text', {x: 2, y: 16, class: 'chart-label'}, svg);
        label.textContent = `${(100 * highest / total).toFixed(3)} %`;
        return svg;
    }

    function chartNote(block) {
        const count = block.rows.length;
        if (count === 1) return '1 Ergebnis, Höhe = Anteil der Ziehungen';
        const runs = count > MAX_BARS ? `, je Balken bis zu ${Math.ceil(count / MAX_BARS)}` : '';
        return `${count} Ergebnisse${runs}, Höhe = Anteil der Ziehungen`;
    }

    // --- The page ---------------------------------------------------------------------------

    const page = {
        engine: null,
        source: null,      // what the loaded system was read from, to restart a worker with it
        hasSystem: false,
        hitRows: [],
        busy: false,
        focusBeforeBusy: null,
        engineBroken: false,
        rowsTable: new LazyTable($('rows-scroll'), 7),
        hitsTable: new LazyTable($('hits-scroll'), 7),
    };

    function setStatus(text) {
        $('status').textContent = text;
    }

    // A disabled button loses the focus; keyboard users get it back where they were.
    function setBusy(busy, analysing = false) {
        if (busy) page.focusBeforeBusy = document.activeElement;
        busy = busy || page.engineBroken;
        page.busy = busy;
        document.body.dataset.state = busy ? 'busy' : 'idle';
        for (const element of document.querySelectorAll(
            '.toolbar button, #paste-panel button, #player-questions button')) {
            element.disabled = busy;
        }
        $('open-file').disabled = busy;
        $('open-label').classList.toggle('disabled', busy);
        $('cancel').disabled = !analysing;
        document.body.setAttribute('aria-busy', busy ? 'true' : 'false');
        const back = page.focusBeforeBusy;
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

    function showSystem(answer) {
        const rows = answer.rows;
        $('row-count').textContent = `${answer.rowCount} Systemreihen`;
        $('number-count').textContent = `${answer.highestNumber} Systemzahlen`;
        page.rowsTable.show(answer.rowCount, (i) => {
            const o = i * 6;
            return `<tr aria-rowindex="${i + 2}"><th scope="row">${i + 1}</th><td>${rows[o]}</td>` +
                `<td>${rows[o + 1]}</td><td>${rows[o + 2]}</td><td>${rows[o + 3]}</td>` +
                `<td>${rows[o + 4]}</td><td>${rows[o + 5]}</td></tr>`;
        });
    }

    function showHits(hitTableText, guaranteeText) {
        page.hitRows = [];
        for (const line of hitTableText.split('\n')) {
            if (line === '') continue;
            const first = line.startsWith('*');
            page.hitRows.push({cells: (first ? line.slice(1) : line).split('\t'), first});
        }
        const hitRows = page.hitRows;
        page.hitsTable.show(hitRows.length, (i) => {
            const row = hitRows[i];
            const cells = row.cells.map((cell) => `<td>${cell}</td>`).join('');
            return `<tr aria-rowindex="${i + 2}"${row.first ? ' class="first"' : ''}>${cells}</tr>`;
        });
        showBlocks(hitRows, guaranteeText.split('\n').filter((line) => line !== ''));
    }

    function blocksOf(hitRows) {
        const blocks = [];
        for (const row of hitRows) {
            if (row.first || blocks.length === 0) blocks.push({size: row.cells[0], rows: []});
            blocks[blocks.length - 1].rows.push(row);
        }
        return blocks;
    }

    function showBlocks(hitRows, guarantees) {
        const list = $('block-list');
        list.replaceChildren();
        const blocks = blocksOf(hitRows);
        blocks.forEach((block, i) => {
            const article = document.createElement('article');
            article.className = 'block';
            const heading = document.createElement('h3');
            heading.textContent = `${block.size} Treffer`;
            const guarantee = document.createElement('p');
            guarantee.className = 'guarantee';
            guarantee.textContent = guarantees[i] || '';
            const note = document.createElement('p');
            note.className = 'chart-note';
            note.textContent = chartNote(block);
            article.append(heading, guarantee, blockChart(block), note);
            list.appendChild(article);
        });
        $('blocks').hidden = blocks.length === 0;
    }

    function clearHits() {
        showHits('', '');
    }

    // --- Commands ---------------------------------------------------------------------------

    async function load(source, bytes) {
        if (page.busy) return;
        setBusy(true);
        setStatus('System wird gelesen...');
        try {
            const copy = bytes.slice();
            const answer = await page.engine.call('load', {source, bytes}, [bytes.buffer]);
            if (answer.outcome === 'overflow') {
                setStatus('');
                showMessage(TEXT.overflowTitle, TEXT.overflow);
                return;
            }
            if (answer.outcome === 'norow') {
                setStatus(TEXT.noRow);
                return;
            }
            page.source = {source, bytes: copy};
            page.hasSystem = true;
            showSystem(answer);
            clearHits();
            await questions.systemLoaded();
            setStatus(`System geladen: ${answer.rowCount} Reihen, ${answer.highestNumber} ` +
                'Systemzahlen.');
            await afterPaint();
            performance.measure('lorvex-load', 'lorvex-load-start');
        } catch (error) {
            engineFailed(error);
        } finally {
            setBusy(false);
        }
    }

    async function analyse(blocks) {
        if (page.busy) return;
        performance.clearMarks('lorvex-analyse-start');
        performance.clearMeasures('lorvex-analyse');
        performance.mark('lorvex-analyse-start');
        clearHits();
        const answer = await runLong('analyse', {blocks}, 'Analyse läuft...',
            'Analyse abgebrochen.', true);
        if (!answer) return;
        showHits(answer.hitTable, answer.guarantees);
        setStatus(page.hitRows.length ? `Analyse fertig: ${page.hitRows.length} Zeilen in ` +
            'der Treffertabelle.' : page.hasSystem ? 'Analyse fertig: keine Zeilen, das ' +
            'System hat weniger Systemzahlen als Treffer.' : 'Kein System geladen.');
        await afterPaint();
        performance.measure('lorvex-analyse', 'lorvex-analyse-start');
    }

    // A command that may take as long as "Komplett": busy, cancellable, with the progress bar
    // (running without figures where the engine sends none). Nothing when it did not end.
    async function runLong(command, data, runningText, cancelledText, withShares = false) {
        setBusy(true, true);
        const progress = $('progress');
        if (withShares) progress.value = 0;
        else progress.removeAttribute('value');
        setStatus(runningText);
        try {
            const answer = await page.engine.call(command, data);
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
        if (page.busy) return null;
        setBusy(true);
        try {
            return await page.engine.call(command, data);
        } catch (error) {
            engineFailed(error);
            return null;
        } finally {
            setBusy(false);
        }
    }

    function cancel() {
        page.engine.restart();
        // The fresh worker gets the same system again; the hit table stays empty, as after
        // the start of any analysis.
        if (page.source) {
            const bytes = page.source.bytes.slice();
            page.engine.call('load', {source: page.source.source, bytes}, [bytes.buffer])
                .catch((error) => {
                    if (!error.cancelled) engineCannotStart(error);
                });
        }
    }

    function engineFailed(error) {
        if ((error && error.cancelled) || page.engineBroken) return;
        console.error(error);
        setStatus('');
        showMessage(TEXT.engineFailedTitle, TEXT.engineFailed);
        cancel();
    }

    // Without a working engine the page can do nothing; it says so once and stays disabled.
    function engineCannotStart(error) {
        console.error(error);
        setBusy(true);
        page.engineBroken = true;
        setStatus('');
        showMessage(TEXT.engineFailedTitle, TEXT.startFailed);
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
        if (page.busy) return;
        if (page.hitRows.length === 0) {
            showMessage(TEXT.saveTitle, TEXT.nothingToSave);
            return;
        }
        setBusy(true);
        try {
            const answer = await page.engine.call('report', {html});
            // The bytes go to the file as they are: ISO 8859-1 with CR LF, like the desktop's.
            download(answer.bytes, answer.name,
                html ? 'text/html;charset=iso-8859-1' : 'text/plain;charset=iso-8859-1');
            setStatus(`Bericht ${answer.name} wird heruntergeladen.`);
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
        if (text === '' || page.busy) return;
        markLoadStart();
        load('text', latin1Bytes(text));
    }

    async function loadFile(file) {
        if (!file || page.busy) return;
        markLoadStart();
        let buffer;
        try {
            buffer = await file.arrayBuffer();
        } catch (error) {
            showMessage(TEXT.openTitle, `${TEXT.cannotOpen}\n${file.name}\n${TEXT.readFailedReason}`);
            return;
        }
        await load('file', new Uint8Array(buffer));
    }

    function showPastePanel() {
        $('paste-panel').hidden = false;
        $('paste-text').focus();
    }

    async function paste() {
        if (page.busy) return;
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

    // --- The questions after the hit table ------------------------------------------------

    // Each section shows the very text lorvex-report writes for its option, or the German reason
    // why the typed numbers will not do, beside the field that holds them.
    const questions = {
        mappedText: '',

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

        // A new system makes every earlier answer stale; its number balance is shown at once.
        async systemLoaded() {
            $('player-questions').hidden = false;
            for (const id of ['coverage-result', 'odds-result', 'map-result', 'check-result']) {
                this.showAnswer(id, '');
            }
            this.showProblem('own-numbers', 'map-problem', '');
            this.showProblem('draw-numbers', 'check-problem', '');
            $('map-note').textContent = '';
            $('check-note').textContent = '';
            $('map-actions').hidden = true;
            this.mappedText = '';
            const answer = await page.engine.call('frequency');
            this.showAnswer('frequency-result', answer.text);
        },

        // Timed like "Komplett" (tests/web/measure_web.py): "lorvex-coverage", "lorvex-odds".
        async long(command, resultId, runningText, doneText) {
            if (page.busy) return;
            performance.clearMarks(`lorvex-${command}-start`);
            performance.clearMeasures(`lorvex-${command}`);
            performance.mark(`lorvex-${command}-start`);
            this.showAnswer(resultId, '');
            const answer = await runLong(command, {}, runningText, 'Berechnung abgebrochen.');
            if (!answer) return;
            this.showAnswer(resultId, answer.text);
            setStatus(doneText);
            await afterPaint();
            performance.measure(`lorvex-${command}`, `lorvex-${command}-start`);
        },

        // What the check plays on: the own numbers when the field holds any, else the system.
        ownNumbers() {
            const own = $('own-numbers').value;
            return own.trim() === '' ? '' : own;
        },

        async map() {
            const answer = await runQuick('map', {own: $('own-numbers').value});
            if (!answer) return;
            this.showProblem('own-numbers', 'map-problem', answer.problem ? answer.text : '');
            this.mappedText = answer.problem ? '' : answer.text;
            this.showAnswer('map-result', this.mappedText);
            $('map-actions').hidden = Boolean(answer.problem);
            const rows = this.mappedText.split('\n').length - 1;
            $('map-note').textContent = answer.problem ? '' :
                `Das System auf den eigenen Zahlen: ${rows} ${rows === 1 ? 'Reihe' : 'Reihen'}.`;
            if (answer.problem) $('own-numbers').focus();
        },

        async check() {
            const own = this.ownNumbers();
            const answer = await runQuick('check', {own, draw: $('draw-numbers').value});
            if (!answer) return;
            const ownProblem = answer.problem === 'own';
            this.showProblem('own-numbers', 'map-problem', ownProblem ? answer.text : '');
            this.showProblem('draw-numbers', 'check-problem',
                answer.problem === 'draw' ? answer.text : '');
            this.showAnswer('check-result', answer.problem ? '' : answer.text);
            $('check-note').textContent = answer.problem ? '' : own ?
                'Geprüft wurde das System auf den eigenen Zahlen.' : 'Geprüft wurde das System.';
            if (answer.problem) $(ownProblem ? 'own-numbers' : 'draw-numbers').focus();
        },

        loadMapped() {
            if (this.mappedText === '' || page.busy) return;
            markLoadStart();
            load('file', new TextEncoder().encode(this.mappedText));
        },

        saveMapped() {
            if (this.mappedText === '') return;
            download(new TextEncoder().encode(this.mappedText), 'eigene_Zahlen.txt',
                'text/plain;charset=utf-8');
            setStatus('Das umgesetzte System eigene_Zahlen.txt wird heruntergeladen.');
        },

        connect() {
            $('coverage-run').addEventListener('click', () => this.long('coverage',
                'coverage-result', 'Abdeckung wird berechnet...', 'Abdeckung berechnet.'));
            $('odds-run').addEventListener('click', () => this.long('odds', 'odds-result',
                'Gewinnchancen werden berechnet...', 'Gewinnchancen berechnet.'));
            // The forms only catch Enter and the buttons; nothing is ever sent anywhere.
            $('map-form').addEventListener('submit', (event) => {
                event.preventDefault();
                this.map();
            });
            $('check-form').addEventListener('submit', (event) => {
                event.preventDefault();
                this.check();
            });
            $('map-load').addEventListener('click', () => this.loadMapped());
            $('map-save').addEventListener('click', () => this.saveMapped());
        },
    };

    function connect() {
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
        for (const button of document.querySelectorAll('[data-blocks]')) {
            button.addEventListener('click', () => analyse(button.dataset.blocks));
        }
        $('save-txt').addEventListener('click', () => save(false));
        $('save-html').addEventListener('click', () => save(true));
        $('cancel').addEventListener('click', cancel);
        $('message-ok').addEventListener('click', () => $('message').close());
        questions.connect();

        // Text pasted anywhere on the page (outside the text field) loads like "Einfügen".
        document.addEventListener('paste', (event) => {
            if (event.target.closest && event.target.closest('textarea, input')) return;
            const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
            event.preventDefault();
            loadText(text);
        });

        // A file dropped anywhere on the page loads like "Öffnen..."; dragged text or links
        // are not taken.
        document.addEventListener('dragover', (event) => {
            event.preventDefault();
            const files = event.dataTransfer && [...event.dataTransfer.types].includes('Files');
            event.dataTransfer.dropEffect = files && !page.busy ? 'copy' : 'none';
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
            page.engine = new Engine((share) => {
                $('progress').value = share;
            }, engineCannotStart);
        } catch (error) {
            engineCannotStart(error);
            return;
        }
        page.engine.call('messages').then((answer) => {
            Object.assign(TEXT, answer.texts);
            setBusy(false);
        }, engineCannotStart);
        clearHits();
    }

    startPage();
})();
