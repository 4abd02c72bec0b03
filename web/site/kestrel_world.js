// The shooter page and a world score server (kestrel-scores) on the same
// origin. Loaded after kestrel_page.js and before the program, it holds the
// program's start until two questions are answered:
//  - Is this page served by a score server? It asks GET /api/v1/server; a
//    static host answers 404 and the page shows nothing more. A score
//    server's page offers "Send my scores to this board" (off until the
//    player ticks it, kept in localStorage); while it is on the game starts
//    with --score-server set to this page's origin. While it is off the
//    page's fetch refuses every request (Module.kestrelMaySend), so nothing
//    is sent even by a game started while it was on.
//  - ?demo=ADDRESS: a recording of this same origin to watch. It is fetched,
//    written to /watch/recording.txt and played with --demo; the replay's
//    verdict line is shown when it ends. Other origins are refused.
'use strict';
(function () {
  if (typeof KESTREL_PROGRAM === 'undefined' || KESTREL_PROGRAM !== 'shooter') return;
  const kChoiceKey = 'kestrel-send-scores';
  const kProbeMs = 3000;
  const kWatchFile = '/watch/recording.txt';
  const args = Module.arguments;
  const page = new URLSearchParams(window.location.search);

  function storedChoice() {
    try { return localStorage.getItem(kChoiceKey) === '1'; } catch (e) { return false; }
  }
  let sending = storedChoice();
  Module.kestrelMaySend = () => sending;

  // The demo address is the page's to fetch, never a path in the program's
  // file system.
  const demoIndex = args.indexOf('--demo');
  const demo = page.get('demo');
  let watch = null;  // the recording's bytes once fetched (null when it failed)
  let watching = false;  // the program plays a fetched recording
  if (demoIndex >= 0) args.splice(demoIndex, 2);
  if (demo) {
    let address = null;
    try { address = new URL(demo, window.location.href); } catch (e) { /* not an address */ }
    if (!address || address.origin !== window.location.origin) {
      kestrelNote('watch', 'Refused to watch ' + demo + ': only recordings from this site can be watched.');
    } else {
      kestrelNote('watch', 'Loading the recording...');
      watch = fetch(address.href, { cache: 'no-store' }).then((response) => {
        if (!response.ok) throw new Error('the server answered ' + response.status);
        return response.arrayBuffer();
      }).then((bytes) => new Uint8Array(bytes), (error) => {
        kestrelNote('watch', 'The recording could not be loaded: ' + error.message);
        return null;
      });
    }
  }

  // The answer is null unless a kestrel-scores server says it is one; no
  // answer within a few seconds counts as none.
  const server = Promise.race([
    fetch('/api/v1/server', { cache: 'no-store' })
      .then((r) => (r.ok ? r.json() : null))
      .then((about) => (about && about.name === 'kestrel-scores' ? about : null))
      .catch(() => null),
    new Promise((done) => setTimeout(() => done(null), kProbeMs)),
  ]);

  function offerSending(startedWith) {
    const bar = document.getElementById('bar');
    const label = document.createElement('label');
    label.id = 'world';
    const box = document.createElement('input');
    box.type = 'checkbox';
    box.id = 'send-scores';
    box.checked = sending;
    label.append(box, ' Send my scores to this board');
    const board = document.createElement('a');
    board.href = '/';
    board.textContent = 'Board';
    bar.insertBefore(label, document.getElementById('notes'));
    bar.insertBefore(board, label);
    box.addEventListener('change', () => {
      sending = box.checked;
      try { localStorage.setItem(kChoiceKey, sending ? '1' : '0'); } catch (e) { /* kept for this page only */ }
      if (!sending) kestrelNote('world', 'Nothing is sent.');
      else if (!startedWith) kestrelNote('world', 'Scores are sent from the next start of the game.');
      else kestrelNote('world', null);
      if (sending && !startedWith) document.getElementById('again').hidden = false;
      box.blur();
      Module.canvas.focus();
    });
  }

  Module.preRun = Module.preRun || [];
  Module.preRun.push(function () {
    Module.addRunDependency('kestrel-world');
    Promise.all([server, watch]).then(([about, recording]) => {
      if (recording) {
        Module.FS.mkdirTree('/watch');
        Module.FS.writeFile(kWatchFile, recording);
        args.push('--demo', kWatchFile);
        watching = true;
        kestrelNote('watch', 'Watching a recorded game.');
      }
      // A watched game is never sent.
      const sends = !!about && sending && !recording;
      if (sends) args.push('--score-server', window.location.origin);
      if (about) offerSending(sends);
      Module.removeRunDependency('kestrel-world');
    });
  });

  // The replay's verdict ("replay: matches score=N frames=M") once it ends.
  const onExit = Module.onExit;
  Module.onExit = function (status) {
    onExit(status);
    if (!watching) return;
    const verdict = Module.printed.filter((line) => line.startsWith('replay:')).pop();
    kestrelNote('watch', verdict ? 'Replay ended: ' + verdict.slice('replay:'.length).trim() : 'The replay ended.');
  };
})();
