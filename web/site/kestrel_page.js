// The page around one program: turns the address's options into its command
// line, keeps the canvas scaled, offers full screen, starts the sound on the
// first key press, click or touch, and offers to start the program again once it
// has ended. The module's own half is js/kestrel_pre.js.
'use strict';

// ?showfps&seed=5&no-sound&scale=2 -> ["showfps", "--seed", "5", "--no-sound", "--scale", "2"]:
// the same words as the desktop command line. A first word without "=" that
// is no option of its own stays the program's first word (such as "showfps").
function kestrelArguments(search) {
  const flags = new Set(['no-sound', 'windowed', 'fullscreen', 'help', 'version']);
  const words = [];
  const params = new URLSearchParams(search);
  let first = true;
  for (const [name, value] of params) {
    if (name === 'no-storage') continue;  // a page option, not the program's
    if (value === '' && first && !flags.has(name)) words.push(name);
    else if (value === '') words.push('--' + name);
    else words.push('--' + name, value);
    first = false;
  }
  return words;
}

const kestrelNotes = new Map();
function kestrelNote(key, text) {
  const notes = document.getElementById('notes');
  let span = kestrelNotes.get(key);
  if (text == null) { if (span) { span.remove(); kestrelNotes.delete(key); } return; }
  if (!span) { span = document.createElement('span'); span.id = 'note-' + key; notes.appendChild(span); kestrelNotes.set(key, span); }
  span.textContent = text;
}

// The programs are built with WebAssembly SIMD; a browser without it cannot
// compile them, and its compiler's error would not tell the player why. A
// function that returns a SIMD value validates only where SIMD exists.
function kestrelHasSimd() {
  const probe = [0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0, 65, 0, 253, 15, 253, 98, 11];
  try { return WebAssembly.validate(new Uint8Array(probe)); } catch (e) { return false; }
}

var Module = (function () {
  const canvas = document.getElementById('screen');
  const stage = document.getElementById('stage');
  const args = kestrelArguments(window.location.search);
  const hasAudio = !!(window.AudioContext || window.webkitAudioContext);
  if (!hasAudio && !args.includes('--no-sound')) {
    args.push('--no-sound');
    kestrelNote('sound', 'This browser has no Web Audio: running without sound.');
  }
  const module = {
    canvas,
    arguments: args,
    reservedHeight: 28,
    kestrelNoStorage: new URLSearchParams(window.location.search).has('no-storage'),
    printed: [],
    print(text) { module.printed.push(text); console.log(text); },
    errors: [],
    printErr(text) { module.errors.push(text); console.warn(text); },
    onExit(status) {
      module.exited = true;
      module.exitStatus = status;
      // A refused option or a failed start says why, as on a terminal.
      if (status !== 0 && module.errors.length) kestrelNote('error', module.errors[0]);
      ended();
    },
    onAbort(what) {
      module.aborted = String(what);
      kestrelNote('error', kestrelHasSimd() ? 'The program stopped: ' + what
        : 'This browser is too old for Kestrel: it needs WebAssembly SIMD (Chrome 91, Firefox 89, Safari 16.4 or later).');
      ended();
    },
    onStorageUnavailable() { kestrelNote('storage', 'Browser storage is unavailable: settings and scores will not be kept.'); },
    onAudioContext(context) {
      const started = () => { kestrelNote('sound', null); module.kestrelAudio.dropStale(); };
      if (context.state === 'running') { started(); return; }
      kestrelNote('sound', 'Press a key or touch the screen to start the sound.');
      const resume = () => {
        context.resume().then(() => {
          if (context.state !== 'running') return;
          started();
          window.removeEventListener('keydown', resume, true);
          window.removeEventListener('pointerdown', resume, true);
          window.removeEventListener('touchend', resume, true);
        });
      };
      window.addEventListener('keydown', resume, true);
      window.addEventListener('pointerdown', resume, true);
      // iOS lets sound start only from the end of a touch.
      window.addEventListener('touchend', resume, true);
    },
  };

  function ended() {
    const again = document.getElementById('again');
    again.hidden = false;
    again.focus();
  }
  document.getElementById('again').addEventListener('click', () => window.location.reload());

  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (stage.requestFullscreen) stage.requestFullscreen().catch(() => {});
  }
  document.getElementById('fullscreen').addEventListener('click', (e) => { toggleFullScreen(); e.currentTarget.blur(); canvas.focus(); });
  window.addEventListener('keydown', (e) => {
    if (e.code === 'F11') { e.preventDefault(); toggleFullScreen(); }
  });
  const refit = () => { if (module.kestrelPage) module.kestrelPage.fit(); };
  window.addEventListener('resize', refit);
  document.addEventListener('fullscreenchange', refit);
  window.addEventListener('load', () => canvas.focus());

  // The site keeps itself for playing offline (service_worker.js). Browsers
  // without service workers here (private windows, plain http off this
  // machine) play online only.
  if (navigator.serviceWorker) navigator.serviceWorker.register('service_worker.js').catch(() => {});
  // iOS has no Fullscreen API: its way to full screen and offline play is
  // the home screen, which the page says once.
  const iOS = /iPhone|iPad|iPod/.test(navigator.userAgent) || (navigator.platform === 'MacIntel' && navigator.maxTouchPoints > 1);
  if (iOS && !navigator.standalone) {
    try {
      if (!localStorage.getItem('kestrel-home-screen-hint')) {
        localStorage.setItem('kestrel-home-screen-hint', '1');
        kestrelNote('install', 'To play full screen and offline: Share, then Add to Home Screen.');
      }
    } catch (e) { /* no storage: no hint rather than one on every visit */ }
  }
  return module;
})();
