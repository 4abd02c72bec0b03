// Runs inside every program's module before it starts: the page half of the
// browser backend (canvas, scaling, first-frame time) and of the Web Audio
// sound device. The C++ side reaches both through Module.
(function () {
  'use strict';
  const page = {
    context: null,
    width: 0,
    height: 0,
    fixedScale: 0,
    firstFrameAt: 0,
    framesShown: 0,

    // The canvas attributes are the program's own resolution; CSS scales it
    // by the largest whole factor of device pixels that fits (or by
    // ?scale=N CSS pixels), so every program pixel is a square of whole
    // device pixels: a phone's 2.75 device pixels a CSS pixel give 2x at
    // 393 CSS pixels high, where a CSS factor would give none that fits.
    openCanvas(width, height, scale) {
      const canvas = Module.canvas;
      canvas.width = width;
      canvas.height = height;
      this.width = width;
      this.height = height;
      this.fixedScale = scale;
      this.context = canvas.getContext('2d', { alpha: false });
      this.fit();
    },

    fit() {
      if (!this.width) return;
      const full = document.fullscreenElement != null;
      const bar = full ? 0 : (Module.reservedHeight || 0);
      const ratio = window.devicePixelRatio || 1;
      const roomW = Math.floor(window.innerWidth * ratio + 0.01);
      const roomH = Math.floor((window.innerHeight - bar) * ratio + 0.01);
      const fits = Math.floor(Math.min(roomW / this.width, roomH / this.height));
      const factor = this.fixedScale > 0 ? this.fixedScale * ratio : Math.max(1, fits);
      const style = Module.canvas.style;
      style.width = this.width * factor / ratio + 'px';
      style.height = this.height * factor / ratio + 'px';
      Module.canvasScale = factor;  // device pixels a program pixel
    },

    showPixels(rgba, width, height) {
      if (!this.context) return;
      const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
      this.context.putImageData(new ImageData(pixels, width, height), 0, 0);
      this.framesShown++;
      if (!this.firstFrameAt) this.firstFrameAt = performance.now();
    },

    setTitle(title) {
      document.title = title;
    },
  };

  const audio = {
    context: null,
    channels: [],
    sounds: new Map(),
    decoding: new Map(),

    open(channelCount) {
      const AudioContextClass = window.AudioContext || window.webkitAudioContext;
      if (!AudioContextClass) return false;
      if (!this.context) {
        try {
          this.context = new AudioContextClass();
        } catch (e) {
          return false;
        }
        if (Module.onAudioContext) Module.onAudioContext(this.context);
      }
      this.grow(channelCount);
      return true;
    },

    grow(channelCount) {
      while (this.channels.length < channelCount) {
        const gain = this.context.createGain();
        gain.connect(this.context.destination);
        this.channels.push({ gain, source: null, endsAt: 0 });
      }
    },

    close() {
      this.halt(-1);
      this.sounds.clear();
      this.decoding.clear();
    },

    decode(id, bytes) {
      this.decoding.set(id, 0);
      this.context.decodeAudioData(bytes).then(
        (buffer) => { this.sounds.set(id, buffer); this.decoding.set(id, 1); },
        () => { this.decoding.set(id, -1); });
    },
    decodeState(id) { return this.decoding.has(id) ? this.decoding.get(id) : -1; },
    lengthMs(id) { const b = this.sounds.get(id); return b ? b.duration * 1000 : 0; },
    free(id) { this.sounds.delete(id); this.decoding.delete(id); },

    // The wasm side judges by the wall clock whether a channel sounds (so
    // that sounds started before the first key press, audio still
    // suspended, end on time); endsAt is the same judgement, for dropStale.
    play(id, channel, loops) {
      const c = this.channels[channel];
      const buffer = this.sounds.get(id);
      if (!c || !buffer) return;
      this.stop(c);
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.connect(c.gain);
      source.loop = loops !== 0;
      source.start();
      if (loops > 0) source.stop(this.context.currentTime + buffer.duration * (loops + 1));
      c.source = source;
      c.endsAt = loops < 0 ? Infinity : performance.now() + buffer.duration * 1000 * (loops + 1);
      source.onended = () => { if (c.source === source) c.source = null; };
    },
    stop(c) {
      if (!c.source) return;
      try { c.source.stop(); } catch (e) { /* never started */ }
      c.source = null;
    },
    halt(channel) {
      if (channel < 0) this.channels.forEach((c) => this.stop(c));
      else if (this.channels[channel]) this.stop(this.channels[channel]);
    },
    volume(channel, gain) {
      const set = (c) => { c.gain.gain.value = gain; };
      if (channel < 0) this.channels.forEach(set);
      else if (this.channels[channel]) set(this.channels[channel]);
    },
    // Called once audio runs: one-shot sounds whose time has passed while
    // it was suspended are not played late.
    dropStale() {
      this.channels.forEach((c) => { if (c.source && performance.now() >= c.endsAt) this.stop(c); });
    },
  };

  // The wasm heap's size now, for the size figures.
  page.heapBytes = () => wasmMemory.buffer.byteLength;

  Module.kestrelPage = page;
  Module.kestrelAudio = audio;
})();
