// Runs inside shooter's module: the player's settings.dat and high_scores.dat
// live in IndexedDB (IDBFS) mounted on the working folder /save. They are
// read before the program starts; a first visit places the default files.
// When storage is unavailable the game runs on the defaults in memory and the
// page says once that scores will not be kept.
(function () {
  'use strict';
  const folder = '/save';
  const defaults = '/defaults';
  let persistent = false;
  let syncing = false;
  let again = false;
  let warned = false;

  function warnOnce() {
    if (warned) return;
    warned = true;
    if (Module.onStorageUnavailable) Module.onStorageUnavailable();
  }

  function placeDefaults() {
    for (const name of ['settings.dat', 'high_scores.dat']) {
      const target = folder + '/' + name;
      if (!FS.analyzePath(target).exists) FS.writeFile(target, FS.readFile(defaults + '/' + name));
    }
  }

  function storageUsable() {
    try {
      return typeof indexedDB !== 'undefined' && indexedDB !== null && !Module.kestrelNoStorage;
    } catch (e) {
      return false;  // a blocked IndexedDB throws on access
    }
  }

  // Writes the folder to IndexedDB; a save made while one runs is written after it.
  function sync() {
    if (!persistent) return;
    if (syncing) { again = true; return; }
    syncing = true;
    FS.syncfs(false, (error) => {
      syncing = false;
      if (error) { persistent = false; warnOnce(); return; }
      if (Module.onStorageSynced) Module.onStorageSynced();
      if (again) { again = false; sync(); }
    });
  }
  Module.kestrelSaved = sync;

  Module.preRun = Module.preRun || [];
  Module.preRun.push(function () {
    FS.mkdir(folder);
    // The default files come with the preloaded data, which may arrive after
    // the storage: they are placed just before the program starts.
    addOnPreMain(function () {
      try {
        placeDefaults();
        if (persistent) sync();
      } catch (e) {
        persistent = false;
      }
      if (!persistent) warnOnce();
      FS.chdir(folder);
    });
    const finish = (usable) => {
      persistent = usable;
      removeRunDependency('kestrel-storage');
    };
    addRunDependency('kestrel-storage');
    if (!storageUsable()) { finish(false); return; }
    try {
      FS.mount(IDBFS, {}, folder);
      FS.syncfs(true, (error) => {
        if (error) {
          try { FS.unmount(folder); } catch (e) { /* already gone */ }
          finish(false);
        } else {
          finish(true);
        }
      });
    } catch (e) {
      try { FS.unmount(folder); } catch (e2) { /* never mounted */ }
      finish(false);
    }
  });
})();
