// The system rows and the hit table: tables that draw only the rows in view.

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

// The hit list's percentages: the engine hands them over in thousandths, exactly as shown.
function percentText(thousandths) {
    return `${Math.floor(thousandths / 1000)}.${String(thousandths % 1000).padStart(3, '0')}`;
}

// A count cell: empty for 0, as in the hit list and the reports.
function countText(count) {
    return count === 0 ? '' : String(count);
}

// The hit table's seven cells of row i, as the hit list shows them.
function hitCells(hits, i) {
    return [String(hits.blockSize[i]), countText(hits.six[i]), countText(hits.five[i]),
        countText(hits.four[i]), countText(hits.three[i]), String(hits.cases[i]),
        percentText(hits.percentThousandths[i])];
}

const EMPTY_HIT_TABLE = {rowCount: 0};

const tables = {
    rows: null,
    hits: null,

    connect() {
        this.rows = new LazyTable($('rows-scroll'), 7);
        this.hits = new LazyTable($('hits-scroll'), 7);
    },

    // `system` is the engine's loaded system: rowCount, highestNumber and rows (six numbers a
    // row), and the note on skipped lines.
    showSystem(system) {
        const rows = system.rows;
        $('row-count').textContent = texts.rows(system.rowCount);
        $('number-count').textContent = texts.say('numberCount', system.highestNumber);
        this.showPlayed(system);
        $('skipped').textContent = system.skipped;
        $('skipped').hidden = system.skipped === '';
        this.rows.show(system.rowCount, (i) => {
            const o = i * 6;
            return `<tr aria-rowindex="${i + 2}"><th scope="row">${i + 1}</th><td>${rows[o]}</td>` +
                `<td>${rows[o + 1]}</td><td>${rows[o + 2]}</td><td>${rows[o + 3]}</td>` +
                `<td>${rows[o + 4]}</td><td>${rows[o + 5]}</td></tr>`;
        });
    },

    // Which numbers the system plays, and the way to the other reading: over the numbers that
    // occur in it, or back to 1 up to its highest number.
    showPlayed(system) {
        const played = system.playedText !== '';
        const fewer = system.usedCount < system.loadedHighest;
        $('played-line').hidden = !played && !fewer;
        $('played-text').textContent = played ? system.playedText :
            texts.say('playedFewer', system.usedCount, system.loadedHighest);
        const button = $('played-switch');
        button.textContent = played ? texts.say('playAll', system.loadedHighest) :
            texts.say('playUsed', system.usedCount);
        button.dataset.numbers = played ? '' : 'used';
    },

    showHits(hits) {
        this.hits.show(hits.rowCount, (i) => {
            const cells = hitCells(hits, i).map((cell) => `<td>${cell}</td>`).join('');
            return `<tr aria-rowindex="${i + 2}"${hits.first[i] ? ' class="first"' : ''}>${cells}</tr>`;
        });
    },
};
