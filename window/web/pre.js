// SPDX-License-Identifier: MIT
// The head of diruvari.js: the build's name, the program's start, the first
// painted board's mark, and the worker that keeps the site (Module.offline).
Module['buildId'] = '@build_id@';
performance.mark('script-start');

// The program travels here as base64 (Module.diruvariWasm), decoded by the
// browser where it can: far faster than a loop.
Module['instantiateWasm'] = (imports, receive) => {
    const base64 = Module['diruvariWasm'];
    delete Module['diruvariWasm'];
    const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64)
                                         : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
    receive(instance);
    return instance.exports;
};
// Standard error carries a fault's line: an error, not a warning.
Module['printErr'] = (line) => console.error(line);
// A fault stops the game by unwinding to here, having told the player.
Module['onRuntimeInitialized'] = () => {
    try { Module['_diruvari_main'](); } catch (e) { if (e !== 'unwind') throw e; }
};

// Every rebuild shows the window again; only the first showing counts here.
let firstBoardShown = false;
Module['onBoardShown'] = () => {
    if (firstBoardShown) return;
    firstBoardShown = true;
    requestAnimationFrame(() => setTimeout(() => {
        performance.mark('board-painted');
        // Where the autofocus did not take (a frame came before the window).
        const d = Module['diruvari'];
        d.fresh = false;
        if (document.activeElement === document.body) d.cards[d.focusWanted].focus();
        // Not before: the worker's downloads would hold up the first board.
        // Without it (a server that refuses sw.js) the game plays on, online.
        if (!('serviceWorker' in navigator)) return;
        Module['offline'] = keepOffline()
            .catch((error) => console.warn('Diruvari is not kept for offline play:', error));
    }));
};

// Every load asks for a new build once its board is up; the next load uses it.
async function keepOffline() {
    const registration = await navigator.serviceWorker.register('sw.js');
    await registration.update().catch(() => {});
    return registration;
}
