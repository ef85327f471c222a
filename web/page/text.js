// Shared by every part of the page: finding its elements, and the engine's German texts.

const $ = (id) => document.getElementById(id);

// The only texts the page holds itself: what it says when its engine, and with it the catalogue,
// cannot start.
const START_FAILED_TITLE = 'Lorvex';
const START_FAILED = 'Die Rechenmaschine der Seite konnte nicht starten. Bitte einen aktuellen ' +
    'Browser verwenden.';

// The catalogue's texts (core/messages/messages.cpp, pageMessages), by name; "{1}", "{2}" are filled in.
const texts = {
    byName: {},

    say(name, ...values) {
        const text = this.byName[name] || '';
        return text.replace(/\{(\d)\}/g, (match, index) => String(values[Number(index) - 1]));
    },

    // "1 Reihe", "4 Reihen".
    rows(count) {
        return count === 1 ? this.say('rowsOne') : this.say('rowsMany', count);
    },
};
