// The page half of the touch controls. Every touch on the play area goes to
// the program's browser backend as a record (platform/backends/web/
// touch_keys.h turns them into key presses); the pause button is one more
// record. No touch control shows until the page has seen a touch. For
// typing, a text field opens the phone's own keyboard and its letters and
// Backspace go to the program as the key presses a desktop would send.
'use strict';

(function () {
  const kStart = 1, kMove = 2, kEnd = 3, kPause = 4, kButtonDown = 5, kButtonUp = 6;
  const kUses = ['none', 'stick', 'taps', 'typing', 'steer'];
  // The field always holds this, so that Backspace has something to delete
  // (a phone's keyboard reports nothing for Backspace in an empty field).
  const kFieldFill = '__';
  const canvas = document.getElementById('screen');
  const pause = document.getElementById('pause');
  const field = document.getElementById('typing');
  const buttons = document.getElementById('buttons');
  const touch = {
    queue: [],
    use: 'none',
    // The demo pages steer with the stick; their keys are buttons.
    startUse: buttons ? kUses.indexOf('steer') : 0,
    seen: false,
    setUse(use) {
      this.use = kUses[use] || 'none';
      document.body.dataset.touchUse = this.use;
      if (this.use === 'typing') openKeyboard();
      else if (document.activeElement === field) { field.blur(); canvas.focus(); }
    },
  };

  function openKeyboard() {
    if (!touch.seen) return;  // a desktop keyboard types into the page as it is
    field.value = kFieldFill;
    field.focus();
  }

  // A touch in the program's screen pixels and in CSS pixels.
  function record(kind, t) {
    const box = canvas.getBoundingClientRect();
    const sx = box.width ? (t.clientX - box.left) * canvas.width / box.width : 0;
    const sy = box.height ? (t.clientY - box.top) * canvas.height / box.height : 0;
    touch.queue.push([kind, t.identifier, Math.floor(sx), Math.floor(sy), Math.round(t.clientX), Math.round(t.clientY)]);
  }

  function firstTouch() {
    if (touch.seen) return;
    touch.seen = true;
    document.body.classList.add('touched');
    if (touch.use === 'typing') openKeyboard();
  }

  // The page's own controls (the bar's link and buttons) keep their taps.
  const ownTarget = (e) => e.target instanceof Element && e.target.closest('#bar, #typing, #pause, #buttons');

  document.addEventListener('touchstart', (e) => {
    firstTouch();
    if (ownTarget(e)) return;
    e.preventDefault();  // no scrolling, zooming or mouse emulation
    for (const t of e.changedTouches) record(kStart, t);
  }, { passive: false });
  document.addEventListener('touchmove', (e) => {
    if (ownTarget(e)) return;
    e.preventDefault();
    for (const t of e.changedTouches) record(kMove, t);
  }, { passive: false });
  const ended = (e) => {
    if (ownTarget(e)) return;
    e.preventDefault();
    for (const t of e.changedTouches) record(kEnd, t);
    // iOS opens the keyboard only from a touch: a tap on the name screen does.
    if (touch.use === 'typing') openKeyboard();
  };
  document.addEventListener('touchend', ended, { passive: false });
  document.addEventListener('touchcancel', ended, { passive: false });

  pause.addEventListener('touchstart', (e) => {
    e.preventDefault();
    touch.queue.push([kPause, 0, 0, 0, 0, 0]);
  }, { passive: false });

  // The demo pages' key buttons hold their key while touched.
  if (buttons) {
    for (const button of buttons.querySelectorAll('button')) {
      const code = Number(button.dataset.key);
      const change = (kind) => (e) => { e.preventDefault(); touch.queue.push([kind, code, 0, 0, 0, 0]); };
      button.addEventListener('touchstart', change(kButtonDown), { passive: false });
      button.addEventListener('touchend', change(kButtonUp), { passive: false });
      button.addEventListener('touchcancel', change(kButtonUp), { passive: false });
    }
  }

  // The phone's keyboard: characters as key presses on the window, where the
  // backend reads the desktop's keys. A desktop keyboard's own key presses
  // reach the window directly and insert nothing here.
  function press(code, key) {
    for (const type of ['keydown', 'keyup']) window.dispatchEvent(new KeyboardEvent(type, { code, key, bubbles: true }));
  }
  function codeOf(ch) {
    if (/^[a-z]$/i.test(ch)) return 'Key' + ch.toUpperCase();
    if (/^[0-9]$/.test(ch)) return 'Digit' + ch;
    return ch === ' ' ? 'Space' : '';
  }
  field.addEventListener('input', (e) => {
    if (e.inputType && e.inputType.startsWith('delete')) {
      press('Backspace', 'Backspace');
    } else {
      const typed = e.data != null ? e.data : field.value.slice(kFieldFill.length);
      for (const ch of typed) {
        const code = codeOf(ch);
        if (code) press(code, ch);
      }
    }
    field.value = kFieldFill;
  });
  // A phone's Enter comes without a key code.
  field.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && !e.code) { e.preventDefault(); press('Enter', 'Enter'); }
  });

  Module.kestrelTouch = touch;
})();
