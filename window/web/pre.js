// SPDX-License-Identifier: MIT
// The page's own part of the program, put at the head of diruvari.js: the
// build's name as the script has it, how the program inside the script is
// started, the moment the first board has been painted, for whoever
// measures it, and after that the service worker that keeps the site for
// offline play (Module.offline, once it has asked the server for a new
// build).
Module['buildId'] = '@build_id@';
performance.mark('script-start');

// The program travels inside this script as base64 (Module.diruvariWasm, put
// at its head by the build) and is compiled as the script runs: decoded by
// the browser where it can, which is many times faster than a loop over the
// characters.
Module['instantiateWasm'] = (imports, receive) => {
    const base64 = Module['diruvariWasm'];
    delete Module['diruvariWasm'];
    const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64)
                                         : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
    receive(instance);
    return instance.exports;
};
// What the program writes to standard error is a fault's one line: an error
// in the console, where emscripten would make it a warning.
Module['printErr'] = (line) => console.error(line);

// Every rebuild shows the window again; only the first showing counts here.
let firstBoardShown = false;
Module['onBoardShown'] = () => {
    if (firstBoardShown) return;
    firstBoardShown = true;
    requestAnimationFrame(() => setTimeout(() => {
        performance.mark('board-painted');
        // Where the page's autofocus did not take (a frame painted before
        // the window showed), the card takes the focus now.
        const d = Module['diruvari'];
        d.fresh = false;
        if (document.activeElement === document.body) d.cards[d.focusWanted].focus();
        // Not before: the worker's downloads would hold up the first board.
        if (!('serviceWorker' in navigator)) return;
        // Without its worker (a server that refuses sw.js, say) the game plays on, online.
        Module['offline'] = keepOffline()
            .catch((error) => console.warn('Diruvari is not kept for offline play:', error));
    }));
};

// Every load asks the server for a new build once its own board is up; the
// worker takes a new build into use from the next load on.
async function keepOffline() {
    const registration = await navigator.serviceWorker.register('sw.js');
    // Offline, or a new build not yet whole on the server: the next load asks again.
    await registration.update().catch(() => {});
    return registration;
}
