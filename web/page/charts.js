// Bar charts: one per block of the hit table, and the number balance of the system.

const SVG = 'http://www.w3.org/2000/svg';
const MAX_BARS = 160;

function svgElement(name, attributes, parent) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (parent) parent.appendChild(element);
    return element;
}

// The blocks of the hit table: their size and their rows from `start` up to `end`.
function blocksOf(hits) {
    const blocks = [];
    for (let i = 0; i < hits.rowCount; ++i) {
        if (hits.first[i] || blocks.length === 0) {
            blocks.push({size: hits.blockSize[i], start: i, end: i});
        }
        blocks[blocks.length - 1].end = i + 1;
    }
    return blocks;
}

function outcomeText(hits, i) {
    const parts = [];
    for (const [label, column] of [['6er', hits.six], ['5er', hits.five], ['4er', hits.four],
        ['3er', hits.three]]) {
        if (column[i] !== 0) parts.push(`${column[i]} × ${label}`);
    }
    return parts.length ? parts.join(', ') : texts.say('noWin');
}

// One bar per outcome of the block, in the table's order, its height the outcome's share of
// the draws. A block of more outcomes than bars gives each bar a run of neighbouring outcomes.
function chartBars(hits, block) {
    const count = block.end - block.start;
    const run = Math.ceil(count / MAX_BARS);
    const bars = [];
    for (let first = 0; first < count; first += run) {
        const last = Math.min(count, first + run) - 1;
        let sum = 0;
        for (let i = first; i <= last; ++i) sum += hits.cases[block.start + i];
        bars.push({first, last, cases: sum});
    }
    return bars;
}

function barTitle(hits, block, bar, total) {
    if (bar.first === bar.last) {
        const i = block.start + bar.first;
        return texts.say('outcomeBar', texts.say(bar.first === 0 ? 'either' : 'or'),
            outcomeText(hits, i), hits.cases[i], percentText(hits.percentThousandths[i]));
    }
    return texts.say('outcomeRun', bar.first + 1, bar.last + 1, bar.cases,
        (100 * bar.cases / total).toFixed(3));
}

// Bars of heights `values` in a box of the given size, each with its title and, where
// `labels` has one, a label under it.
function barChart(values, titles, label, {width, height, top, firstClass, labels = []}) {
    const slot = width / values.length;
    const highest = values.reduce((most, value) => Math.max(most, value), 1);
    const bottom = labels.length ? 14 : 0;
    const svg = svgElement('svg', {
        viewBox: `0 0 ${width} ${height + top + bottom}`, class: 'chart', role: 'img',
        'aria-label': label,
    });
    labels.forEach((text, i) => {
        if (!text) return;
        svgElement('text', {x: ((i + 0.5) * slot).toFixed(2), y: height + top + bottom - 2,
            class: 'axis-label'}, svg).textContent = text;
    });
    svgElement('line', {x1: 0, y1: height + top - 0.5, x2: width, y2: height + top - 0.5,
        class: 'axis'}, svg);
    values.forEach((value, i) => {
        const barHeight = Math.max(1, (value / highest) * height);
        const rect = svgElement('rect', {
            x: (i * slot + slot * 0.1).toFixed(2), y: (height + top - barHeight).toFixed(2),
            width: Math.max(0.5, slot * 0.8).toFixed(2), height: barHeight.toFixed(2),
            class: i === 0 && firstClass ? `bar ${firstClass}` : 'bar',
        }, svg);
        svgElement('title', {}, rect).textContent = titles[i];
    });
    return {svg, highest};
}

const charts = {
    block(hits, block) {
        const bars = chartBars(hits, block);
        const total = bars.reduce((sum, bar) => sum + bar.cases, 0) || 1;
        const highest = bars.reduce((most, bar) => Math.max(most, bar.cases), 1);
        const share = (100 * highest / total);
        const {svg} = barChart(bars.map((bar) => bar.cases),
            bars.map((bar) => barTitle(hits, block, bar, total)),
            texts.say('chartLabel', block.end - block.start, block.size, share.toFixed(1)),
            {width: 320, height: 120, top: 20, firstClass: 'best'});
        const label = svgElement('text', {x: 2, y: 16, class: 'chart-label'}, svg);
        label.textContent = `${share.toFixed(3)} %`;
        return svg;
    },

    blockNote(block) {
        const count = block.end - block.start;
        if (count === 1) return texts.say('chartNoteOne');
        if (count <= MAX_BARS) return texts.say('chartNote', count);
        return texts.say('chartNoteRuns', count, Math.ceil(count / MAX_BARS));
    },

    // The blocks' articles: heading, guarantee line, chart and note.
    showBlocks(hits, guarantees) {
        const list = $('block-list');
        list.replaceChildren();
        const blocks = blocksOf(hits);
        blocks.forEach((block, i) => {
            const article = document.createElement('article');
            article.className = 'block';
            const heading = document.createElement('h3');
            heading.textContent = texts.say('blockTitle', block.size);
            const guarantee = document.createElement('p');
            guarantee.className = 'guarantee';
            guarantee.textContent = guarantees[i] || '';
            const note = document.createElement('p');
            note.className = 'chart-note';
            note.textContent = this.blockNote(block);
            article.append(heading, guarantee, this.block(hits, block), note);
            list.appendChild(article);
        });
        $('blocks').hidden = blocks.length === 0;
    },

    // The wins in past draws: a bar per draw in the list's order (a run of draws per bar in a
    // long list), as high as its winning rows; `lines` are the answer's lines of the draws.
    showDrawWins(wins, lines) {
        const place = $('draws-chart');
        place.replaceChildren();
        if (wins.length === 0) return '';
        const run = Math.ceil(wins.length / MAX_BARS);
        const values = [];
        const titles = [];
        for (let first = 0; first < wins.length; first += run) {
            const last = Math.min(wins.length, first + run) - 1;
            values.push(wins.slice(first, last + 1).reduce((sum, value) => sum + value, 0));
            titles.push(first === last ? lines[first] :
                texts.say('drawsRun', first + 1, last + 1, values[values.length - 1]));
        }
        const {svg, highest} = barChart(values, titles, texts.say('drawsChartLabel',
            values.reduce((most, value) => Math.max(most, value), 0)),
        {width: 480, height: 60, top: 14, firstClass: ''});
        const scale = svgElement('text', {x: 2, y: 11, class: 'chart-label'}, svg);
        scale.textContent = texts.rows(highest);
        place.appendChild(svg);
        return run === 1 ? texts.say('drawsChartNote') : texts.say('drawsChartNoteRuns', run);
    },

    // The number balance: one bar per number played, as high as the rows that hold it.
    showBalance(rowsHolding, numbers) {
        const place = $('frequency-chart');
        place.replaceChildren();
        if (rowsHolding.length === 0) return;
        const counts = Array.from(rowsHolding);
        const least = counts.reduce((most, value) => Math.min(most, value), counts[0]);
        const highest = counts.reduce((most, value) => Math.max(most, value), counts[0]);
        // The first and the last number, and every fifth between them that leaves the last
        // room enough.
        const last = counts.length - 1;
        const labels = counts.map((count, i) =>
            i === 0 || i === last || ((i + 1) % 5 === 0 && last - i >= 3) ? String(numbers[i]) : '');
        const {svg} = barChart(counts,
            counts.map((count, i) => texts.say('balanceBar', numbers[i], texts.rows(count))),
            texts.say('balanceLabel', least, highest),
            {width: 320, height: 60, top: 14, firstClass: '', labels});
        const scale = svgElement('text', {x: 2, y: 11, class: 'chart-label'}, svg);
        scale.textContent = texts.rows(highest);
        place.appendChild(svg);
    },
};
