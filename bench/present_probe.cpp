// A preloaded shim (LD_PRELOAD) for measuring `shooter` from outside. It wraps
// SDL_LockTexture and SDL_RenderPresent, which the SDL backend calls first and
// last when it shows a page, and keeps in a small shared file named by
// KESTREL_PROBE_FILE:
//   presents=N present_cpu_ns=T renderer=NAME first_ns=A,B,C,...
// N and T count every present and the main thread's CPU time inside them, so
// a script can take the game's own work as main-thread CPU minus T; first_ns
// are the wall-clock (CLOCK_REALTIME) stamps of the first presents, for the
// start-up time. The file is rewritten in place after each present, so a
// reader sees the counters while the game runs.
#include <SDL.h>
#include <dlfcn.h>
#include <sys/mman.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <ctime>

namespace {

constexpr std::size_t kFileBytes = 1024;
constexpr std::size_t kStamps = 6;

struct Probe {
  char* shared = nullptr;
  unsigned long long presents = 0;
  unsigned long long presentCpuNs = 0;
  long long presentStartCpu = -1;  // set by the lock that opens a present
  std::array<long long, kStamps> stamps{};
  char renderer[32] = "?";

  Probe() {
    const char* path = std::getenv("KESTREL_PROBE_FILE");
    if (!path) return;
    std::FILE* file = std::fopen(path, "w+b");
    if (!file) return;
    std::error_code error;
    std::filesystem::resize_file(path, kFileBytes, error);
    if (!error) {
      // Mapped, so that publishing costs no system call inside the game.
      void* map = ::mmap(nullptr, kFileBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fileno(file), 0);
      if (map != MAP_FAILED) shared = static_cast<char*>(map);
    }
    std::fclose(file);
  }

  void publish() {
    if (!shared) return;
    char line[kFileBytes];
    int n = std::snprintf(line, sizeof line, "presents=%llu present_cpu_ns=%llu renderer=%s first_ns=", presents,
                          presentCpuNs, renderer);
    for (std::size_t i = 0; i < kStamps && n > 0 && static_cast<std::size_t>(n) < sizeof line; ++i) {
      n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), i ? ",%lld" : "%lld", stamps[i]);
    }
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof line - 1) return;
    line[n++] = '\n';
    // Pad with blanks so that a longer old line never shows through.
    std::memset(line + n, ' ', sizeof line - static_cast<std::size_t>(n) - 1);
    line[sizeof line - 1] = '\n';
    std::memcpy(shared, line, sizeof line);
  }
};

Probe& probe() {
  static Probe p;
  return p;
}

long long nowNs(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

template <typename Fn>
Fn realFunction(const char* name) {
  void* symbol = dlsym(RTLD_NEXT, name);
  if (!symbol) {
    std::fprintf(stderr, "present probe: no %s in the next library\n", name);
    std::abort();
  }
  Fn fn = nullptr;
  std::memcpy(&fn, &symbol, sizeof fn);
  return fn;
}

}  // namespace

extern "C" {

int SDL_LockTexture(SDL_Texture* texture, const SDL_Rect* rect, void** pixels, int* pitch) {
  using Fn = int (*)(SDL_Texture*, const SDL_Rect*, void**, int*);
  static const Fn real = realFunction<Fn>("SDL_LockTexture");
  Probe& p = probe();
  if (p.presentStartCpu < 0) p.presentStartCpu = nowNs(CLOCK_THREAD_CPUTIME_ID);
  return real(texture, rect, pixels, pitch);
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
  using Fn = void (*)(SDL_Renderer*);
  static const Fn real = realFunction<Fn>("SDL_RenderPresent");
  Probe& p = probe();
  real(renderer);
  const long long endCpu = nowNs(CLOCK_THREAD_CPUTIME_ID);
  if (p.presentStartCpu >= 0) p.presentCpuNs += static_cast<unsigned long long>(endCpu - p.presentStartCpu);
  p.presentStartCpu = -1;
  if (p.presents < kStamps) p.stamps[p.presents] = nowNs(CLOCK_REALTIME);
  if (p.presents == 0) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) == 0 && info.name) {
      std::snprintf(p.renderer, sizeof p.renderer, "%s", info.name);
    }
  }
  ++p.presents;
  p.publish();
}

}  // extern "C"
